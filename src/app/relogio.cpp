// The match clock: one tick a second counts the round, the rest interval and the time-out.
#include <cstdio>

#include "app/texto.h"
#include "app/vantor.h"

namespace vantor {

namespace {
constexpr uint32_t kCiano = RGB(0, 255, 255);
constexpr uint32_t kPreto = RGB(0, 0, 0);
}  // namespace

void Vantor::Timer_Luta_Timer() {
    if (ContaIntervalo >= 0) {
        --ContaIntervalo;
        if (ContaIntervalo >= 0) {
            tela.L_Minuto.Caption = DoisDigitos(ContaIntervalo);
        } else {
            GravaLog(LogTR() + Traduz(20) + " " + Traduz(17));
            Pausar(true, "-", kCiano, kPreto);
        }
        AtualizaTela();
        return;
    }
    if (!LutaIniciada) return;

    if (ContaMinuto >= 0) {
        --ContaMinuto;
        if (ContaMinuto >= 0) {
            tela.L_Minuto.Caption = DoisDigitos(ContaMinuto);
        } else {
            GravaLog(LogTR() + Traduz(20) + " " + Traduz(7));
            TocaSom(4);
        }
        return;
    }

    if (!Pausado) --TempoRestante;
    if (TempoRestante < 0) {
        ++RoundAtual;
        TempoRestante = Tempo;
        // Under the 2017 rules the golden round lasts at most a minute.
        if (RoundAtual > Rounds && Regra == 2 && Tempo > 60) TempoRestante = 60;
        ContaIntervalo = Intervalo;
        tela.L_Minuto.Caption = DoisDigitos(ContaIntervalo);
        GravaLog(LogR() + Traduz(20) + " " + Traduz(21));
        TocaSom(1);
    }
    AtualizaTela();
}

void Vantor::Inicio_Luta() {
    Mensagem("", 0, 0);
    LutaIniciada = true;
    MostraConfig = false;
    ResetaTimer();
    GravaLog(Traduz(30) + ": " + Nome[1] + "(" + Traduz(1) + ")" + " X " + Nome[2] + "(" + Traduz(2) + "). " +
             std::to_string(Rounds) + " " + Traduz(31) + " " + std::to_string(Tempo / 60) + ":" +
             DoisDigitos(Tempo % 60) + ". " + Traduz(17) + ": " + std::to_string(Intervalo) + ". " + Traduz(18) +
             ": " + std::to_string(Arbitros) + ". " + LogTR());
}

void Vantor::Espaco() {
    if (ContaIntervalo < 0) Pausar(!PausaLigada, "-", kCiano, kPreto);
}

void Vantor::Minuto() {
    Pausar(false, "-", kCiano, kPreto);
    ContaMinuto = 59;
    tela.L_Minuto.Caption = "59";
    ResetaTimer();
    GravaLog(LogTR() + Traduz(7));
    TocaSom(3);
}

void Vantor::Pausar(bool p, std::string Msg, uint32_t corfundo, uint32_t corfrente) {
    if (Msg == "-") Msg = Traduz(29);
    if (p) {
        if (ContaMinuto >= 0) ContaMinuto = -1;
        Mensagem(Msg, corfundo, corfrente);
        GravaLog(LogTR() + Traduz(36) + ". - " + Msg);
        Pausado = true;
        PausaLigada = p;
    } else {
        if (RoundAtual > Rounds && !LutaDecidida && !EmGolden) {
            EmGolden = true;
            PontosMarcados = {0, 0, 0};
            Faltas = {0, 0, 0};
            MeiaFalta = {false, false, false};
            GravaLog(Traduz(38) + ".");
        }
        Mensagem("", 0, 0);
        Timer_Luta.SetEnabled(true);
        GravaLog(LogTR() + Traduz(37) + ".");
        Pausado = false;
        MostraConfig = false;
        PausaLigada = p;
    }
}

void Vantor::ResetaTimer() {
    Timer_Luta.SetEnabled(false);
    Timer_Luta.Interval = 1000;
    Timer_Luta.SetEnabled(true);
}

void Vantor::TocaSom(int n) {
    if (n < 1 || n > 4) return;
    plat.TocaWav(Som[static_cast<size_t>(n)]);
}

}  // namespace vantor
