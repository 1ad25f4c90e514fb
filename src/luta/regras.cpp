// Who won, and how, under each rule system.
#include "luta/regras.h"

#include "lang/idioma.h"

namespace vantor {

namespace {

// Shown scores, wide so that extreme counters cannot wrap.
long Mostrado(const EstadoLuta& l, int cor) {
    return static_cast<long>(l.PontosMarcados[static_cast<size_t>(cor)]) + l.Faltas[static_cast<size_t>(Oponente(cor))];
}

// The rules of a regular round, in order; a later one that holds overrides an earlier one.
struct Regular {
    Decisao d;
    void Vence(bool se, int quem, int como) {
        if (se) d = {quem, como};
    }
};

Regular PorFaltas(const Ajustes& a, const EstadoLuta& l) {
    Regular r;
    r.Vence(l.Faltas[Azul] >= a.LimiteFaltas, Vermelho, txt::PorFaltas);
    r.Vence(l.Faltas[Vermelho] >= a.LimiteFaltas, Azul, txt::PorFaltas);
    return r;
}

}  // namespace

Decisao DecideWtfAntiga(const Ajustes& a, const EstadoLuta& l) {
    Regular r = PorFaltas(a, l);
    // Points scored only, penalties left out.
    const long gap = static_cast<long>(l.PontosMarcados[Azul]) - l.PontosMarcados[Vermelho];
    r.Vence(gap > 12 && l.RoundAtual >= 3, Azul, txt::PorDiferenca);
    r.Vence(-gap > 12 && l.RoundAtual >= 3, Vermelho, txt::PorDiferenca);
    return r.d;
}

Decisao DecideLimiteDiferenca(const Ajustes& a, const EstadoLuta& l) {
    Regular r = PorFaltas(a, l);
    const long azul = Mostrado(l, Azul), vermelho = Mostrado(l, Vermelho);
    r.Vence(azul >= a.Limite, Azul, txt::PorLimite);
    r.Vence(vermelho >= a.Limite, Vermelho, txt::PorLimite);
    r.Vence(azul - vermelho >= a.Diferenca, Azul, txt::PorDiferenca);
    r.Vence(vermelho - azul >= a.Diferenca, Vermelho, txt::PorDiferenca);
    return r.d;
}

Decisao DecideWtf2017(const Ajustes& a, const EstadoLuta& l) {
    Regular r = PorFaltas(a, l);
    const long azul = Mostrado(l, Azul), vermelho = Mostrado(l, Vermelho);
    const bool ultimo = l.RoundAtual >= a.Rounds;
    r.Vence(azul - vermelho >= a.Diferenca && ultimo, Azul, txt::PorDiferenca);
    r.Vence(vermelho - azul >= a.Diferenca && ultimo, Vermelho, txt::PorDiferenca);
    return r.d;
}

Decisao DecideGolden(const Ajustes& a, const EstadoLuta& l) {
    const long azul = Mostrado(l, Azul), vermelho = Mostrado(l, Vermelho);
    // Inside a running golden round under the newer rules a lead of two is needed.
    const long m = (l.RoundAtual == a.Rounds + 1 && a.Regra >= regra::LimiteDiferenca && l.EmGolden) ? 1 : 0;
    // Past the last round and before any golden round, time ran out on a lead.
    const int como = l.EmGolden ? txt::NoGolden : txt::PorPontos;
    Decisao d;
    if (azul > vermelho + m) d = {Azul, como};
    if (vermelho > azul + m) d = {Vermelho, como};
    if (l.RoundAtual > a.Rounds + 1 && d.vencedor == 0) d = {kEmpate, como};
    return d;
}

DecisaoRound DecideRound(const Ajustes& a, const EstadoLuta& l) {
    DecisaoRound d;
    const auto vence = [&d](bool se, int quem, int como) {
        if (se) d = {quem, como, false};
    };
    const long azul = Mostrado(l, Azul), vermelho = Mostrado(l, Vermelho);
    if (l.TempoEsgotado) {
        // Level at the end: each step of the tie-break in turn, the first that parts them decides.
        const auto& v = l.PontosPorValor;
        struct Passo {
            long azul, vermelho;
            int como;
        };
        const Passo passos[] = {
            {static_cast<long>(v[Azul][4]) + v[Azul][5], static_cast<long>(v[Vermelho][4]) + v[Vermelho][5],
             txt::PorGiratorios},
            {v[Azul][5], v[Vermelho][5], txt::PorValor5},
            {v[Azul][4], v[Vermelho][4], txt::PorValor4},
            {v[Azul][3], v[Vermelho][3], txt::PorValor3},
            {v[Azul][2], v[Vermelho][2], txt::PorValor2},
            {v[Azul][1], v[Vermelho][1], txt::PorValor1},
            {l.Faltas[Vermelho], l.Faltas[Azul], txt::PorFaltasDoOponente},
        };
        if (azul != vermelho) {
            vence(true, azul > vermelho ? Azul : Vermelho, txt::PorPontos);
        } else {
            d.pendente = true;
            for (const Passo& p : passos) {
                if (p.azul == p.vermelho) continue;
                d = {p.azul > p.vermelho ? Azul : Vermelho, p.como, false};
                break;
            }
            if (d.pendente && l.Superioridade != 0) d = {l.Superioridade, txt::PorSuperioridade, false};
        }
    }
    // The round's own ends, at any moment, as in the regular rounds of the other systems: the penalties, then the
    // point gap (a later rule overrides).
    vence(l.Faltas[Azul] >= a.FaltasRound, Vermelho, txt::PorFaltas);
    vence(l.Faltas[Vermelho] >= a.FaltasRound, Azul, txt::PorFaltas);
    vence(azul - vermelho >= a.Diferenca, Azul, txt::PorDiferenca);
    vence(vermelho - azul >= a.Diferenca, Vermelho, txt::PorDiferenca);
    return d;
}

std::array<int, 3> RoundsGanhos(const Ajustes& a, const EstadoLuta& l) {
    std::array<int, 3> g{};
    for (const auto& r : l.RoundsFeitos) ++g[static_cast<size_t>(r.vencedor)];
    const int agora = DecideRound(a, l).vencedor;
    if (agora != 0) ++g[static_cast<size_t>(agora)];
    return g;
}

Decisao DecideWt2022(const Ajustes& a, const EstadoLuta& l) {
    const auto g = RoundsGanhos(a, l);
    const int maioria = a.Rounds / 2 + 1;
    Decisao d;
    if (g[Azul] >= maioria) d = {Azul, txt::PorRounds};
    if (g[Vermelho] >= maioria) d = {Vermelho, txt::PorRounds};
    return d;
}

Decisao Decide(const Ajustes& a, const EstadoLuta& l) {
    // The referee's word ends the bout, whatever the score.
    if (l.VencedorArbitro != 0) return {l.VencedorArbitro, l.MotivoArbitro};
    // No golden round: rounds follow until one corner has won the majority.
    if (a.Regra == regra::Wt2022) return DecideWt2022(a, l);
    if (l.RoundAtual > a.Rounds) return DecideGolden(a, l);
    switch (a.Regra) {
        case regra::WtfAntiga: return DecideWtfAntiga(a, l);
        case regra::LimiteDiferenca: return DecideLimiteDiferenca(a, l);
        case regra::Wtf2017: return DecideWtf2017(a, l);
        default: return PorFaltas(a, l).d;  // an unknown system still has the penalty limit
    }
}

}  // namespace vantor
