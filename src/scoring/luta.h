// The state of the running fight: scores, penalties, clock, round and flags. One plain value, so it can be
// copied, compared and saved whole.
#pragma once

#include <array>
#include <cstdint>

namespace vantor {

struct EstadoLuta {
    bool LutaIniciada = false;
    int16_t TempoRestante = 0, RoundAtual = 0;
    int16_t ContaIntervalo = -1, ContaMinuto = -1;  // -1 while no rest or time-out runs
    bool Pausado = false, PausaLigada = false, LutaDecidida = false, EmGolden = false, MostraConfig = false;
    std::array<int16_t, 3> PontosMarcados{}, Faltas{};  // per corner
    std::array<bool, 3> MeiaFalta{};
    // The shown scores when the golden round began (it starts from nothing); they stay on the board beside it.
    std::array<int16_t, 3> PlacarRegular{};
    // The decision last written to the log (0 none, 1 blue, 2 red, 3 tie): a result is logged once, not at
    // every refresh while it stands.
    int16_t ResultadoLogado = 0;

    bool operator==(const EstadoLuta&) const = default;
};

}  // namespace vantor
