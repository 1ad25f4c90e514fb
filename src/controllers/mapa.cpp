// The button map: which controller input is which judge's scoring button, by default and as its file holds it.
#include <iterator>

#include "controllers/juizes.h"
#include "settings/arquivos.h"

namespace vantor {

namespace {

// Positions 1..47 of the map a fresh installation starts with.
constexpr int16_t kMapaPadrao[48] = {0, 12, 9, 10, 15, 16, 13, 14, 10, 16, 13, 1,  1, 7, 5, 2,
                                     3, 4,  1, 2,  7,  15, 5,  6,  11, 17, 14, 18, 1, 8, 4, 1,
                                     0, 0,  0, 0,  0,  0,  0,  0,  0,  0,  0,  0,  6, 9, 3, 12};

}  // namespace

void Juizes::MapaPadrao() {
    MascaraBotao.fill(0);
    for (int k = 1; k <= kBotoes; ++k) MascaraBotao[static_cast<size_t>(k)] = int32_t{1} << (k - 1);
    for (size_t p = 1; p <= 256; ++p) MapaBotoes[p] = p < std::size(kMapaPadrao) ? kMapaPadrao[p] : 0;
}

bool Juizes::MapaDeBytes(const std::string& dados) {
    // A short file is a broken one: better the default map than half of an old one.
    if (dados.size() < kTamanhoArquivo) return false;
    const auto entrada = [&dados](size_t inicio, size_t p) {
        const auto lo = static_cast<uint8_t>(dados[inicio + 2 * p]);
        const auto hi = static_cast<uint8_t>(dados[inicio + 2 * p + 1]);
        return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    };
    const size_t extra = kTamanhoArquivo + kMarcaExtra.size();
    const bool temExtra = dados.size() >= extra + kTamanhoArquivo &&
                          std::string_view(dados).substr(kTamanhoArquivo, kMarcaExtra.size()) == kMarcaExtra;
    for (size_t p = 0; p <= 256; ++p) {
        const int16_t valor = entrada(0, p);
        MapaBotoes[p] = (valor >= 0 && valor <= kBotoesAntigos) ? valor : 0;
        const int16_t outro = temExtra ? entrada(extra, p) : int16_t{0};
        if (MapaBotoes[p] == 0 && outro > kBotoesAntigos && outro <= kBotoes) MapaBotoes[p] = outro;
    }
    return true;
}

std::string Juizes::MapaEmBytes() const {
    std::string dados(kTamanhoArquivo, '\0'), extra(kTamanhoArquivo, '\0');
    bool temExtra = false;
    for (size_t p = 0; p <= 256; ++p) {
        const bool novo = MapaBotoes[p] > kBotoesAntigos;
        temExtra |= novo;
        std::string& d = novo ? extra : dados;
        const auto v = static_cast<uint16_t>(MapaBotoes[p]);
        d[2 * p] = static_cast<char>(v & 0xFF);
        d[2 * p + 1] = static_cast<char>(v >> 8);
    }
    return temExtra ? dados + std::string(kMarcaExtra) + extra : dados;
}

}  // namespace vantor
