// Readers shared by the settings file and the configuration dialog.
#pragma once

#include <string>

namespace vantor {

// Value of `chave` in `texto`: the first place, anywhere and in any letter case, where the key is
// followed by the separator; the rest of that line, trimmed. "" when the key is absent.
std::string ValorChave(const std::string& texto, const std::string& chave, const std::string& separador,
                       const std::string& delimitador);

}  // namespace vantor
