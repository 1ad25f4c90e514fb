// Small number formats shared by the clock, the refresh and the log.
#pragma once

#include <cstdio>
#include <string>

namespace vantor {

// At least two digits: 5 gives "05", 0 gives "00".
inline std::string DoisDigitos(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// Seconds as the clock shows them: 75 gives "1:15".
inline std::string MinSeg(int segundos) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d:%02d", segundos / 60, segundos % 60);
    return buf;
}

}  // namespace vantor
