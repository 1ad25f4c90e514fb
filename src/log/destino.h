// Where the fight log goes.
#pragma once

#include <string>

namespace vantor {

struct DestinoLog {
    std::string PastaLog;    // folder and file-name prefix of the logs; "" until the first line
    std::string ArquivoLog;  // the current fight's log; "" until the first reset
};

// Appends one line to a file as one write, so that it is in the file whole or not at all.
void AnexaLinha(const std::string& caminho, const std::string& linha);

}  // namespace vantor
