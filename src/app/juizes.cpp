// Judges' agreement: a press lights its lamp and opens a two-second window; two of the three
// judges on the same corner and value within their windows give that value's points.
#include "app/vantor.h"

namespace vantor {

void Vantor::AcendeLampada(int k, bool acesa) {
    if (k < 1 || k > kBotoes) return;
    janela_.tela.S_Botao[static_cast<size_t>(k)].acesa = acesa;
    ++versaoTela_;
}

void Vantor::Dispara(const std::array<uint16_t, entrada::kSlots>& novo) {
    // Position by position, as the button map numbers them: each input newly pressed since the last poll.
    for (int slot = 0; slot < entrada::kSlots; ++slot) {
        const auto s = static_cast<size_t>(slot);
        const auto apertadas = static_cast<uint16_t>(novo[s] & ~juizes_.EstadoControles[s]);
        for (int bit = entrada::kPorSlot - 1; bit >= 0; --bit) {
            if (!(apertadas & (1u << bit))) continue;
            const int i = entrada::Posicao(slot, bit);
            if (Capturando()) {
                juizes_.BotaoCapturado = static_cast<int16_t>(i);
                AcendeLampada(juizes_.Configurando_b, false);
                return;
            }
            Aperta(i);
        }
    }
}

void Vantor::Aperta(int i) {
    const int k = juizes_.MapaBotoes[static_cast<size_t>(i)];
    if (k < 1 || k > kBotoes) return;
    AcendeLampada(k, true);
    vistos_ |= juizes_.MascaraBotao[static_cast<size_t>(k)];
    janela_.Timer_Botao[static_cast<size_t>(k)].SetEnabled(true);
    // Before the start and during the rest a press shows and is logged but can never count.
    if (PermiteEm(luta_.FaseAtual()).abreJanela) juizes_.Pendentes |= juizes_.MascaraBotao[static_cast<size_t>(k)];
    GravaLog(LogTR() + Traduz(txt::BotaoApertado) + ":\t" + std::to_string(i) + "\t" +
             juizes_.DescricaoBotao[static_cast<size_t>(k)]);
    // Red's groups, then blue's; a group from the third on only when its value is in use.
    for (int cor : {Vermelho, Azul})
        for (int g = 1; g <= 5; ++g) {
            if (GrupoEmUso(ajustes_, g))
                Checa(BotaoDe(cor, g, 1), BotaoDe(cor, g, 2), BotaoDe(cor, g, 3), cor, ValorDoGrupo(ajustes_, g));
        }
}

void Vantor::Checa(int b1, int b2, int b3, int Cor, int16_t p_Pontos) {
    const int n = juizes_.b(b1) + juizes_.b(b2) + juizes_.b(b3);
    if (n < ajustes_.Arbitros - 1) return;
    // The agreement uses up every open press of the group, the third judge's too.
    for (int botao : {b1, b2, b3}) juizes_.Pendentes &= ~juizes_.MascaraBotao[static_cast<size_t>(botao)];
    luta_.PontoDosJuizes(Cor, p_Pontos);
    AtualizaTela();
}

void Vantor::Timer_Botao_Timer(int k) {
    if (k < 1 || k > kBotoes) return;
    janela_.Timer_Botao[static_cast<size_t>(k)].SetEnabled(false);
    juizes_.Pendentes &= ~juizes_.MascaraBotao[static_cast<size_t>(k)];
    AcendeLampada(k, false);
}

}  // namespace vantor
