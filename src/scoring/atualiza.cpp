// The single refresh of the scoreboard from the record; it also runs the victory rules.
#include <cstdio>

#include "app/vantor.h"
#include "scoring/satura.h"

namespace vantor {

namespace {
std::string MinSeg(int segundos) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d:%02d", segundos / 60, segundos % 60);
    return buf;
}
}  // namespace

void Vantor::AtualizaTela() {
    tela.L_Nome[1].Caption = Nome[1] + "\r\n" + L2[1];
    tela.L_Nome[2].Caption = Nome[2] + "\r\n" + L2[2];

    tela.Label1[0].Caption = tela.Label1[1].Caption = std::to_string(Pontos1);
    tela.Label1[2].Caption = tela.Label1[3].Caption = std::to_string(Pontos2);
    const bool terceiro = Pontos3 > 0;
    tela.Label1[4].Visible = tela.Label1[5].Visible = terceiro;
    for (int k : {7, 8, 9, 16, 17, 18}) tela.S_Botao[static_cast<size_t>(k)].Visible = terceiro;

    ChecaVitoria();

    const bool golden = RoundAtual > Rounds && !LutaDecidida;
    tela.L_Pontos[1].Caption = std::to_string(SomaSatura(PontosMarcados[1], Faltas[2]));
    tela.L_Pontos[2].Caption = std::to_string(SomaSatura(PontosMarcados[2], Faltas[1]));

    const auto marcador = [](int i, int faltas, bool meia) {
        if (i <= faltas) return RGB(255, 0, 0);
        if (i == faltas + 1 && meia) return RGB(255, 255, 0);
        return RGB(255, 255, 255);
    };
    for (int i = 1; i <= 10; ++i) {
        auto& f1 = tela.F1[static_cast<size_t>(i)];
        auto& f2 = tela.F2[static_cast<size_t>(i)];
        f1.Visible = f2.Visible = i <= LimiteFaltas;
        f1.FillColor = marcador(i, Faltas[1], MeiaFalta[1]);
        f2.FillColor = marcador(i, Faltas[2], MeiaFalta[2]);
    }

    // A negative clock never happens in a fight; show it plainly rather than as garbage.
    tela.L_Tempo.Caption = TempoRestante >= 0 ? MinSeg(TempoRestante) : "-" + MinSeg(-TempoRestante);
    tela.L_Round.Caption = std::to_string(RoundAtual);
    tela.L_Round.BackColor = RoundAtual <= Rounds ? RGB(224, 224, 224) : RGB(255, 224, 128);
    tela.L_Golden.Visible = golden;
    tela.L_Minuto.Visible = (ContaIntervalo >= 0 && !LutaDecidida) || ContaMinuto >= 0;
    if (MostraConfig)
        tela.L_Config.Caption = std::to_string(Rounds) + " " + Traduz(8) + ", " + MinSeg(Tempo) + ". " + Traduz(17) +
                                ": " + std::to_string(Intervalo) + ". " + Traduz(18) + ": " +
                                std::to_string(Arbitros);
    tela.L_Config.Visible = MostraConfig;
}

}  // namespace vantor
