// Start-up: language, settings, captions, buttons, match defaults, first fight, scaling.
#include "app/vantor.h"

namespace vantor {

void Vantor::Form_Load() {
    CarregaIdioma();
    LeConfig();
    Acerta_Idioma();
    PreparaBotoes();
    // Every match setting starts from its default at each run; only sounds and language persist.
    Ajustes padrao;
    padrao.Som = ajustes_.Som;
    padrao.Lingua = ajustes_.Lingua;
    padrao.Nome = {"", Traduz(txt::Azul), Traduz(txt::Vermelho)};
    ajustes_ = padrao;
    ZeraLuta();
    ReajustaTela();
}

}  // namespace vantor
