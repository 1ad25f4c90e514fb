// The fight as a model: its state, and the commands that change it. Each command says what happened through
// events, in order, to the one follower it was given (the table, or a test that collects them); the rules it asks
// are pure (regras.h).
#pragma once

#include <string>

#include "lang/idioma.h"
#include "luta/estado.h"
#include "luta/eventos.h"
#include "luta/regras.h"
#include "settings/ajustes.h"

namespace vantor {

class Luta {
public:
    // The settings and the language are read at each command, never kept.
    Luta(const Ajustes& ajustes, const TabelaIdioma& idioma, Seguidor saida)
        : a_(ajustes), idioma_(idioma), saida_(std::move(saida)) {}
    Luta(const Luta&) = delete;
    Luta& operator=(const Luta&) = delete;

    const EstadoLuta& Estado() const { return l_; }
    Fase FaseAtual() const { return FaseDe(l_); }
    // A whole state put in place (a restored fight, a test's scene); it says nothing.
    void Restaura(const EstadoLuta& l) { l_ = l; }

    // ---- Clock ----
    void Timer_Luta_Timer();  // one second
    void Inicio_Luta();       // Enter
    void Espaco();            // hold or resume, not in a rest
    void Minuto();            // the one-minute time-out
    // A message of "-" stands for the word "Pausa" in the current language.
    void Pausar(bool p, std::string Msg, Tom tom);
    void EntraNoGolden();
    // The state of a new fight, with its prompt; the settings' start round and time.
    void Zera();
    // Back from an interruption: the log says so, and the board is held (a rest or a time-out runs on).
    void Continuada(const std::string& salvoEm);
    // The board shows the settings' summary until the clock first runs (F1 between fights shows it too).
    void MostraConfiguracao() { l_.MostraConfig = true; }

    // ---- Scores ----
    void Ponto(int cor, int passo);                // the operator's +1 / -1
    void Penalidade(int cor, bool mais);           // a whole or half penalty step
    void PontoDosJuizes(int cor, int16_t pontos);  // two judges agreed; counts only while the clock runs
    // Asks the rules and acts on the decision: logs it, holds the clock, shows it, and the first time rings.
    void ChecaVitoria();
    // Best of three: the referee gives a level round to `cor` (only while one waits for it).
    void DaSuperioridade(int cor);
    // Best of three: the last closed round given to the other corner, an operator's correction that is logged (a
    // closed round changes in no other way). The question that confirms it; "" when there is none to correct.
    std::string TextoDaCorrecao() const;
    void CorrigeRound();
    // The referee ends the bout (RSC, withdrawal, disqualification, punitive declaration, superiority): the reason
    // (a language entry, `txt::PorRsc`...) is asked for first, the clock held, then its winner, once confirmed.
    void PedeDecisao(int motivo);
    void DecisaoDoArbitro(int cor);
    void CancelaDecisao();
    std::string TextoDaDecisao(int cor) const;  // the question that confirms it
    // A corner's video review: asked for (the clock held) while it has a card, then upheld (the card stays) or
    // rejected (the card is lost).
    void PedeRevisao(int cor);
    void Revisao(bool procedente);

    // ---- Log prefixes ----
    std::string LogR() const;  // "Round 3, "
    std::string LogT() const;  // "Faltando 12s, "
    std::string LogTR() const { return LogR() + LogT(); }
    std::string Traduz(int entrada) const { return idioma_.Traduz(entrada, a_.Lingua); }

private:
    // Best of three: the current round's decision acted on (logged, its rest begun or taken back, the question
    // asked), and the next round begun from nothing once the rest is over.
    void ChecaRound(bool lutaDecidida);
    void ProximoRound();
    std::string TextoDoRound(const DecisaoRound& r) const;
    void Linha(const std::string& texto) { saida_({Evento::Tipo::Linha, texto, 0, Tom::Nenhum}); }
    void Som(int n) { saida_({Evento::Tipo::Som, "", n, Tom::Nenhum}); }
    void Mensagem(const std::string& m, Tom tom) { saida_({Evento::Tipo::Mensagem, m, 0, tom}); }
    void MensagemPlateia(const std::string& m) { saida_({Evento::Tipo::MensagemPlateia, m, 0, Tom::Nenhum}); }
    void RelogioDoZero() { saida_({Evento::Tipo::RelogioDoZero, "", 0, Tom::Nenhum}); }

    const Ajustes& a_;
    const TabelaIdioma& idioma_;
    Seguidor saida_;
    EstadoLuta l_;
};

}  // namespace vantor
