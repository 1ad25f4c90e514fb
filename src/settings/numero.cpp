#include "settings/numero.h"

#include <cmath>

namespace vantor {

double ValTexto(const std::string& texto) {
    // Digits are accumulated as text so that long inputs lose precision the usual way, not overflow.
    std::string numero;
    bool temSinal = false, temDigito = false, temPonto = false;
    for (char c : texto) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        if ((c == '+' || c == '-') && !temSinal && !temDigito && !temPonto) {
            temSinal = true;
            if (c == '-') numero += '-';
            continue;
        }
        if (c >= '0' && c <= '9') {
            temDigito = true;
            numero += c;
            continue;
        }
        if (c == '.' && !temPonto) {
            temPonto = true;
            numero += c;
            continue;
        }
        break;
    }
    if (!temDigito) return 0.0;
    const double v = std::strtod(numero.c_str(), nullptr);
    return std::isfinite(v) ? v : (v > 0 ? 1e308 : -1e308);
}

int16_t Inteiro16(double valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= 32767.0) return 32767;
    if (valor <= -32768.0) return -32768;
    const double r = std::nearbyint(valor);  // default rounding mode: halves to even
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return static_cast<int16_t>(r);
}

}  // namespace vantor
