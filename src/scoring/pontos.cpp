// The operator's point and penalty steps, one log line each.
#include "app/vantor.h"
#include "scoring/satura.h"

namespace vantor {

void Vantor::Ponto(int cor, int passo) {
    auto& pontos = luta_.PontosMarcados[static_cast<size_t>(cor)];
    pontos = SomaSatura(pontos, passo);
    GravaLog(LogTR() + (passo > 0 ? "+1 " : "-1 ") + Traduz(txt::Pontos) + " " + Traduz(cor) + " (" +
             ajustes_.Nome[static_cast<size_t>(cor)] + ")");
}

void Vantor::Penalidade(int cor, bool mais) {
    const auto c = static_cast<size_t>(cor);
    // Every press is a half penalty under the old rules, and in the golden round when so configured.
    const bool meioPasso =
        ajustes_.Regra == regra::WtfAntiga || (luta_.RoundAtual > ajustes_.Rounds && ajustes_.MeiaFaltaGolden);
    PassoDeFalta(luta_.Faltas[c], luta_.MeiaFalta[c], mais, meioPasso, ajustes_.LimiteFaltas);
    const char* passo = meioPasso ? (mais ? "+1/2 " : "-1/2 ") : (mais ? "+1 " : "-1 ");
    GravaLog(LogTR() + passo + Traduz(txt::Falta) + " " + Traduz(cor) + " (" + ajustes_.Nome[c] + ")");
}

void Vantor::PontoAMais() { Ponto(1, +1); }
void Vantor::PontoAMenos() { Ponto(1, -1); }
void Vantor::PontoVMais() { Ponto(2, +1); }
void Vantor::PontoVMenos() { Ponto(2, -1); }
void Vantor::AMais() { Penalidade(1, true); }
void Vantor::AMenos() { Penalidade(1, false); }
void Vantor::VMais() { Penalidade(2, true); }
void Vantor::VMenos() { Penalidade(2, false); }

}  // namespace vantor
