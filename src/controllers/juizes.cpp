// Judges' agreement: a press lights its lamp and opens a two-second window; two of the three
// judges on the same corner and value within their windows give that value's points.
#include <algorithm>

#include "app/vantor.h"
#include "scoring/satura.h"

namespace vantor {

void Vantor::AcendeLampada(int k, bool acesa) {
    if (k < 1 || k > 18) return;
    // A lit lamp lets its green show through the white fill.
    tela.S_Botao[static_cast<size_t>(k)].FillSolid = !acesa;
}

void Vantor::Dispara(const std::string& x) {
    const size_t fim = std::min({x.size(), EstadoControles.size(), size_t{256}});
    for (size_t i = 1; i <= fim; ++i) {
        if (x[i - 1] != '1' || EstadoControles[i - 1] != '0') continue;
        if (Capturando()) {
            BotaoCapturado = static_cast<int16_t>(i);
            AcendeLampada(Configurando_b, false);
            return;
        }
        const int k = MapaBotoes[i];
        if (k < 1 || k > 18) continue;
        AcendeLampada(k, true);
        Timer_Botao[static_cast<size_t>(k)].SetEnabled(true);
        // Before the start and during the rest a press shows and is logged but can never count.
        if (LutaIniciada && ContaIntervalo < 0) Pendentes |= MascaraBotao[static_cast<size_t>(k)];
        GravaLog(LogTR() + Traduz(32) + ":\t" + std::to_string(i) + "\t" + DescricaoBotao[static_cast<size_t>(k)]);
        Checa(1, 2, 3, 2, Pontos1);
        Checa(4, 5, 6, 2, Pontos2);
        if (Pontos3 > 0) Checa(7, 8, 9, 2, Pontos3);
        Checa(10, 11, 12, 1, Pontos1);
        Checa(13, 14, 15, 1, Pontos2);
        if (Pontos3 > 0) Checa(16, 17, 18, 1, Pontos3);
    }
}

int Vantor::b(int botao) const {
    if (botao < 0 || botao > 256) return 0;
    return (MascaraBotao[static_cast<size_t>(botao)] & Pendentes) != 0 ? 1 : 0;
}

void Vantor::Checa(int b1, int b2, int b3, int Cor, int16_t p_Pontos) {
    const int n = b(b1) + b(b2) + b(b3);
    if (n < Arbitros - 1) return;
    // The agreement uses up every open press of the group, the third judge's too.
    for (int botao : {b1, b2, b3}) Pendentes &= ~MascaraBotao[static_cast<size_t>(botao)];
    if (!Pausado) {
        auto& pontos = PontosMarcados[static_cast<size_t>(Cor)];
        pontos = SomaSatura(pontos, p_Pontos);
        GravaLog(LogTR() + Traduz(5) + ": \t" + Traduz(Cor == 1 ? 1 : 2) + "\t" + std::to_string(p_Pontos) + "\t" +
                 Nome[static_cast<size_t>(Cor)]);
    }
    AtualizaTela();
}

void Vantor::Timer_Botao_Timer(int k) {
    if (k < 1 || k > 18) return;
    Timer_Botao[static_cast<size_t>(k)].SetEnabled(false);
    Pendentes &= ~MascaraBotao[static_cast<size_t>(k)];
    AcendeLampada(k, false);
}

}  // namespace vantor
