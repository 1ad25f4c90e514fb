// The day's results: one row per decided bout, read from the logs with the scoresheet's reader, so that the file
// can always be built again from the logs alone and says what they say, byte for byte.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "log/leitura.h"

namespace vantor {

// The usual abbreviation of how a bout was won (PTF, PTG, GDP, SUP, RSC, WDR, DSQ, PUN), by the language entry
// that says how; "" when it has none.
std::string CodigoDoResultado(int como);

// "resultados_2026-12-06.csv" for the logs of that day.
std::string NomeResultados(const std::string& dia);
// The day of a log by its file name ("LOG_2026-12-06_14-03-27....txt" gives "2026-12-06"); "" for another name.
std::string DiaDoLog(const std::string& caminho);

// The row of the last decided fight a log holds, as CSV text; `chave` is its bout number, or the log's name when
// it has none. Nothing when the log holds no decided fight or cannot be read.
struct LinhaResultado {
    std::string chave, csv;
    std::string numero;  // the bout's number, "" for a bout typed in the dialog
    // When the bout began: its log's moment to the second, then its start line's hundredths.
    std::string momento;
    double inicio = 0;
    bool operator==(const LinhaResultado&) const = default;
};
std::optional<LinhaResultado> ResultadoDoLog(const LeituraLog& leitura, const std::string& nomeLog);

// The file's text from each log's row, one row per bout: by bout number (numbers as numbers), then the bouts
// without one in the order they began. A bout fought again has the row of its later log.
std::string TextoResultados(const std::map<std::string, std::optional<LinhaResultado>>& porLog);

// Every log in `pasta` (of the day `dia`, or all of them when ""), read and made into the file's text.
std::string ResultadosDaPasta(const std::string& pasta, const std::string& dia = "");

// Keeps each day's results file beside the logs in step with them, written whole through a temporary file.
class Resultados {
public:
    // Re-reads one log whose lines have just reached it; its day's file is written again when its text changed
    // (the day's other logs are read the first time that day is met).
    void Atualiza(const std::string& caminhoLog);

private:
    struct Dia {
        std::map<std::string, std::optional<LinhaResultado>> porLog;
        std::string escrito;  // the text the file last took
    };
    std::map<std::string, Dia> dias_;  // by the logs' folder and day
};

}  // namespace vantor
