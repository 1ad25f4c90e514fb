// The match clock's ticks and the operator's clock commands, handed to the fight; what it says happened goes to
// the log, the speakers, the message line and the clock.
#include "app/vantor.h"

namespace vantor {

void Vantor::Timer_Luta_Timer() {
    const AoFim fim{*this};
    luta_.Timer_Luta_Timer();
    MostraLuta();  // a time-out's ticks too, which ask no rule
}

void Vantor::Inicio_Luta() { luta_.Inicio_Luta(); }

void Vantor::Espaco() { luta_.Espaco(); }

void Vantor::Minuto() { luta_.Minuto(); }

void Vantor::Segue(const Evento& e) {
    switch (e.tipo) {
        case Evento::Tipo::Linha: GravaLog(e.texto); break;
        case Evento::Tipo::Som: TocaSom(e.n); break;
        case Evento::Tipo::Mensagem: Mensagem(e.texto, e.tom); break;
        case Evento::Tipo::MensagemPlateia: MensagemPlateia(e.texto); break;
        case Evento::Tipo::RelogioDoZero: ResetaTimer(); break;
    }
}

void Vantor::ResetaTimer() {
    janela_.Timer_Luta.SetEnabled(false);
    janela_.Timer_Luta.Interval = 1000;
    janela_.Timer_Luta.SetEnabled(true);
}

void Vantor::TocaSom(int n) {
    if (n < 1 || n > 4) return;
    plat_.TocaWav(ajustes_.Som[static_cast<size_t>(n)]);
}

}  // namespace vantor
