// Named models of a bout's settings, in a plain file an organiser can edit: "[name]" opens a model, "Key=value"
// lines give its settings, '#' or ';' begin a comment. The file that comes with the program is read first and the
// user's own after it, so a model of the same name there replaces the shipped one.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/ajustes.h"

namespace vantor {

constexpr const char* kArquivoModelos = "modelos.ini";

struct Modelo {
    std::string nome;
    std::vector<std::pair<std::string, std::string>> valores;  // as written, in order
};

struct Modelos {
    std::vector<Modelo> lista;
    std::vector<std::string> avisos;  // "file:line: what is wrong", for whoever can show them

    // The model of this name, whatever its case; null when there is none.
    const Modelo* Acha(const std::string& nome) const;
    // Reads one file's text (`origem` names it in the warnings). A line that is not understood is left out with a
    // warning, never the whole file.
    void Le(const std::string& texto, const std::string& origem);
};

// The model's settings put into `a`, then made sound (`Saneia`). A key or value the program does not know is left
// out, with a warning in `avisos` when given.
void AplicaModelo(const Modelo& m, Ajustes& a, std::vector<std::string>* avisos = nullptr);

// The models of the program in the folder `programa`: the shipped file (beside it, or in ../share/vantor once
// installed), then the user's (beside the settings file, when that is another folder).
Modelos ModelosDe(const std::string& programa, const std::function<std::string(const std::string&)>& ambiente);

}  // namespace vantor
