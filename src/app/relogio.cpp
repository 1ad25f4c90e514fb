// The match clock: one tick a second counts the round, the rest interval and the time-out.
#include <cstdio>

#include "app/texto.h"
#include "app/vantor.h"
#include "scoring/satura.h"

namespace vantor {

void Vantor::Timer_Luta_Timer() {
    const AoFim fim{*this};
    if (luta_.ContaIntervalo >= 0) {
        --luta_.ContaIntervalo;
        if (luta_.ContaIntervalo >= 0) {
            janela_.tela.L_Minuto.Caption = DoisDigitos(luta_.ContaIntervalo);
        } else {
            GravaLog(LogTR() + Traduz(txt::FimDo) + " " + Traduz(txt::Intervalo));
            Pausar(true, "-", cor::Ciano, cor::Preto);
        }
        AtualizaTela();
        return;
    }
    if (!luta_.LutaIniciada) return;

    if (luta_.ContaMinuto >= 0) {
        --luta_.ContaMinuto;
        if (luta_.ContaMinuto >= 0) {
            janela_.tela.L_Minuto.Caption = DoisDigitos(luta_.ContaMinuto);
        } else {
            GravaLog(LogTR() + Traduz(txt::FimDo) + " " + Traduz(txt::UmMinuto));
            TocaSom(4);
        }
        return;
    }

    if (!luta_.Pausado) --luta_.TempoRestante;
    if (luta_.TempoRestante < 0) {
        GravaLog(LogR() + Traduz(txt::FimDo) + " " + Traduz(txt::Round));  // names the round that ended
        ++luta_.RoundAtual;
        luta_.TempoRestante = ajustes_.Tempo;
        // Under the 2017 rules the golden round lasts at most a minute.
        if (luta_.RoundAtual > ajustes_.Rounds && ajustes_.Regra == regra::Wtf2017 && ajustes_.Tempo > 60)
            luta_.TempoRestante = 60;
        luta_.ContaIntervalo = ajustes_.Intervalo;
        janela_.tela.L_Minuto.Caption = DoisDigitos(luta_.ContaIntervalo);
        TocaSom(1);
    }
    AtualizaTela();
}

void Vantor::Inicio_Luta() {
    Mensagem("", 0, 0);
    luta_.LutaIniciada = true;
    luta_.MostraConfig = false;
    ResetaTimer();
    GravaLog(Traduz(txt::InicioDaLuta) + ": " + ajustes_.Nome[1] + "(" + Traduz(txt::Azul) + ")" + " X " +
             ajustes_.Nome[2] + "(" + Traduz(txt::Vermelho) + "). " + std::to_string(ajustes_.Rounds) + " " +
             Traduz(txt::RoundsDe) + " " + std::to_string(ajustes_.Tempo / 60) + ":" +
             DoisDigitos(ajustes_.Tempo % 60) + ". " + Traduz(txt::Intervalo) + ": " +
             std::to_string(ajustes_.Intervalo) + ". " + Traduz(txt::Arbitros) + ": " +
             std::to_string(ajustes_.Arbitros) + ". " + LogTR());
    // What the start line leaves out and the printed scoresheet needs: the rules and the second lines.
    const Ajustes& a = ajustes_;
    GravaLog("Regras\tRegra: " + std::to_string(a.Regra) + "\tLimite: " + std::to_string(a.Limite) + "\tDiferença: " +
             std::to_string(a.Diferenca) + "\tL2 Azul: " + a.L2[Azul] + "\tL2 Vermelho: " + a.L2[Vermelho]);
    // A fight set to start in the golden round begins it as the clock's own way there does.
    EntraNoGolden();
}

// The golden round begins from nothing; only once, never after a result, and not before the rest that leads to it
// is over (a time-out called in that rest resumes the clock, but the golden round waits for the resume after it).
void Vantor::EntraNoGolden() {
    if (luta_.RoundAtual <= ajustes_.Rounds || luta_.LutaDecidida || luta_.EmGolden || luta_.ContaIntervalo >= 0)
        return;
    luta_.EmGolden = true;
    luta_.PlacarRegular = {0, SomaSatura(luta_.PontosMarcados[Azul], luta_.Faltas[Vermelho]),
                           SomaSatura(luta_.PontosMarcados[Vermelho], luta_.Faltas[Azul])};
    luta_.PontosMarcados = {0, 0, 0};
    luta_.Faltas = {0, 0, 0};
    luta_.MeiaFalta = {false, false, false};
    GravaLog(Traduz(txt::EntrouNoGolden) + ".");
}

void Vantor::Espaco() {
    if (luta_.ContaIntervalo < 0) Pausar(!luta_.PausaLigada, "-", cor::Ciano, cor::Preto);
}

void Vantor::Minuto() {
    Pausar(false, "-", cor::Ciano, cor::Preto);
    luta_.ContaMinuto = 59;
    janela_.tela.L_Minuto.Caption = "59";
    ResetaTimer();
    GravaLog(LogTR() + Traduz(txt::UmMinuto));
    TocaSom(3);
}

void Vantor::Pausar(bool p, std::string Msg, uint32_t corfundo, uint32_t corfrente) {
    if (Msg == "-") Msg = Traduz(txt::Pausa);
    if (p) {
        if (luta_.ContaMinuto >= 0) luta_.ContaMinuto = -1;
        Mensagem(Msg, corfundo, corfrente);
        GravaLog(LogTR() + Traduz(txt::PausaLigada) + ". - " + Msg);
        luta_.Pausado = true;
        luta_.PausaLigada = p;
    } else {
        EntraNoGolden();
        Mensagem("", 0, 0);
        janela_.Timer_Luta.SetEnabled(true);
        GravaLog(LogTR() + Traduz(txt::PausaDesligada) + ".");
        luta_.Pausado = false;
        luta_.MostraConfig = false;
        luta_.PausaLigada = p;
    }
}

void Vantor::ResetaTimer() {
    janela_.Timer_Luta.SetEnabled(false);
    janela_.Timer_Luta.Interval = 1000;
    janela_.Timer_Luta.SetEnabled(true);
}

void Vantor::TocaSom(int n) {
    if (n < 1 || n > 4) return;
    plat.TocaWav(ajustes_.Som[static_cast<size_t>(n)]);
}

}  // namespace vantor
