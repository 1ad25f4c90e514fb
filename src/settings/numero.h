// The text-to-number rule used wherever a number is read from text.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// Leading number of `texto`: blanks, tabs and line feeds ignored anywhere, optional sign, digits
// with "." as the decimal point whatever the locale; no number gives 0.
double ValTexto(const std::string& texto);

// Nearest 16-bit integer, halves to the even neighbour, clamped to -32768..32767.
int16_t Inteiro16(double valor);

}  // namespace vantor
