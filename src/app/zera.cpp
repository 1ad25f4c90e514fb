// Fight reset: closes the old fight record and opens a new one named by the present moment.
#include <cstdio>

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

    const Momento m = plat_.Agora();
    char nome[64];
    std::snprintf(nome, sizeof nome, "%04d-%02d-%02d_%02d-%02d-%02d", m.ano, m.mes, m.dia, m.hora, m.minuto, m.segundo);
    log_.ArquivoLog = log_.PastaLog + nome + ".txt";
    GravaLog("Luta zerada");
}

void Vantor::RestauraLuta(const EstadoLuta& luta) {
    luta_.Restaura(luta);
    AtualizaTela();
}

}  // namespace vantor
