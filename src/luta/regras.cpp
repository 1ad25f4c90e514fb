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

Decisao Decide(const Ajustes& a, const EstadoLuta& l) {
    if (l.RoundAtual > a.Rounds) return DecideGolden(a, l);
    switch (a.Regra) {
        case regra::WtfAntiga: return DecideWtfAntiga(a, l);
        case regra::LimiteDiferenca: return DecideLimiteDiferenca(a, l);
        case regra::Wtf2017: return DecideWtf2017(a, l);
        default: return PorFaltas(a, l).d;  // an unknown system still has the penalty limit
    }
}

}  // namespace vantor
