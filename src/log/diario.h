// The running fight, saved whole after every change beside the logs, so that a crash, a kill or a power cut does
// not end it: the settings that shape it, its state, its log file, the moment it was saved, and the log lines the
// event that saved it had still to write (a line reaches its log only once a saved state holds it).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "log/momento.h"
#include "luta/estado.h"
#include "settings/ajustes.h"

namespace vantor {

constexpr const char* kArquivoDiario = "vantor-luta.estado";

struct LinhaPendente {
    std::string arquivo, linha;  // the line with its CR LF
    bool operator==(const LinhaPendente&) const = default;
};

struct Diario {
    Ajustes ajustes;
    EstadoLuta luta;
    std::string arquivoLog;
    Momento salvo;
    std::vector<LinhaPendente> pendentes;
    // Each file with pending lines and its size before them; the fight's log always.
    std::vector<std::pair<std::string, uint64_t>> tamanhos;
    bool pausaLigada = false;  // as read: the file's second copy of the pause, which must match the first
    std::string roundsFeitos;  // as read: the closed rounds, "corner/how/blue/red" joined by ";"
};

// A log's name after the folder's "LOG_" prefix: the reset's moment, then the bout's number when it has one
// ("2026-12-06_14-03-27_luta-12.txt"), so that a day's logs list in time and each says its bout. Characters a
// file name should not carry become '-'.
std::string NomeDoLog(const Momento& m, const std::string& numeroLuta);
// Whether `resto` is such a name and nothing else.
bool EhNomeDeLog(std::string_view resto);

std::string TextoDiario(const Diario& d);
// `corpo` closed by its checksum line, as the writer closes it.
std::string FechaDiario(const std::string& corpo);

// Reads a saved state. 0 when it is whole, ours, of this version and possible, with every file it names a log in
// `pastaLog` (the logs' folder and name prefix); otherwise the language entry of why it is not, and `d` is to be
// thrown away.
int LeDiario(const std::string& texto, const std::string& pastaLog, Diario& d);

// Whether the fight's log holds more than the state knows of (it was saved before lines that are in the log now):
// that state would bring back a board the log contradicts. A state that did not note the log's size passes.
bool LogPassouDe(const Diario& d);

// Writes the pending lines their files do not hold yet, in order: a line found at its place is not written again.
// Returns those the disk refused, to wait with the others.
std::vector<LinhaPendente> CompletaLog(const Diario& d);

}  // namespace vantor
