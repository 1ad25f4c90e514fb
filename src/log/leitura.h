// A fight log read back for the printed scoresheet: the fights it holds, each event with the score after it, and
// the stretches of running rounds, rests, pauses, time-outs and golden round along the fight's time.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct EventoLog {
    enum Tipo { Outro, Aperto, Acordo, Ponto, Falta, Resultado };
    double t = 0;                  // seconds from the fight's start line (below zero before it)
    int round = 0, restante = -1;  // the clock the line gives; -1: none given
    std::string texto;             // as logged, without the clock's prefix, tabs as blanks
    Tipo tipo = Outro;
    std::array<long, 3> placar{};  // the shown scores after it, blue at 1 and red at 2
};

struct TrechoLog {
    enum Faixa { Round, Intervalo, Pausa, Minuto, Golden };
    double de = 0, ate = 0;
    Faixa faixa = Round;
    int round = 0;
};

// Best of three: a round's decision as the log gives it, and the score it stood at.
struct RoundLog {
    int round = 0, vencedor = 0;
    std::string como;
    std::array<long, 3> placar{};
};

struct LutaLog {
    int lingua = 0;
    std::string inicio;  // the start line's time stamp, as written
    std::array<std::string, 3> nome, l2;
    int rounds = 0, tempo = 0, intervalo = 0, arbitros = 0;
    int roundInicial = 1, tempoInicial = -1;  // where the start line put the clock; -1: not given
    bool temRegras = false;                   // logs written before the rules were recorded have none
    int regra = 0, limite = 0, diferenca = 0, faltasRound = 0;
    int vencedor = 0;  // 0 none, 1 blue, 2 red, 3 tie
    int como = 0;      // language entry for how the result came; 0 when the log cannot tell
    int roundResultado = 0, restanteResultado = -1;
    bool placarMudou = false;  // points or penalties changed after the last result
    std::vector<EventoLog> eventos;
    std::vector<TrechoLog> trechos;
    std::vector<RoundLog> roundsLidos;  // best of three: each round's last decision, in order
    double fim = 0;
    std::string fimResultado;  // the last result line's time stamp, as written
    // The bout in the day's record, when the log gives it.
    std::string numero, categoria, evento, quadra, arbitro, juizes;
};

struct LeituraLog {
    std::vector<LutaLog> lutas;
    int erro = 0;     // language entry of why the log cannot be read; 0 when it was read
    int linha = 0;    // the line at fault, when one is
    int lingua = -1;  // the language of the log where it showed one
};

// Reads a whole log file's bytes. Nothing half-read comes back: a log that is empty, is not one of ours, ends in the
// middle of a line, mixes languages within a fight or holds no started fight gives `erro` and no fights.
LeituraLog LeLog(const std::string& conteudo);

// Seconds into the day of a log line's time stamp, whatever the locale wrote (a twelve-hour clock's afternoon reads
// as its morning); -1 when it has no time.
double SegundosDoCarimbo(std::string_view carimbo);

// The clock of a log line's time stamp, as the locale wrote it, without the date and the hundredths:
// "06/12/2026 14:03:27,45" gives "14:03:27", "12/6/2026 2:03:27.45 PM" gives "2:03:27 PM"; "" when it has none.
std::string HoraDoCarimbo(const std::string& carimbo);

// Whether a log line (its time stamp, tab and text; its line end or none) gives a fight's result, in any language.
bool LinhaDeResultado(const std::string& linha);

// The fight's number in its day: its place among the logs of the same date in its folder that hold a started fight.
// 0 when the file's name is not a log's.
int NumeroDaLuta(const std::string& caminho);

}  // namespace vantor
