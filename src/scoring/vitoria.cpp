// Victory rules: a winner in the regular rounds, in the golden round, or a tie after it.
#include <cctype>

#include "app/vantor.h"

namespace vantor {

namespace {
std::string Maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
constexpr int kEmpate = 3;
}  // namespace

void Vantor::ChecaVitoria() {
    const Ajustes& a = ajustes_;
    EstadoLuta& l = luta_;
    const bool jaDecidida = l.LutaDecidida;
    l.LutaDecidida = false;
    int vencedor = 0;
    int como = 0;  // the language entry saying how it was won
    // Shown scores; computed wide so extreme counters cannot wrap.
    const long sAzul = static_cast<long>(l.PontosMarcados[Azul]) + l.Faltas[Vermelho];
    const long sVermelho = static_cast<long>(l.PontosMarcados[Vermelho]) + l.Faltas[Azul];

    if (l.RoundAtual <= a.Rounds) {
        // Each rule that holds overrides the ones before it, and with it how the fight was won.
        const auto vence = [&vencedor, &como](bool se, int quem, int porque) {
            if (se) vencedor = quem, como = porque;
        };
        vence(l.Faltas[Azul] >= a.LimiteFaltas, Vermelho, txt::PorFaltas);
        vence(l.Faltas[Vermelho] >= a.LimiteFaltas, Azul, txt::PorFaltas);
        if (a.Regra == regra::WtfAntiga) {
            const long gap = static_cast<long>(l.PontosMarcados[Azul]) - l.PontosMarcados[Vermelho];
            vence(gap > 12 && l.RoundAtual >= 3, Azul, txt::PorDiferenca);
            vence(-gap > 12 && l.RoundAtual >= 3, Vermelho, txt::PorDiferenca);
        } else if (a.Regra == regra::LimiteDiferenca) {
            vence(sAzul >= a.Limite, Azul, txt::PorLimite);
            vence(sVermelho >= a.Limite, Vermelho, txt::PorLimite);
            vence(sAzul - sVermelho >= a.Diferenca, Azul, txt::PorDiferenca);
            vence(sVermelho - sAzul >= a.Diferenca, Vermelho, txt::PorDiferenca);
        } else if (a.Regra == regra::Wtf2017) {
            vence(sAzul - sVermelho >= a.Diferenca && l.RoundAtual >= a.Rounds, Azul, txt::PorDiferenca);
            vence(sVermelho - sAzul >= a.Diferenca && l.RoundAtual >= a.Rounds, Vermelho, txt::PorDiferenca);
        }
    } else {
        // Inside a running golden round under the newer rules a lead of two is needed.
        const long m = (l.RoundAtual == a.Rounds + 1 && a.Regra >= regra::LimiteDiferenca && l.EmGolden) ? 1 : 0;
        // Past the last round and before any golden round, time ran out on a lead.
        como = l.EmGolden ? txt::NoGolden : txt::PorPontos;
        if (sAzul > sVermelho + m) vencedor = Azul;
        if (sVermelho > sAzul + m) vencedor = Vermelho;
        if (l.RoundAtual > a.Rounds + 1 && vencedor == 0) vencedor = kEmpate;
    }

    if (vencedor == 0) {
        l.ResultadoLogado = 0;
        return;
    }
    const bool empate = vencedor == kEmpate;
    const std::string msg = empate ? Traduz(txt::Empate) : Maiusculas(Traduz(vencedor));
    const uint32_t fundo = empate ? cor::Ciano : vencedor == Azul ? cor::Azul : cor::Vermelho;
    const uint32_t frente = empate ? cor::Vermelho : cor::Branco;
    // Logged and paused once per decision; again only when it changes or the operator has resumed the clock.
    if (vencedor != l.ResultadoLogado || !l.Pausado) {
        GravaLog(empate ? Traduz(txt::Empate) + "."
                        : LogTR() + Traduz(txt::Venceu) + ":" + Traduz(vencedor) + "." +
                              a.Nome[static_cast<size_t>(vencedor)]);
        Pausar(true, msg, fundo, frente);
        l.ResultadoLogado = static_cast<int16_t>(vencedor);
    } else {
        Mensagem(msg, fundo, frente);  // the result stays on the message line, over a "Pausa" from S
    }
    // The hall reads who won and how, not only the colour.
    if (empate) {
        MensagemPlateia(Traduz(txt::Empate));
    } else {
        const std::string& nome = a.Nome[static_cast<size_t>(vencedor)];
        MensagemPlateia((nome.empty() ? msg : nome) + "\r\n" + msg + ", " + Traduz(como));
    }
    l.LutaDecidida = true;
    if (!jaDecidida) TocaSom(2);
}

}  // namespace vantor
