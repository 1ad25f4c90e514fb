// When the next tick of a fixed-rate timer is due. Deadlines are counted from the (re)start time,
// never from the previous tick, so lateness of one tick does not shift the ones after it.
#pragma once

#include <chrono>
#include <cstdint>

namespace vantor::ui {

class AgendaTicks {
public:
    using Relogio = std::chrono::steady_clock;
    using Instante = Relogio::time_point;
    using Duracao = std::chrono::nanoseconds;

    // Number of the next tick to fire, counting tick 1 as due at t0 + intervalo: the first one
    // still in the future at `agora`, and never one already fired (`ultimo` or earlier). A loop
    // that woke up late therefore skips the missed deadlines instead of firing them in a burst.
    static int64_t ProximoTick(Instante t0, Duracao intervalo, int64_t ultimo, Instante agora);

    // (Re)starts the count at `agora`: the first tick is due one interval later.
    void Inicia(Instante agora, Duracao intervalo);
    // Records that the due tick fired at `agora` and moves on to the next deadline.
    void Cumpre(Instante agora);

    Instante Prazo() const { return t0_ + intervalo_ * proximo_; }
    int64_t Proximo() const { return proximo_; }
    Duracao Intervalo() const { return intervalo_; }

private:
    Instante t0_{};
    Duracao intervalo_{std::chrono::seconds(1)};
    int64_t proximo_ = 1;
};

}  // namespace vantor::ui
