// Victory rules: a winner in the regular rounds, in the golden round, or a tie after it.
#include <cctype>

#include "app/vantor.h"

namespace vantor {

namespace {
std::string Maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

void Vantor::ChecaVitoria() {
    const Ajustes& a = ajustes_;
    EstadoLuta& l = luta_;
    const bool jaDecidida = l.LutaDecidida;
    l.LutaDecidida = false;
    int vencedor = 0;
    // Shown scores; computed wide so extreme counters cannot wrap.
    const long sAzul = static_cast<long>(l.PontosMarcados[Azul]) + l.Faltas[Vermelho];
    const long sVermelho = static_cast<long>(l.PontosMarcados[Vermelho]) + l.Faltas[Azul];

    if (l.RoundAtual <= a.Rounds) {
        if (l.Faltas[Azul] >= a.LimiteFaltas) vencedor = Vermelho;
        if (l.Faltas[Vermelho] >= a.LimiteFaltas) vencedor = Azul;
        if (a.Regra == regra::WtfAntiga) {
            const long gap = static_cast<long>(l.PontosMarcados[Azul]) - l.PontosMarcados[Vermelho];
            if (gap > 12 && l.RoundAtual >= 3) vencedor = Azul;
            if (-gap > 12 && l.RoundAtual >= 3) vencedor = Vermelho;
        } else if (a.Regra == regra::LimiteDiferenca) {
            if (sAzul >= a.Limite) vencedor = Azul;
            if (sVermelho >= a.Limite) vencedor = Vermelho;
            if (sAzul - sVermelho >= a.Diferenca) vencedor = Azul;
            if (sVermelho - sAzul >= a.Diferenca) vencedor = Vermelho;
        } else if (a.Regra == regra::Wtf2017) {
            if (sAzul - sVermelho >= a.Diferenca && l.RoundAtual >= a.Rounds) vencedor = Azul;
            if (sVermelho - sAzul >= a.Diferenca && l.RoundAtual >= a.Rounds) vencedor = Vermelho;
        }
    } else {
        // Inside a running golden round under the newer rules a lead of two is needed.
        const long m = (l.RoundAtual == a.Rounds + 1 && a.Regra >= regra::LimiteDiferenca && l.EmGolden) ? 1 : 0;
        if (sAzul > sVermelho + m) vencedor = Azul;
        if (sVermelho > sAzul + m) vencedor = Vermelho;
        if (l.RoundAtual > a.Rounds + 1 && vencedor == 0) {
            GravaLog(Traduz(txt::Empate) + ".");
            Pausar(true, Traduz(txt::Empate), cor::Ciano, cor::Vermelho);
            l.LutaDecidida = true;
            if (!jaDecidida) TocaSom(2);
        }
    }

    if (vencedor == Azul || vencedor == Vermelho) {
        GravaLog(LogTR() + Traduz(txt::Venceu) + ":" + Traduz(vencedor) + "." + a.Nome[static_cast<size_t>(vencedor)]);
        const uint32_t fundo = vencedor == Azul ? cor::Azul : cor::Vermelho;
        Pausar(true, Maiusculas(Traduz(vencedor)), fundo, cor::Branco);
        l.LutaDecidida = true;
        if (!jaDecidida) TocaSom(2);
    }
}

}  // namespace vantor
