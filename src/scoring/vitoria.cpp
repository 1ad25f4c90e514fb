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
    const bool jaDecidida = LutaDecidida;
    LutaDecidida = false;
    int vencedor = 0;
    // Shown scores; computed wide so extreme counters cannot wrap.
    const long s1 = static_cast<long>(PontosMarcados[1]) + Faltas[2];
    const long s2 = static_cast<long>(PontosMarcados[2]) + Faltas[1];

    if (RoundAtual <= Rounds) {
        if (Faltas[1] >= LimiteFaltas) vencedor = 2;
        if (Faltas[2] >= LimiteFaltas) vencedor = 1;
        if (Regra == 0) {
            const long gap = static_cast<long>(PontosMarcados[1]) - PontosMarcados[2];
            if (gap > 12 && RoundAtual >= 3) vencedor = 1;
            if (-gap > 12 && RoundAtual >= 3) vencedor = 2;
        } else if (Regra == 1) {
            if (s1 >= Limite) vencedor = 1;
            if (s2 >= Limite) vencedor = 2;
            if (s1 - s2 >= Diferenca) vencedor = 1;
            if (s2 - s1 >= Diferenca) vencedor = 2;
        } else if (Regra == 2) {
            if (s1 - s2 >= Diferenca && RoundAtual >= Rounds) vencedor = 1;
            if (s2 - s1 >= Diferenca && RoundAtual >= Rounds) vencedor = 2;
        }
    } else {
        // Inside a running golden round under the newer rules a lead of two is needed.
        const long m = (RoundAtual == Rounds + 1 && Regra >= 1 && EmGolden) ? 1 : 0;
        if (s1 > s2 + m) vencedor = 1;
        if (s2 > s1 + m) vencedor = 2;
        if (RoundAtual > Rounds + 1 && vencedor == 0) {
            GravaLog(Traduz(19) + ".");
            Pausar(true, Traduz(19), RGB(0, 255, 255), RGB(255, 0, 0));
            LutaDecidida = true;
            if (!jaDecidida) TocaSom(2);
        }
    }

    if (vencedor == 1 || vencedor == 2) {
        GravaLog(LogTR() + Traduz(34) + ":" + Traduz(vencedor) + "." + Nome[static_cast<size_t>(vencedor)]);
        const uint32_t fundo = vencedor == 1 ? RGB(0, 0, 255) : RGB(255, 0, 0);
        Pausar(true, Maiusculas(Traduz(vencedor)), fundo, RGB(255, 255, 255));
        LutaDecidida = true;
        if (!jaDecidida) TocaSom(2);
    }
}

}  // namespace vantor
