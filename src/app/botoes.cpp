// The button assignment, lamp by lamp, and the button file read at start-up and written after it.
#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

void Vantor::PreparaBotoes() {
    juizes_.MapaPadrao();
    for (int k = 1; k <= kBotoes; ++k) {
        const QualBotao b = DoBotao(k);
        juizes_.DescricaoBotao[static_cast<size_t>(k)] = "Juiz " + std::to_string(b.juiz) + " - " +
                                                         Traduz(b.cor == Vermelho ? txt::Vermelho : txt::Azul) +
                                                         " botao " + std::to_string(b.grupo);
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
    // Judge by judge: red's groups in use, then blue's.
    std::vector<int16_t> ordem;
    for (int juiz = 1; juiz <= 3; ++juiz)
        for (int cor : {Vermelho, Azul})
            for (int g = 1; g <= 5; ++g)
                if (GrupoEmUso(ajustes_, g)) ordem.push_back(static_cast<int16_t>(BotaoDe(cor, g, juiz)));
    for (const int16_t k : ordem) {
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
