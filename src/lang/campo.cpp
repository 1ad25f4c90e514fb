#include "lang/campo.h"

namespace vantor {

std::string Apara(const std::string& texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos) return "";
    const auto fim = texto.find_last_not_of(' ');
    return texto.substr(inicio, fim - inicio + 1);
}

std::string Campo(const std::string& texto, long n, const std::string& delimitador, long k) {
    if (delimitador.empty()) {
        if (n < 1 || static_cast<size_t>(n) > texto.size()) return "";
        const auto inicio = static_cast<size_t>(n - 1);
        return k <= 0 ? texto.substr(inicio) : texto.substr(inicio, static_cast<size_t>(k));
    }
    if (n < 1) return "";
    // Skip n - 1 delimiters to reach the start of the field.
    size_t inicio = 0;
    for (long contagem = 1; contagem < n; ++contagem) {
        const size_t achado = texto.find(delimitador, inicio);
        if (achado == std::string::npos) return "";
        inicio = achado + delimitador.size();
    }
    size_t fim = std::string::npos;
    if (k > 0) {
        size_t busca = inicio;
        for (long i = 0; i < k; ++i) {
            const size_t achado = texto.find(delimitador, busca);
            if (achado == std::string::npos) {
                fim = std::string::npos;
                break;
            }
            fim = achado;
            busca = achado + delimitador.size();
        }
    }
    const std::string campo = fim == std::string::npos ? texto.substr(inicio) : texto.substr(inicio, fim - inicio);
    return Apara(campo);
}

}  // namespace vantor
