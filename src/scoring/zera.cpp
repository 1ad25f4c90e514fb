// Fight reset: closes the old fight record and opens a new one named by the present moment.
#include <cstdio>

#include "app/vantor.h"

namespace vantor {

void Vantor::ZeraLuta() {
    GravaLog(Traduz(33));
    PontosMarcados = {0, 0, 0};
    Faltas = {0, 0, 0};
    MeiaFalta = {false, false, false};
    EmGolden = false;
    // The start round and time from the dialog hold for the first fight after it only.
    if (ContaLutas >= 1) {
        RoundInicial = 1;
        TempoInicial = Tempo;
    }
    if (ContaLutas < INT16_MAX) ++ContaLutas;
    TempoRestante = TempoInicial;
    RoundAtual = RoundInicial;
    ContaIntervalo = -1;
    PausaLigada = false;
    Pausado = false;
    ContaMinuto = -1;
    LutaIniciada = false;
    Mensagem("[ENTER] " + Traduz(3), RGB(128, 255, 128), RGB(0, 0, 0));
    MostraConfig = true;
    AtualizaTela();

    const Momento m = plat.Agora();
    char nome[64];
    std::snprintf(nome, sizeof nome, "%04d-%02d-%02d_%02d-%02d-%02d", m.ano, m.mes, m.dia, m.hora, m.minuto,
                  m.segundo);
    ArquivoLog = PastaLog + nome + ".txt";
    GravaLog("Luta zerada");
}

}  // namespace vantor
