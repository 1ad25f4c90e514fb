#include "ui/agenda_ticks.h"

#include <algorithm>

namespace vantor::ui {

int64_t AgendaTicks::ProximoTick(Instante t0, Duracao intervalo, int64_t ultimo, Instante agora) {
    if (intervalo <= Duracao::zero()) return ultimo + 1;
    // Deadlines passed so far; the next one is the first after them.
    const int64_t passados = agora > t0 ? (agora - t0) / intervalo : 0;
    return std::max(ultimo + 1, passados + 1);
}

void AgendaTicks::Inicia(Instante agora, Duracao intervalo) {
    t0_ = agora;
    intervalo_ = intervalo;
    proximo_ = 1;
}

void AgendaTicks::Cumpre(Instante agora) { proximo_ = ProximoTick(t0_, intervalo_, proximo_, agora); }

}  // namespace vantor::ui
