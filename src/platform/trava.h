// Latch for one controller input: the poll reads 20 times a second, and a press shorter than that
// must still show as pressed at one poll and released at the next.
#pragma once

namespace vantor {

class Trava {
public:
    // Transitions kept between two reads; past it the oldest press/release pair goes.
    static constexpr int kLimite = 32;

    // The input's new state, as the device reports it; a repeat of the present state is no transition.
    void Muda(bool estado) {
        if (estado == atual_) return;
        atual_ = estado;
        if (++pendentes_ > kLimite) pendentes_ -= 2;
    }

    // The state one read shows: the oldest transition not yet read, else the present state.
    bool Le() {
        if (pendentes_ == 0) return atual_;
        // The queued states alternate and the newest is the present one, so the count says which is oldest.
        const bool estado = (pendentes_ % 2 == 1) ? atual_ : !atual_;
        --pendentes_;
        return estado;
    }

private:
    bool atual_ = false;
    int pendentes_ = 0;
};

}  // namespace vantor
