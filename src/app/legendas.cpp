// The program's captions in the current language.
#include "app/vantor.h"

namespace vantor {

void Vantor::CarregaIdioma() { idioma_.Carrega(); }

std::string Vantor::Traduz(int entrada) const { return idioma_.Traduz(entrada, ajustes_.Lingua); }

void Vantor::Acerta_Idioma() {
    ++versaoTela_;
    janela_.tela.L_Golden.Caption = Traduz(txt::GoldenRound);
    janela_.tela.M_Falta.Caption = Traduz(txt::Faltas) + ":";
    janela_.tela.M_Ponto.Caption = Traduz(txt::Pontos) + ":";
    janela_.tela.M_Minuto.Caption = Traduz(txt::UmMinuto) + ": \"1\"";
    janela_.tela.M_Sumula.Caption = Traduz(txt::Sumula) + ": \"S\"";
    janela_.tela.M_Config.Caption = Traduz(txt::Configuracao) + ": F1";
    PlateiaNaTela(janela_.tela.plateiaVisivel);
    plat_.DefineLingua(ajustes_.Lingua);
}

}  // namespace vantor
