// The fight's phases and what each one lets happen.
#include <array>
#include <cstddef>

#include "luta/estado.h"

namespace vantor {

Fase FaseDe(const EstadoLuta& l) {
    if (!l.LutaIniciada) return Fase::Aguardando;
    if (l.ContaIntervalo >= 0) return Fase::Intervalo;
    if (l.ContaMinuto >= 0) return Fase::Minuto;
    if (l.LutaDecidida) return Fase::Decidida;
    return l.Pausado ? Fase::Pausa : Fase::Round;
}

namespace {
// clang-format off
constexpr std::array<Permite, 6> kPermite = {{
    // phase             fight keys  Space  window opens  judges score  round clock
    {Fase::Aguardando,   false,      false, false,        false,        false},
    {Fase::Intervalo,    true,       false, false,        false,        false},
    {Fase::Minuto,       true,       true,  true,         true,         false},
    {Fase::Decidida,     true,       true,  true,         false,        false},
    {Fase::Pausa,        true,       true,  true,         false,        false},
    {Fase::Round,        true,       true,  true,         true,         true},
}};
// clang-format on
}  // namespace

const Permite& PermiteEm(Fase f) { return kPermite[static_cast<std::size_t>(f)]; }

}  // namespace vantor
