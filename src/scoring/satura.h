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

}  // namespace vantor
