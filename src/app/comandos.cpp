// The operator's keys and clicks, gated by whether the fight has started.
#include "app/form2.h"
#include "app/vantor.h"

namespace vantor {

namespace {
// R, W, D, P, U: RSC, withdrawal, disqualification, punitive declaration, superiority.
int MotivoDaTecla(int tecla) {
    switch (tecla) {
        case tecla::R: return txt::PorRsc;
        case tecla::W: return txt::PorWdr;
        case tecla::D: return txt::PorDsq;
        case tecla::P: return txt::PorPun;
        default: return txt::PorSup;
    }
}
}  // namespace

void Vantor::Form_KeyDown(int KeyCode, int Shift) {
    if (KeyCode == tecla::F4 && Shift == tecla::Alt) {
        EsperaDisco(5000);  // the end is at once: what waits is written first, unless the disk hangs
        plat_.Encerra();
        return;
    }
    const AoFim fim{*this};
    // While the assignment waits for a judge's press, the operator's keys are not commands.
    if (Capturando()) return;
    // The ring's list: the next or the previous bout, between bouts and once a bout is decided.
    if (KeyCode == tecla::PgDn || KeyCode == tecla::PgUp) {
        const int atual = LutaAtual();
        CarregaLuta(KeyCode == tecla::PgDn ? ProximaLuta() : atual > 0 ? atual - 1 : -1);
        return;
    }
    if (!PermiteEm(luta_.FaseAtual()).teclasDaLuta) {
        switch (KeyCode) {
            case tecla::Enter: Inicio_Luta(); break;
            case tecla::F1: Configura(); break;
            case tecla::S: Sumula(); break;
            case tecla::J: ConfereRinque(); break;
            default: break;
        }
    } else {
        switch (KeyCode) {
            case tecla::F5:
            case tecla::Acima: AMais(); break;
            case tecla::F6: AMenos(); break;
            case tecla::F9:
            case tecla::Abaixo: VMais(); break;
            case tecla::F10: VMenos(); break;
            case tecla::F12:
            case tecla::Esquerda: PontoAMais(); break;
            case tecla::F11: PontoAMenos(); break;
            case tecla::F8:
            case tecla::Direita: PontoVMais(); break;
            case tecla::F7: PontoVMenos(); break;
            case tecla::Espaco: Espaco(); break;
            case tecla::Um: Minuto(); break;
            case tecla::Esc:
                if (luta_.Estado().DecisaoPedida != 0)
                    luta_.CancelaDecisao();
                else if (plat_.PerguntaOkCancela(Traduz(txt::ZerarLuta), "", false))
                    ZeraLuta();
                break;
            case tecla::S: Sumula(); break;
            // A video review: F3 blue's, F4 red's; then Enter upholds it, Backspace rejects it.
            case tecla::F3: luta_.PedeRevisao(Azul); break;
            case tecla::F4: luta_.PedeRevisao(Vermelho); break;
            case tecla::Enter:
            case tecla::Retrocesso: luta_.Revisao(KeyCode == tecla::Enter); break;
            // Best of three: the last closed round given to the other corner, confirmed (Cancel is the default).
            case tecla::C:
                if (const std::string q = luta_.TextoDaCorrecao(); !q.empty() && plat_.PerguntaOkCancela(q, "", false))
                    luta_.CorrigeRound();
                break;
            // The referee's decision: its reason, then its winner, confirmed. Otherwise, under best of three, the
            // referee's superiority in a level round.
            case tecla::R:
            case tecla::W:
            case tecla::D:
            case tecla::P:
            case tecla::U: luta_.PedeDecisao(MotivoDaTecla(KeyCode)); break;
            case tecla::A:
            case tecla::V: {
                const int cor = KeyCode == tecla::A ? Azul : Vermelho;
                if (luta_.Estado().DecisaoPedida == 0)
                    luta_.DaSuperioridade(cor);
                else if (plat_.PerguntaOkCancela(luta_.TextoDaDecisao(cor), "", true))
                    luta_.DecisaoDoArbitro(cor);
                else
                    luta_.CancelaDecisao();
                break;
            }
            default: break;
        }
    }
    AtualizaTela();
}

#define VANTOR_CLIQUE_FIGHT(handler, op) \
    void Vantor::handler() {             \
        if (EmLuta()) {                  \
            op();                        \
            AtualizaTela();              \
        }                                \
    }
VANTOR_CLIQUE_FIGHT(K_Amais_Click, PontoAMais)
VANTOR_CLIQUE_FIGHT(K_Amenos_Click, PontoAMenos)
VANTOR_CLIQUE_FIGHT(K_VMais_Click, PontoVMais)
VANTOR_CLIQUE_FIGHT(K_Vmenos_Click, PontoVMenos)
VANTOR_CLIQUE_FIGHT(K_FAMais_Click, AMais)
VANTOR_CLIQUE_FIGHT(K_FAMenos_Click, AMenos)
VANTOR_CLIQUE_FIGHT(K_FVMais_Click, VMais)
VANTOR_CLIQUE_FIGHT(K_FVMenos_Click, VMenos)
VANTOR_CLIQUE_FIGHT(M_Minuto_Click, Minuto)
#undef VANTOR_CLIQUE_FIGHT

void Vantor::PontoAMais() { luta_.Ponto(Azul, +1); }
void Vantor::PontoAMenos() { luta_.Ponto(Azul, -1); }
void Vantor::PontoVMais() { luta_.Ponto(Vermelho, +1); }
void Vantor::PontoVMenos() { luta_.Ponto(Vermelho, -1); }
void Vantor::AMais() { luta_.Penalidade(Azul, true); }
void Vantor::AMenos() { luta_.Penalidade(Azul, false); }
void Vantor::VMais() { luta_.Penalidade(Vermelho, true); }
void Vantor::VMenos() { luta_.Penalidade(Vermelho, false); }

// A resume by click can open the golden round, which clears the scores: refresh, so the board never shows
// the old score until the next tick.
void Vantor::L_Msg_Click() {
    if (EmLuta()) {
        Espaco();
        AtualizaTela();
    } else {
        Inicio_Luta();
    }
}

void Vantor::L_Tempo_Click() {
    if (!EmLuta()) return;
    Espaco();
    AtualizaTela();
}

void Vantor::M_Config_Click() {
    if (!EmLuta()) Configura();
}

void Vantor::M_Sumula_Click() { Sumula(); }

void Vantor::Configura() {
    luta_.MostraConfiguracao();
    L_Pontos_DblClick(0);
}

// The configuration sequence: only between fights; the dialog, then captions and a new fight.
void Vantor::L_Pontos_DblClick(int /*Index*/) {
    if (EmLuta()) return;
    const AoFim fim{*this};
    Form2 dialogo(*this, plat_);
    dialogo.Form_Load();
    plat_.MostraConfiguracao(dialogo);
    // A window closed during the assignment ends the program: no new fight is begun.
    if (juizes_.Configurando_b == Juizes::kPedeConfiguracao && !ConfiguraBotoes()) return;
    Acerta_Idioma();
    ZeraLuta();
}

bool Vantor::Clique(const std::string& nome, Toque toque) {
    struct Rota {
        const char* nome;
        void (Vantor::*clique)();
        bool duplo;  // a double click takes the step again: a fast second press is not lost
    };
    static const Rota rotas[] = {
        {"K_Amais", &Vantor::K_Amais_Click, true},    {"K_Amenos", &Vantor::K_Amenos_Click, true},
        {"K_VMais", &Vantor::K_VMais_Click, true},    {"K_Vmenos", &Vantor::K_Vmenos_Click, true},
        {"K_FAMais", &Vantor::K_FAMais_Click, true},  {"K_FAMenos", &Vantor::K_FAMenos_Click, true},
        {"K_FVMais", &Vantor::K_FVMais_Click, true},  {"K_FVMenos", &Vantor::K_FVMenos_Click, true},
        {"L_Msg", &Vantor::L_Msg_Click, false},       {"L_Tempo", &Vantor::L_Tempo_Click, false},
        {"M_Config", &Vantor::M_Config_Click, false}, {"M_Minuto", &Vantor::M_Minuto_Click, false},
        {"M_Sumula", &Vantor::M_Sumula_Click, false},
    };
    if (Capturando()) return false;
    const AoFim fim{*this};
    if (nome == "L_Pontos") {
        if (toque != Toque::DuploClique) return false;
        L_Pontos_DblClick(0);
        return true;
    }
    for (const Rota& r : rotas) {
        if (nome != r.nome) continue;
        if (toque == Toque::DuploClique && !r.duplo) return false;
        (this->*r.clique)();
        return true;
    }
    return false;
}

}  // namespace vantor
