// Comma-separated text read and written.
#include "settings/csv.h"

#include <array>

namespace vantor {

namespace {

char Separador(std::string_view texto) {
    std::array<int, 3> conta{};
    constexpr std::array<char, 3> kSeparadores{',', ';', '\t'};
    bool aspas = false;
    for (char c : texto) {
        if (c == '"') aspas = !aspas;
        if (!aspas && (c == '\n' || c == '\r')) break;
        for (size_t i = 0; i < kSeparadores.size(); ++i) conta[i] += !aspas && c == kSeparadores[i];
    }
    size_t melhor = 0;
    for (size_t i = 1; i < conta.size(); ++i)
        if (conta[i] > conta[melhor]) melhor = i;
    return kSeparadores[melhor];
}

}  // namespace

LeituraCsv LeCsv(std::string_view texto) {
    LeituraCsv r;
    if (texto.starts_with("\xEF\xBB\xBF")) texto.remove_prefix(3);
    r.separador = Separador(texto);
    int linha = 1;
    size_t i = 0;
    while (i < texto.size()) {
        RegistroCsv reg{linha, {}};
        std::string campo;
        bool fimDoRegistro = false;
        while (!fimDoRegistro) {
            if (i < texto.size() && texto[i] == '"') {
                // A quoted field runs to the quote not doubled; what follows it up to the separator is kept as is.
                const int abertas = linha;
                ++i;
                for (;;) {
                    if (i >= texto.size()) {
                        r.aspasAbertas = abertas;
                        return r;
                    }
                    const char c = texto[i++];
                    if (c == '"') {
                        if (i < texto.size() && texto[i] == '"') {
                            campo += '"', ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i >= texto.size() || texto[i] != '\n'))) ++linha;
                    campo += c;
                }
            }
            while (i < texto.size() && texto[i] != r.separador && texto[i] != '\n' && texto[i] != '\r')
                campo += texto[i++];
            reg.campos.push_back(std::move(campo));
            campo.clear();
            if (i >= texto.size()) {
                fimDoRegistro = true;
            } else if (texto[i] == r.separador) {
                ++i;
            } else {
                i += texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n' ? 2 : 1;
                ++linha;
                fimDoRegistro = true;
            }
        }
        r.registros.push_back(std::move(reg));
    }
    return r;
}

size_t FimDoUtf8(std::string_view t) {
    for (size_t i = 0; i < t.size();) {
        const auto b = [&](size_t k) { return static_cast<unsigned char>(t[k]); };
        const unsigned c = b(i);
        size_t n = 0;
        unsigned minimo = 0, cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0)
            n = 1, minimo = 0x80, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0)
            n = 2, minimo = 0x800, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0)
            n = 3, minimo = 0x10000, cp = c & 0x07;
        else
            return i;
        for (size_t k = 1; k <= n; ++k) {
            if (i + k >= t.size() || (b(i + k) & 0xC0) != 0x80) return i;
            cp = (cp << 6) | (b(i + k) & 0x3F);
        }
        if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
        i += n + 1;
    }
    return std::string_view::npos;
}

std::string CortaUtf8(std::string s, size_t n) {
    size_t caracteres = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (++caracteres > n) {
            s.resize(i);
            break;
        }
    }
    return s;
}

std::string CampoCsv(std::string_view campo) {
    std::string s;
    if (!campo.empty() && (campo[0] == '=' || campo[0] == '+' || campo[0] == '-' || campo[0] == '@')) s = "'";
    s += campo;
    if (s.find_first_of(",;\t\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

}  // namespace vantor
