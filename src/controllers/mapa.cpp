// The button map: which controller input is which judge's scoring button, its file, and the
// assignment mode that rebuilds it lamp by lamp.
#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

namespace {

constexpr size_t kTamanhoArquivo = 514;  // 257 little-endian 16-bit entries

// Positions 1..47 of the map a fresh installation starts with.
constexpr int16_t kMapaPadrao[48] = {0, 12, 9, 10, 15, 16, 13, 14, 10, 16, 13, 1,  1, 7, 5, 2,
                                     3, 4,  1, 2,  7,  15, 5,  6,  11, 17, 14, 18, 1, 8, 4, 1,
                                     0, 0,  0, 0,  0,  0,  0,  0,  0,  0,  0,  0,  6, 9, 3, 12};

}  // namespace

void Vantor::PreparaBotoes() {
    juizes_.MascaraBotao.fill(0);
    for (int k = 1; k <= 18; ++k) juizes_.MascaraBotao[static_cast<size_t>(k)] = int32_t{1} << (k - 1);
    for (size_t p = 1; p <= 256; ++p) juizes_.MapaBotoes[p] = p < std::size(kMapaPadrao) ? kMapaPadrao[p] : 0;
    for (int k = 1; k <= 18; ++k) {
        const int base = k <= 9 ? k - 1 : k - 10;
        juizes_.DescricaoBotao[static_cast<size_t>(k)] = "Juiz " + std::to_string(base % 3 + 1) + " - " +
                                                         Traduz(k <= 9 ? txt::Vermelho : txt::Azul) + " botao " +
                                                         std::to_string(base / 3 + 1);
    }
    LeBotoes();
}

bool Juizes::MapaDeBytes(const std::string& dados) {
    // A short file is a broken one: better the default map than half of an old one.
    if (dados.size() < kTamanhoArquivo) return false;
    for (size_t p = 0; p <= 256; ++p) {
        const auto lo = static_cast<uint8_t>(dados[2 * p]);
        const auto hi = static_cast<uint8_t>(dados[2 * p + 1]);
        const auto valor = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
        MapaBotoes[p] = (valor >= 0 && valor <= 18) ? valor : 0;
    }
    return true;
}

std::string Juizes::MapaEmBytes() const {
    std::string dados(kTamanhoArquivo, '\0');
    for (size_t p = 0; p <= 256; ++p) {
        const auto v = static_cast<uint16_t>(MapaBotoes[p]);
        dados[2 * p] = static_cast<char>(v & 0xFF);
        dados[2 * p + 1] = static_cast<char>(v >> 8);
    }
    return dados;
}

bool Vantor::LeBotoes() { return juizes_.MapaDeBytes(LeArquivo(CaminhoBotoes())); }

bool Vantor::GravaBotoes() {
    std::string dados = juizes_.MapaEmBytes();
    // Bytes beyond the map in an existing longer file are kept as they were.
    const std::string caminho = CaminhoBotoes();
    const std::string antigo = LeArquivo(caminho);
    if (antigo.size() > kTamanhoArquivo) dados += antigo.substr(kTamanhoArquivo);
    if (Instalado()) CriaPastas(PastaXdg(false));
    return GravaArquivo(caminho, dados);
}

bool Vantor::ConfiguraBotoes() {
    if (plat.joyGetNumDevs() <= 0 || plat.ControlesConectados() <= 0) {
        plat.Avisa(Traduz(txt::NenhumControle), kTitulo);
        juizes_.Configurando_b = 0;  // withdrawn, so the message does not come back at every closing of the dialog
        return true;
    }
    Mensagem(Traduz(txt::ConfigurandoBotoes), cor::Branco, cor::Preto);
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
            if (!plat.EsperaEventos()) {
                // The window is gone: nothing is written, the map stays as far as it got.
                juizes_.BotaoCapturado = 0;
                return false;
            }
        }
        juizes_.MapaBotoes[static_cast<size_t>(juizes_.BotaoCapturado)] = k;
    }
    if (GravaBotoes()) {
        GravaLog(Traduz(txt::BotoesConfigurados));
    } else {
        // The map works for this run only: the operator must know the next start will not have it.
        GravaLog(Traduz(txt::MapaNaoGravado));
        plat.Avisa(Traduz(txt::MapaNaoGravado), kTitulo);
    }
    return true;
}

}  // namespace vantor
