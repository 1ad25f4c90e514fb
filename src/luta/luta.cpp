// The fight's commands: the clock, the scores and the decision, each saying what happened as events.
#include "luta/luta.h"

#include <algorithm>
#include <cctype>

#include "lang/texto.h"
#include "luta/satura.h"

namespace vantor {

namespace {
std::string Maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

std::string Luta::LogR() const { return Traduz(txt::Round) + " " + std::to_string(l_.RoundAtual) + ", "; }

std::string Luta::LogT() const { return Traduz(txt::Faltando) + " " + std::to_string(l_.TempoRestante) + "s, "; }

void Luta::Timer_Luta_Timer() {
    switch (FaseDe(l_)) {
        case Fase::Intervalo:
            if (--l_.ContaIntervalo < 0) {
                Linha(LogTR() + Traduz(txt::FimDo) + " " + Traduz(txt::Intervalo));
                if (a_.Regra == regra::Wt2022)
                    ProximoRound();
                else
                    Pausar(true, "-", Tom::Pausa);
            }
            ChecaVitoria();
            return;
        case Fase::Aguardando: return;
        case Fase::Minuto:
            if (--l_.ContaMinuto < 0) {
                Linha(LogTR() + Traduz(txt::FimDo) + " " + Traduz(txt::UmMinuto));
                Som(4);
            }
            return;
        default: break;
    }
    if (PermiteEm(FaseDe(l_)).relogioDoRound && !l_.TempoEsgotado) --l_.TempoRestante;
    if (l_.TempoRestante < 0) {
        Linha(LogR() + Traduz(txt::FimDo) + " " + Traduz(txt::Round));  // names the round that ended
        if (a_.Regra == regra::Wt2022) {
            // The round stays current, its clock at zero, until its decision stands and the rest is over.
            l_.TempoRestante = 0;
            l_.TempoEsgotado = true;
        } else {
            ++l_.RoundAtual;
            l_.TempoRestante = a_.Tempo;
            // Under the 2017 rules the golden round lasts at most a minute.
            if (l_.RoundAtual > a_.Rounds && a_.Regra == regra::Wtf2017 && a_.Tempo > 60) l_.TempoRestante = 60;
            // A golden round of its own length, when the settings give one.
            if (l_.RoundAtual > a_.Rounds && a_.TempoGolden > 0) l_.TempoRestante = a_.TempoGolden;
            l_.ContaIntervalo = std::max<int16_t>(a_.Intervalo, -1);  // a rest typed as negative is none
        }
        Som(1);
    }
    ChecaVitoria();
}

void Luta::Inicio_Luta() {
    Mensagem("", Tom::Nenhum);
    l_.LutaIniciada = true;
    l_.MostraConfig = false;
    RelogioDoZero();
    Linha(Traduz(txt::InicioDaLuta) + ": " + a_.Nome[1] + "(" + Traduz(txt::Azul) + ")" + " X " + a_.Nome[2] + "(" +
          Traduz(txt::Vermelho) + "). " + std::to_string(a_.Rounds) + " " + Traduz(txt::RoundsDe) + " " +
          std::to_string(a_.Tempo / 60) + ":" + DoisDigitos(a_.Tempo % 60) + ". " + Traduz(txt::Intervalo) + ": " +
          std::to_string(a_.Intervalo) + ". " + Traduz(txt::Arbitros) + ": " + std::to_string(a_.Arbitros) + ". " +
          LogTR());
    // What the start line leaves out and the printed scoresheet needs: the rules and the second lines (and under
    // best of three, the penalties that lose a round).
    Linha("Regras\tRegra: " + std::to_string(a_.Regra) + "\tLimite: " + std::to_string(a_.Limite) + "\tDiferença: " +
          std::to_string(a_.Diferenca) + "\tL2 Azul: " + a_.L2[Azul] + "\tL2 Vermelho: " + a_.L2[Vermelho] +
          (a_.Regra == regra::Wt2022 ? "\tFaltas por round: " + std::to_string(a_.FaltasRound) : ""));
    // The bout in the day's record, when it has one: its number, category, event, ring and officials.
    if (!(a_.NumeroLuta + a_.Categoria + a_.Evento + a_.Quadra + a_.Arbitro + a_.NomesJuizes).empty())
        Linha("Luta\tNúmero: " + a_.NumeroLuta + "\tCategoria: " + a_.Categoria + "\tEvento: " + a_.Evento +
              "\tQuadra: " + a_.Quadra + "\tÁrbitro: " + a_.Arbitro + "\tJuízes: " + a_.NomesJuizes);
    // A fight set to start in the golden round begins it as the clock's own way there does.
    EntraNoGolden();
}

// The golden round begins from nothing; only once, never after a result, and not before the rest that leads to it
// is over (a time-out called in that rest resumes the clock, but the golden round waits for the resume after it).
void Luta::EntraNoGolden() {
    if (a_.Regra == regra::Wt2022 || l_.RoundAtual <= a_.Rounds || l_.LutaDecidida || l_.EmGolden ||
        l_.ContaIntervalo >= 0)
        return;
    l_.EmGolden = true;
    l_.PlacarRegular = {0, SomaSatura(l_.PontosMarcados[Azul], l_.Faltas[Vermelho]),
                        SomaSatura(l_.PontosMarcados[Vermelho], l_.Faltas[Azul])};
    l_.PontosMarcados = {0, 0, 0};
    l_.Faltas = {0, 0, 0};
    l_.MeiaFalta = {false, false, false};
    Linha(Traduz(txt::EntrouNoGolden) + ".");
}

void Luta::Espaco() {
    // A level round waits for the referee's superiority, not for the clock.
    if (a_.Regra == regra::Wt2022 && DecideRound(a_, l_).pendente) return;
    if (l_.RevisaoPedida != 0) return;  // a review waits for its outcome first
    if (PermiteEm(FaseDe(l_)).espaco) Pausar(!l_.Pausado, "-", Tom::Pausa);
}

void Luta::Minuto() {
    Pausar(false, "-", Tom::Pausa);
    l_.ContaMinuto = 59;
    RelogioDoZero();
    Linha(LogTR() + Traduz(txt::UmMinuto));
    Som(3);
}

void Luta::Pausar(bool p, std::string Msg, Tom tom) {
    if (Msg == "-") Msg = Traduz(txt::Pausa);
    if (p) {
        l_.ContaMinuto = -1;  // a pause ends a time-out
        Mensagem(Msg, tom);
        Linha(LogTR() + Traduz(txt::PausaLigada) + ". - " + Msg);
    } else {
        EntraNoGolden();
        Mensagem("", Tom::Nenhum);
        Linha(LogTR() + Traduz(txt::PausaDesligada) + ".");
        l_.MostraConfig = false;
    }
    l_.Pausado = p;
}

void Luta::Zera() {
    l_.PontosMarcados = {0, 0, 0};
    l_.Faltas = {0, 0, 0};
    l_.MeiaFalta = {false, false, false};
    l_.EmGolden = false;
    l_.PlacarRegular = {0, 0, 0};
    l_.RoundsFeitos.clear();
    l_.PontosPorValor = {};
    l_.TempoEsgotado = false;
    l_.Superioridade = 0;
    l_.RoundLogado = 0;
    l_.DecisaoPedida = l_.VencedorArbitro = l_.MotivoArbitro = 0;
    l_.Cartoes = {0, a_.CartoesRevisao, a_.CartoesRevisao};
    l_.RevisaoPedida = 0;
    l_.TempoRestante = a_.TempoInicial;
    l_.RoundAtual = a_.RoundInicial;
    // Set to start in the golden round, it lasts what the clock's way there gives it: a minute at most in 2017.
    if (l_.RoundAtual > a_.Rounds && a_.Regra == regra::Wtf2017 && l_.TempoRestante > 60) l_.TempoRestante = 60;
    if (l_.RoundAtual > a_.Rounds && a_.TempoGolden > 0) l_.TempoRestante = std::min(l_.TempoRestante, a_.TempoGolden);
    l_.ContaIntervalo = -1;
    l_.Pausado = false;
    l_.ContaMinuto = -1;
    l_.LutaIniciada = false;
    Mensagem("[ENTER] " + Traduz(txt::Inicio), Tom::Inicio);
    MensagemPlateia("");  // the operator's prompt, not the hall's
    l_.MostraConfig = true;
}

void Luta::Continuada(const std::string& salvoEm) {
    Linha(LogTR() + Traduz(txt::LutaContinuada) + " " + salvoEm);
    // The board comes back held. A rest or a time-out runs on: it has no pause of its own.
    const Fase f = FaseDe(l_);
    if (f == Fase::Intervalo || f == Fase::Minuto) return;
    if (!l_.Pausado)
        Pausar(true, "-", Tom::Pausa);
    else
        Mensagem(Traduz(txt::Pausa), Tom::Pausa);
}

void Luta::Ponto(int cor, int passo) {
    auto& pontos = l_.PontosMarcados[static_cast<size_t>(cor)];
    pontos = SomaSatura(pontos, passo);
    auto& valor = l_.PontosPorValor[static_cast<size_t>(cor)][1];  // the keys' points count as punches
    valor = SomaSatura(valor, passo);
    Linha(LogTR() + (passo > 0 ? "+1 " : "-1 ") + Traduz(txt::Pontos) + " " + Traduz(cor) + " (" +
          a_.Nome[static_cast<size_t>(cor)] + ")");
}

void Luta::Penalidade(int cor, bool mais) {
    const auto c = static_cast<size_t>(cor);
    // Every press is a half penalty under the old rules, and in the golden round when so configured.
    const bool meioPasso =
        a_.Regra == regra::WtfAntiga || (a_.Regra != regra::Wt2022 && l_.RoundAtual > a_.Rounds && a_.MeiaFaltaGolden);
    PassoDeFalta(l_.Faltas[c], l_.MeiaFalta[c], mais, meioPasso, a_.LimiteFaltas);
    const char* passo = meioPasso ? (mais ? "+1/2 " : "-1/2 ") : (mais ? "+1 " : "-1 ");
    Linha(LogTR() + passo + Traduz(txt::Falta) + " " + Traduz(cor) + " (" + a_.Nome[c] + ")");
}

void Luta::PontoDosJuizes(int cor, int16_t pontos) {
    if (!PermiteEm(FaseDe(l_)).juizesPontuam) return;
    auto& p = l_.PontosMarcados[static_cast<size_t>(cor)];
    p = SomaSatura(p, pontos);
    auto& valor = l_.PontosPorValor[static_cast<size_t>(cor)][static_cast<size_t>(std::clamp<int>(pontos, 1, 5))];
    valor = SomaSatura(valor, pontos);
    Linha(LogTR() + Traduz(txt::Pontos) + ": \t" + Traduz(cor == Azul ? txt::Azul : txt::Vermelho) + "\t" +
          std::to_string(pontos) + "\t" + a_.Nome[static_cast<size_t>(cor)]);
}

void Luta::ChecaVitoria() {
    const bool jaDecidida = l_.LutaDecidida;
    l_.LutaDecidida = false;
    const Decisao d = Decide(a_, l_);
    if (a_.Regra == regra::Wt2022 && l_.LutaIniciada) ChecaRound(d.vencedor != 0);
    if (d.vencedor == 0) {
        l_.ResultadoLogado = 0;
        return;
    }
    const bool empate = d.vencedor == kEmpate;
    const std::string msg = empate ? Traduz(txt::Empate) : Maiusculas(Traduz(d.vencedor));
    const Tom tom = empate ? Tom::Empate : d.vencedor == Azul ? Tom::Azul : Tom::Vermelho;
    // Logged and paused once per decision; again only when it changes or the operator has resumed the clock.
    if (d.vencedor != l_.ResultadoLogado || !l_.Pausado) {
        Linha(empate ? Traduz(txt::Empate) + "."
                     : LogTR() + Traduz(txt::Venceu) + ":" + Traduz(d.vencedor) + "." +
                           a_.Nome[static_cast<size_t>(d.vencedor)]);
        Pausar(true, msg, tom);
        l_.ResultadoLogado = static_cast<int16_t>(d.vencedor);
    } else {
        Mensagem(msg, tom);  // the result stays on the message line, over a "Pausa" from S
    }
    // The hall reads who won and how, not only the colour.
    if (empate) {
        MensagemPlateia(Traduz(txt::Empate));
    } else {
        const std::string& nome = a_.Nome[static_cast<size_t>(d.vencedor)];
        MensagemPlateia((nome.empty() ? msg : nome) + "\r\n" + msg + ", " + Traduz(d.como));
    }
    l_.LutaDecidida = true;
    if (!jaDecidida) Som(2);
}

std::string Luta::TextoDoRound(const DecisaoRound& r) const {
    return Traduz(txt::Round) + " " + std::to_string(l_.RoundAtual) + ": " + Maiusculas(Traduz(r.vencedor));
}

void Luta::ChecaRound(bool lutaDecidida) {
    const DecisaoRound r = DecideRound(a_, l_);
    const int16_t agora = r.pendente ? 3 : static_cast<int16_t>(r.vencedor);
    const bool novo = agora != l_.RoundLogado;
    l_.RoundLogado = agora;
    // Ended before its time: the round's end is logged as the clock's would be, and the gong, unless the bout's
    // result follows at once.
    if (novo && r.vencedor != 0 && !l_.TempoEsgotado && l_.ContaIntervalo < 0) {
        Linha(LogR() + Traduz(txt::FimDo) + " " + Traduz(txt::Round));
        if (!lutaDecidida) Som(1);
    }
    if (novo && r.vencedor != 0)
        Linha(LogTR() + Traduz(txt::RoundGanho) + ":" + Traduz(r.vencedor) + "." +
              a_.Nome[static_cast<size_t>(r.vencedor)] + " (" + Traduz(r.como) + ")");
    if (r.vencedor == 0) {
        // A correction took the round's decision back: its rest stops and the round goes on from where it was.
        if (l_.ContaIntervalo >= 0) {
            l_.ContaIntervalo = -1;
            if (!r.pendente) Pausar(true, "-", Tom::Pausa);
        }
        if (r.pendente) {
            if (novo || !l_.Pausado)
                Pausar(true, Traduz(txt::PedeSuperioridade), Tom::Aviso);
            else
                Mensagem(Traduz(txt::PedeSuperioridade), Tom::Aviso);
        }
        return;
    }
    if (lutaDecidida) return;  // the bout's result speaks for the round
    const std::string msg = TextoDoRound(r);
    const Tom tom = r.vencedor == Azul ? Tom::Azul : Tom::Vermelho;
    if (l_.ContaIntervalo < 0) {
        // The rest begins; the round's clock stays where it stopped.
        if (a_.Intervalo < 0) {
            ProximoRound();
            return;
        }
        l_.ContaIntervalo = a_.Intervalo;
    }
    Mensagem(msg, tom);
    const std::string& nome = a_.Nome[static_cast<size_t>(r.vencedor)];
    MensagemPlateia((nome.empty() ? Maiusculas(Traduz(r.vencedor)) : nome) + "\r\n" + msg + ", " + Traduz(r.como));
}

void Luta::PedeDecisao(int motivo) {
    if (!l_.LutaIniciada || motivo < txt::PorRsc || motivo > txt::PorSup) return;
    l_.DecisaoPedida = static_cast<int16_t>(motivo);
    Pausar(true, Traduz(motivo) + ": " + Traduz(txt::QuemVence), Tom::Aviso);
}

std::string Luta::TextoDaDecisao(int cor) const {
    return Maiusculas(Traduz(cor)) + " (" + a_.Nome[static_cast<size_t>(cor)] + "), " + Traduz(l_.DecisaoPedida) + "?";
}

void Luta::DecisaoDoArbitro(int cor) {
    if (l_.DecisaoPedida == 0) return;
    l_.VencedorArbitro = static_cast<int16_t>(cor);
    l_.MotivoArbitro = l_.DecisaoPedida;
    l_.DecisaoPedida = 0;
    Linha(LogTR() + Traduz(txt::DecisaoDoArbitro) + ": " + Traduz(l_.MotivoArbitro) + "\t" + Traduz(cor) + "\t" +
          a_.Nome[static_cast<size_t>(cor)]);
}

void Luta::CancelaDecisao() {
    if (l_.DecisaoPedida == 0) return;
    l_.DecisaoPedida = 0;
    Mensagem(Traduz(txt::Pausa), Tom::Pausa);  // a result or a question that stands shows again at the refresh
}

void Luta::PedeRevisao(int cor) {
    const auto c = static_cast<size_t>(cor);
    if (!l_.LutaIniciada || l_.Cartoes[c] <= 0 || l_.RevisaoPedida != 0 || l_.DecisaoPedida != 0) return;
    l_.RevisaoPedida = static_cast<int16_t>(cor);
    Linha(LogTR() + Traduz(txt::RevisaoPedida) + ": " + Traduz(cor) + " (" + a_.Nome[c] + ")");
    Pausar(true, Traduz(txt::RevisaoPedida) + ": " + Traduz(cor) + ". " + Traduz(txt::RevisaoComo), Tom::Aviso);
}

void Luta::Revisao(bool procedente) {
    if (l_.RevisaoPedida == 0) return;
    const auto c = static_cast<size_t>(l_.RevisaoPedida);
    if (!procedente) --l_.Cartoes[c];
    l_.RevisaoPedida = 0;
    Linha(LogTR() + Traduz(procedente ? txt::RevisaoProcedente : txt::RevisaoImprocedente) + ": " +
          Traduz(static_cast<int>(c)) + " (" + a_.Nome[c] + "). " + Traduz(txt::Revisoes) + ": " +
          std::to_string(l_.Cartoes[c]));
    Mensagem(Traduz(txt::Pausa), Tom::Pausa);
}

std::string Luta::TextoDaCorrecao() const {
    if (a_.Regra != regra::Wt2022 || !l_.LutaIniciada || l_.RoundsFeitos.empty()) return "";
    const int para = Oponente(l_.RoundsFeitos.back().vencedor);
    // The round closed last is the one before the current.
    return Traduz(txt::Round) + " " + std::to_string(l_.RoundAtual - 1) + ": " + Maiusculas(Traduz(para)) + " (" +
           a_.Nome[static_cast<size_t>(para)] + ")?";
}

void Luta::CorrigeRound() {
    if (TextoDaCorrecao().empty()) return;
    auto& r = l_.RoundsFeitos.back();
    r.vencedor = static_cast<int16_t>(Oponente(r.vencedor));
    r.como = txt::PorCorrecao;
    Linha(LogTR() + Traduz(txt::RoundCorrigido) + " " + std::to_string(l_.RoundAtual - 1) + ":" + Traduz(r.vencedor) +
          "." + a_.Nome[static_cast<size_t>(r.vencedor)]);
}

void Luta::DaSuperioridade(int cor) {
    if (a_.Regra != regra::Wt2022 || !DecideRound(a_, l_).pendente) return;
    l_.Superioridade = static_cast<int16_t>(cor);  // the round's line says so, at the refresh that follows
}

void Luta::ProximoRound() {
    const DecisaoRound r = DecideRound(a_, l_);
    // Waiting for the referee, or the bout is over: nothing follows.
    if (r.vencedor == 0 || DecideWt2022(a_, l_).vencedor != 0) {
        Pausar(true, "-", Tom::Pausa);
        return;
    }
    l_.RoundsFeitos.push_back({static_cast<int16_t>(r.vencedor), static_cast<int16_t>(r.como),
                               SomaSatura(l_.PontosMarcados[Azul], l_.Faltas[Vermelho]),
                               SomaSatura(l_.PontosMarcados[Vermelho], l_.Faltas[Azul])});
    l_.RoundAtual = SomaSatura(l_.RoundAtual, 1);
    l_.TempoRestante = a_.Tempo;
    l_.PontosMarcados = {0, 0, 0};
    l_.Faltas = {0, 0, 0};
    l_.MeiaFalta = {false, false, false};
    l_.PontosPorValor = {};
    l_.TempoEsgotado = false;
    l_.Superioridade = 0;
    l_.RoundLogado = 0;
    l_.ContaIntervalo = -1;
    Linha(LogTR() + Traduz(txt::InicioDoRound) + ".");
    Pausar(true, "-", Tom::Pausa);
}

}  // namespace vantor
