// The refresh of the scoreboard: the rules asked, then the board drawn from the fight and the settings.
#include <cstdio>

#include "app/vantor.h"
#include "lang/texto.h"
#include "luta/regras.h"
#include "luta/satura.h"

namespace vantor {

void Vantor::AtualizaTela() {
    luta_.ChecaVitoria();
    MostraLuta();
}

void Vantor::MostraLuta() {
    const EstadoLuta& l = luta_.Estado();
    ++versaoTela_;
    // With video review, each corner's cards left follow its second line, on both boards.
    for (size_t c = 1; c <= 2; ++c)
        janela_.tela.L_Nome[c].Caption =
            ajustes_.Nome[c] + "\r\n" + ajustes_.L2[c] +
            (ajustes_.CartoesRevisao > 0 ? "  [" + Traduz(txt::Revisoes) + ": " + std::to_string(l.Cartoes[c]) + "]"
                                         : "");

    // Each group's value under its lamps, both shown only while the group is in use (the first two always are).
    for (int g = 1; g <= 5; ++g) {
        const int16_t valor = ValorDoGrupo(ajustes_, g);
        const bool usado = GrupoEmUso(ajustes_, g);
        for (size_t i : {size_t(2 * (g - 1)), size_t(2 * (g - 1) + 1)}) {
            if (g != 3) janela_.tela.L_Valor[i].Caption = std::to_string(valor);  // the third's stays "3"
            janela_.tela.L_Valor[i].Visible = usado;
        }
        for (int cor : {Vermelho, Azul})
            for (int juiz = 1; juiz <= 3; ++juiz)
                janela_.tela.S_Botao[static_cast<size_t>(BotaoDe(cor, g, juiz))].Visible = usado;
    }

    const bool melhorDeTres = ajustes_.Regra == regra::Wt2022;  // no golden round: rounds until two are won
    const bool golden = !melhorDeTres && l.RoundAtual > ajustes_.Rounds && !l.LutaDecidida;
    janela_.tela.L_Pontos[1].Caption = std::to_string(SomaSatura(l.PontosMarcados[1], l.Faltas[2]));
    janela_.tela.L_Pontos[2].Caption = std::to_string(SomaSatura(l.PontosMarcados[2], l.Faltas[1]));

    const auto marcador = [](int i, int faltas, bool meia) {
        if (i <= faltas) return Marcacao::Falta;
        if (i == faltas + 1 && meia) return Marcacao::Meia;
        return Marcacao::Vazia;
    };
    for (int i = 1; i <= 10; ++i) {
        auto& f1 = janela_.tela.S_FaltaAzul[static_cast<size_t>(i)];
        auto& f2 = janela_.tela.S_FaltaVermelho[static_cast<size_t>(i)];
        f1.Visible = f2.Visible = i <= ajustes_.LimiteFaltas;
        f1.marca = marcador(i, l.Faltas[1], l.MeiaFalta[1]);
        f2.marca = marcador(i, l.Faltas[2], l.MeiaFalta[2]);
    }

    // A negative clock never happens in a fight; show it plainly rather than as garbage.
    janela_.tela.L_Tempo.Caption = l.TempoRestante >= 0 ? MinSeg(l.TempoRestante) : "-" + MinSeg(-l.TempoRestante);
    janela_.tela.L_Round.Caption = std::to_string(l.RoundAtual);
    janela_.tela.roundGolden = !melhorDeTres && l.RoundAtual > ajustes_.Rounds;
    janela_.tela.L_Golden.Visible = golden;
    if (l.ContaIntervalo >= 0 || l.ContaMinuto >= 0)
        janela_.tela.L_Minuto.Caption = DoisDigitos(l.ContaIntervalo >= 0 ? l.ContaIntervalo : l.ContaMinuto);
    janela_.tela.L_Minuto.Visible = (l.ContaIntervalo >= 0 && !l.LutaDecidida) || l.ContaMinuto >= 0;
    janela_.tela.L_MinutoTitulo.Visible = janela_.tela.L_Minuto.Visible;
    janela_.tela.L_MinutoTitulo.Caption = Traduz(l.ContaMinuto >= 0 ? txt::UmMinuto : txt::Intervalo);
    // The golden round starts from nothing: the score it began from stays in view, through its result. Under best
    // of three the same place shows the rounds won.
    const auto ganhos = RoundsGanhos(ajustes_, l);
    for (size_t c = 1; c <= 2; ++c) {
        janela_.tela.L_Regular[c].Visible = l.EmGolden || melhorDeTres;
        janela_.tela.L_Regular[c].Caption =
            melhorDeTres ? Traduz(txt::RoundsGanhos) + "\r\n" + std::to_string(ganhos[c])
                         : Traduz(txt::TempoRegular) + "\r\n" + std::to_string(l.PlacarRegular[c]);
    }
    if (l.MostraConfig)
        janela_.tela.L_Config.Caption = std::to_string(ajustes_.Rounds) + " " + Traduz(txt::Rounds) + ", " +
                                        MinSeg(ajustes_.Tempo) + ". " + Traduz(txt::Intervalo) + ": " +
                                        std::to_string(ajustes_.Intervalo) + ". " + Traduz(txt::Arbitros) + ": " +
                                        std::to_string(ajustes_.Arbitros);
    janela_.tela.L_Config.Visible = l.MostraConfig;

    Rotulo& luta = janela_.tela.L_Luta;
    luta.Visible = !ajustes_.NumeroLuta.empty() || !ajustes_.Categoria.empty();
    luta.Caption = ajustes_.NumeroLuta.empty() ? ajustes_.Categoria
                                               : Traduz(txt::Luta) + " " + ajustes_.NumeroLuta +
                                                     (ajustes_.Categoria.empty() ? "" : " · " + ajustes_.Categoria);
    // Between bouts the operator sees what Page Down brings.
    Rotulo& proxima = janela_.tela.L_Proxima;
    proxima.Visible = !lista_.lutas.empty() && (!EmLuta() || l.LutaDecidida);
    if (const int p = ProximaLuta(); p >= 0) {
        const LutaDaLista& b = lista_.lutas[static_cast<size_t>(p)];
        proxima.Caption = Traduz(txt::ProximaLuta) + " [PgDn]: " + b.numero + (b.categoria.empty() ? "" : " · ") +
                          b.categoria + " · " + b.nome[Azul] + " x " + b.nome[Vermelho];
    } else {
        proxima.Caption = Traduz(txt::FimDaLista);
    }
}

}  // namespace vantor
