// The three judges' controllers as the benchmarks wire them: each gives six inputs (buttons 1..4,
// then the stick right and the stick down), judge j in slot j, and a button map file that makes
// those inputs the judge's six scoring buttons.
#pragma once

#include <string>

#include "controllers/entradas.h"

namespace vantor::bench {

constexpr int kJuizes = 3;
constexpr int kEntradas = 6;

// The button map's position of input `e` of the controller in `slot`: buttons 1..4, then the stick right and down.
inline int Posicao(int slot, int e) { return entrada::Posicao(slot, e < 4 ? e : e == 4 ? 9 : 10); }

// Judge j's inputs score red 1, 2, 3 then blue 1, 2, 3; buttons 1..9 are red, 10..18 blue.
inline int BotaoDe(int juiz, int entrada) { return (entrada < 3 ? 1 : 10) + juiz + 3 * (entrada % 3); }

// Contents of botoes.cfg for that wiring: 257 little-endian 16-bit entries, position -> button.
inline std::string MapaDeBotoes() {
    std::string bytes(514, '\0');
    for (int j = 0; j < kJuizes; ++j)
        for (int e = 0; e < kEntradas; ++e)
            bytes[2 * static_cast<size_t>(Posicao(j, e))] = static_cast<char>(BotaoDe(j, e));
    return bytes;
}

}  // namespace vantor::bench
