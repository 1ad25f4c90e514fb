// The button assignment, lamp by lamp, and the button file read at start-up and written after it.
#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

void Vantor::PreparaBotoes() {
    juizes_.MapaPadrao();
    for (int k = 1; k <= 18; ++k) {
        const int base = k <= 9 ? k - 1 : k - 10;
        juizes_.DescricaoBotao[static_cast<size_t>(k)] = "Juiz " + std::to_string(base % 3 + 1) + " - " +
                                                         Traduz(k <= 9 ? txt::Vermelho : txt::Azul) + " botao " +
                                                         std::to_string(base / 3 + 1);
    }
    arquivos_.LeBotoes(juizes_);
}

bool Vantor::ConfiguraBotoes() {
    if (plat_.joyGetNumDevs() <= 0 || plat_.ControlesConectados() <= 0) {
        plat_.Avisa(Traduz(txt::NenhumControle), kTitulo);
        juizes_.Configurando_b = 0;  // withdrawn, so the message does not come back at every closing of the dialog
        return true;
    }
    Mensagem(Traduz(txt::ConfigurandoBotoes), Tom::Aviso);
    MensagemPlateia("");
    for (size_t p = 1; p <= 256; ++p) juizes_.MapaBotoes[p] = 0;
    static const int16_t kComTres[] = {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18};
    static const int16_t kComDois[] = {1, 4, 10, 13, 2, 5, 11, 14, 3, 6, 12, 15};
    const int16_t* ordem = ajustes_.Pontos3 == 0 ? kComDois : kComTres;
    const size_t quantos = ajustes_.Pontos3 == 0 ? std::size(kComDois) : std::size(kComTres);
    for (size_t i = 0; i < quantos; ++i) {
        const int16_t k = ordem[i];
        AcendeLampada(k, true);
        juizes_.Configurando_b = k;
        juizes_.BotaoCapturado = Juizes::kEsperando;
        while (Capturando()) {
            if (!plat_.EsperaEventos()) {
                // The window is gone: nothing is written, the map stays as far as it got.
                juizes_.BotaoCapturado = 0;
                return false;
            }
        }
        juizes_.MapaBotoes[static_cast<size_t>(juizes_.BotaoCapturado)] = k;
    }
    if (arquivos_.GravaBotoes(juizes_)) {
        GravaLog(Traduz(txt::BotoesConfigurados));
    } else {
        // The map works for this run only: the operator must know the next start will not have it.
        GravaLog(Traduz(txt::MapaNaoGravado));
        plat_.Avisa(Traduz(txt::MapaNaoGravado), kTitulo);
    }
    return true;
}

}  // namespace vantor
