// The state of the running fight: scores, penalties, clock, round and flags. One plain value, so it can be
// copied, compared and saved whole; its phase is read from it in one place, `FaseDe`.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vantor {

struct EstadoLuta {
    bool LutaIniciada = false;
    int16_t TempoRestante = 0, RoundAtual = 0;
    int16_t ContaIntervalo = -1, ContaMinuto = -1;  // -1 while no rest or time-out runs
    // The round's clock held, by the operator or by a result (the saved fight writes it twice, as "Pausado" and
    // "PausaLigada").
    bool Pausado = false;
    bool LutaDecidida = false, EmGolden = false, MostraConfig = false;
    std::array<int16_t, 3> PontosMarcados{}, Faltas{};  // per corner
    std::array<bool, 3> MeiaFalta{};
    // The shown scores when the golden round began (it starts from nothing); they stay on the board beside it.
    std::array<int16_t, 3> PlacarRegular{};
    // The decision last written to the log (0 none, 1 blue, 2 red, 3 tie): a result is logged once, not at
    // every refresh while it stands.
    int16_t ResultadoLogado = 0;

    // ---- Best of three rounds: each round is won on its own ----
    struct RoundFeito {
        int16_t vencedor = 0, como = 0;  // the corner, and the language entry saying how
        int16_t azul = 0, vermelho = 0;  // the round's shown score
        bool operator==(const RoundFeito&) const = default;
    };
    std::vector<RoundFeito> RoundsFeitos;  // the rounds closed, in order
    // This round's points by the value that gave them (1..5; the operator's keys count as 1), for the tie-break.
    std::array<std::array<int16_t, 6>, 3> PontosPorValor{};
    bool TempoEsgotado = false;  // this round's clock ran out; the round stays current until the next begins
    int16_t Superioridade = 0;   // the corner the referee gave a level round to (0: not given)
    // The round's decision last logged (0 none, 1 blue, 2 red, 3 waiting for superiority), as `ResultadoLogado`.
    int16_t RoundLogado = 0;

    // ---- The referee's decision, under every rule system ----
    int16_t DecisaoPedida = 0;    // the reason (a language entry) whose winner the operator is asked for; 0: none
    int16_t VencedorArbitro = 0;  // the corner the referee declared the winner (0: none), and why
    int16_t MotivoArbitro = 0;

    // ---- Video review ----
    std::array<int16_t, 3> Cartoes{};  // review cards left, per corner
    int16_t RevisaoPedida = 0;         // the corner whose review waits for its outcome (0: none)

    bool operator==(const EstadoLuta&) const = default;
};

// What the fight is doing this second. The rest runs on over a result and a time-out can be called in it, so the
// phase is not kept beside the fields it would contradict: it is read from them, by this order of precedence.
enum class Fase : uint8_t {
    Aguardando,  // before Enter
    Intervalo,   // the rest counts down; the operator's Space waits for its end
    Minuto,      // the time-out counts down; the round's clock waits
    Decidida,    // a result stands and holds the clock
    Pausa,       // held by the operator
    Round,       // the round's clock counts down
};
Fase FaseDe(const EstadoLuta& l);

// What each phase lets happen, one row per phase.
struct Permite {
    Fase fase;
    bool teclasDaLuta;    // the operator's scoring, penalty, Space and time-out keys (else only Enter, F1, S)
    bool espaco;          // Space holds or resumes the round's clock
    bool abreJanela;      // a judge's press opens its two-second window (it is logged and lit in any phase)
    bool juizesPontuam;   // an agreement adds its points
    bool relogioDoRound;  // the tick counts the round's second
};
const Permite& PermiteEm(Fase f);

}  // namespace vantor
