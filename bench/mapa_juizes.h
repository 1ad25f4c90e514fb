// The three judges' controllers as the benchmarks wire them: each gives six inputs (buttons 1..4,
// then the stick right and the stick down), judge j in slot j, and a button map file that makes
// those inputs the judge's six scoring buttons.
#pragma once

#include <string>

namespace vantor::bench {

constexpr int kJuizes = 3;
constexpr int kEntradas = 6;

// Where an input of the controller in `slot` lands in the poll's state text (1-based), as the button
// map counts it: button n is bit n-1 of the slot's word, the stick right bit 9, the stick down bit 10.
inline int Posicao(int slot, int entrada) {
    if (entrada < 4) return 16 * slot + 16 - entrada;
    return 16 * slot + (entrada == 4 ? 7 : 6);
}

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
