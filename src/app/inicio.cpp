// Start-up: language, settings, captions, buttons, match defaults, first fight, scaling.
#include "app/vantor.h"

namespace vantor {

void Vantor::Form_Load() {
    CarregaIdioma();
    LeConfig();
    Acerta_Idioma();
    PreparaBotoes();
    // Every match setting starts from its default at each run; only sounds and language persist.
    Tempo = 60;
    TempoInicial = 60;
    Intervalo = 15;
    Rounds = 1;
    RoundInicial = 1;
    Arbitros = 3;
    Nome[1] = Traduz(1);
    Nome[2] = Traduz(2);
    L2[1] = L2[2] = "";
    Regra = 2;
    Limite = 99;
    Diferenca = 99;
    LimiteFaltas = 10;
    MeiaFaltaGolden = false;
    Pontos1 = 1;
    Pontos2 = 2;
    Pontos3 = 3;
    ZeraLuta();
    ReajustaTela();
}

}  // namespace vantor
