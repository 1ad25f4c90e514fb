// The general field splitter of the language table and the settings reader.
#pragma once

#include <string>

namespace vantor {

// Field `n` (from 1) of `texto`, spanning `k` fields (0: to the end), split at `delimitador`,
// trimmed of spaces. With an empty delimiter: the substring at character `n` of length `k`.
std::string Campo(const std::string& texto, long n, const std::string& delimitador, long k);

// `texto` without leading and trailing spaces.
std::string Apara(const std::string& texto);

}  // namespace vantor
