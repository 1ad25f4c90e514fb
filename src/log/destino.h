// Where the log goes, and the lines that could not go yet.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "log/diario.h"

namespace vantor {

struct DestinoLog {
    std::string PastaLog;    // folder and file-name prefix of the logs; "" until the first line
    std::string ArquivoLog;  // the current fight's log; "" until the first reset
    // The lines of the event under way, handed to the disk's worker when it ends; those the worker holds and a
    // refusing disk keeps waiting are its own.
    std::vector<LinhaPendente> novas;
    size_t perdidas = 0;  // lines beyond what the queue holds, lost; said in the log once writing resumes
    // The fight as last handed over, to hand it over again only on a change.
    bool guardado = false;
    Ajustes ajustesGuardados;
    EstadoLuta lutaGuardada;
    std::string arquivoGuardado;
};

// How many lines a failing disk may leave waiting: a long day's worth.
constexpr size_t kFilaMaxima = 200000;

// Appends lines to a file in order, each in one write so that it is in the file whole or not at all, and syncs
// them; returns how many are in the file.
size_t EscreveLinhas(const std::string& caminho, const std::vector<std::string>& linhas);

}  // namespace vantor
