// The judges' open windows, by button.
#include "controllers/juizes.h"

namespace vantor {

int Juizes::b(int botao) const {
    if (botao < 0 || botao > 256) return 0;
    return (MascaraBotao[static_cast<size_t>(botao)] & Pendentes) != 0 ? 1 : 0;
}

}  // namespace vantor
