// The rules that decide a fight, one pure function per rule system: settings and state in, the decision out. They
// write nothing, hold nothing and play nothing; the fight (luta.h) acts on what they say.
#pragma once

#include <array>
#include <cstdint>

#include "luta/estado.h"
#include "settings/ajustes.h"

namespace vantor {

constexpr int kEmpate = 3;  // beside Azul (1) and Vermelho (2) as a decision's `vencedor`

struct Decisao {
    int vencedor = 0;  // 0 none, Azul, Vermelho or kEmpate
    int como = 0;      // the language entry saying how (txt::PorFaltas, PorLimite, PorDiferenca, PorPontos, NoGolden)
    bool operator==(const Decisao&) const = default;
};

// In a regular round. Each rule that holds overrides those before it: the penalty limit first, then the system's.
Decisao DecideWtfAntiga(const Ajustes& a, const EstadoLuta& l);        // a gap of more than 12 from round 3
Decisao DecideLimiteDiferenca(const Ajustes& a, const EstadoLuta& l);  // a limit, then a difference
Decisao DecideWtf2017(const Ajustes& a, const EstadoLuta& l);          // a difference in the last round
// Past the regular rounds, under every system: a lead wins (two inside a running golden round under the newer
// rules); a tie once the golden round's time is out.
Decisao DecideGolden(const Ajustes& a, const EstadoLuta& l);

// Best of three rounds. The current round: five penalties or the point gap end it at once; when its time is out,
// the lead, then the tie-break (points of turning kicks, of each value from the highest, from the opponent's
// penalties), then the referee's superiority. `pendente`: level to the end, only the referee can decide.
struct DecisaoRound {
    int vencedor = 0;  // 0 none, Azul or Vermelho
    int como = 0;      // the language entry saying how
    bool pendente = false;
    bool operator==(const DecisaoRound&) const = default;
};
DecisaoRound DecideRound(const Ajustes& a, const EstadoLuta& l);
// Rounds won by each corner (index 1 blue, 2 red): the closed ones and, once decided, the current one.
std::array<int, 3> RoundsGanhos(const Ajustes& a, const EstadoLuta& l);
// The bout: the first corner to win a majority of `Rounds` (two of three).
Decisao DecideWt2022(const Ajustes& a, const EstadoLuta& l);

// The one the settings name, for the round the fight is in.
Decisao Decide(const Ajustes& a, const EstadoLuta& l);

}  // namespace vantor
