// 16-bit counters that stop at their bounds instead of wrapping round.
#pragma once

#include <cstdint>

namespace vantor {

inline int16_t SomaSatura(int16_t a, int b) {
    const long r = static_cast<long>(a) + b;
    if (r > INT16_MAX) return INT16_MAX;
    if (r < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(r);
}

// One penalty step, up (`mais`) or down, whole or half (`meioPasso`; `meia` is the pending half), within 0 and
// `limite`. The board takes it, and the log reader replays it, so a scoresheet can never count otherwise.
inline void PassoDeFalta(int16_t& faltas, bool& meia, bool mais, bool meioPasso, int16_t limite) {
    if (!meioPasso) {
        if (mais) {
            faltas = SomaSatura(faltas, 1);
            if (faltas >= limite) faltas = limite;
        } else {
            faltas = SomaSatura(faltas, -1);
            if (faltas < 0) faltas = 0;
        }
    } else if (mais) {
        if (meia) faltas = SomaSatura(faltas, 1);
        meia = !meia;
        if (faltas >= limite) {
            faltas = limite;
            meia = false;
        }
    } else {
        if (!meia) faltas = SomaSatura(faltas, -1);
        if (faltas >= 0)
            meia = !meia;
        else
            faltas = 0;
    }
}

}  // namespace vantor
