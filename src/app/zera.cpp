// Fight reset: closes the old fight record and opens a new one named by the present moment.
#include "app/vantor.h"

namespace vantor {

void Vantor::ZeraLuta() {
    GravaLog(Traduz(txt::LutaZerada));
    // The start round and time from the dialog hold for the first fight after it only.
    if (ajustes_.ContaLutas >= 1) {
        ajustes_.RoundInicial = 1;
        ajustes_.TempoInicial = ajustes_.Tempo;
    }
    if (ajustes_.ContaLutas < INT16_MAX) ++ajustes_.ContaLutas;
    luta_.Zera();
    AtualizaTela();

    log_.ArquivoLog = log_.PastaLog + NomeDoLog(plat_.Agora(), ajustes_.NumeroLuta);
    GravaLog("Luta zerada");
}

void Vantor::RestauraLuta(const EstadoLuta& luta) {
    luta_.Restaura(luta);
    AtualizaTela();
}

}  // namespace vantor
