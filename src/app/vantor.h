// The scoreboard: the record, in parts owned by their subsystems, and every operation on it. One instance per
// process (a test makes its own); the operations live in their subsystems' folders.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/arquivos_programa.h"
#include "app/placar.h"
#include "app/plataforma.h"
#include "app/timer.h"
#include "controllers/juizes.h"
#include "lang/idioma.h"
#include "log/destino.h"
#include "log/gravador.h"
#include "log/resultados.h"
#include "luta/luta.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"
#include "settings/lutas.h"
#include "settings/modelos.h"

namespace vantor {

// Virtual-key codes the scoreboard reacts to.
namespace tecla {
constexpr int Retrocesso = 8, Enter = 13, Esc = 27, Espaco = 32, PgUp = 33, PgDn = 34, Esquerda = 37, Acima = 38,
              Direita = 39, Abaixo = 40;
constexpr int F3 = 114, Um = 49, A = 65, C = 67, D = 68, J = 74, P = 80, R = 82, S = 83, U = 85, V = 86, W = 87,
              F1 = 112, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123;
constexpr int Alt = 4;
}  // namespace tecla

constexpr const char* kTitulo = "Vantor";
constexpr const char* kArquivoTrava = "vantor.trava";  // held by the program that owns the logs folder

// The main window's controls and timers, as the front end renders and runs them.
struct Form1 {
    Placar tela;
    Timer Timer_Luta{true, 1000, 1};
    Timer Timer_Joystick{true, 50, 1};
    std::array<Timer, kBotoes + 1> Timer_Botao = TimersBotao();  // 1..30

private:
    static std::array<Timer, kBotoes + 1> TimersBotao() {
        std::array<Timer, kBotoes + 1> t{};
        for (auto& timer : t) timer.Interval = 2000;
        return t;
    }
};

// The scoreboard: the record's parts, each a plain struct owned by its subsystem's folder, and every handler.
// Outside code reads the parts through const views and changes them only through the handlers and the few
// named operations below.
class Vantor {
public:
    explicit Vantor(Plataforma& plataforma) : plat_(plataforma) {}
    Vantor(const Vantor&) = delete;
    Vantor& operator=(const Vantor&) = delete;

    // ---- What the front end draws and the tests read ----
    const Ajustes& Config() const { return ajustes_; }
    const EstadoLuta& Luta() const { return luta_.Estado(); }
    const Juizes& Botoes() const { return juizes_; }
    const DestinoLog& Log() const { return log_; }
    const TabelaIdioma& Tabela() const { return idioma_; }
    const Form1& Janela() const { return janela_; }
    const Placar& Tela() const { return janela_.tela; }
    // Changes whenever what the boards show may have changed: a window repaints when it differs from the last.
    unsigned VersaoDaTela() const { return versaoTela_; }
    std::string Traduz(int entrada) const;  // in the current language
    // The logs' folder itself ("" before start-up), and the saved fight's file beside the logs.
    std::string PastaDosLogs() const;
    std::string CaminhoDiario() const;
    // Where the program's own files are; the settings and the button map read and written.
    const ArquivosDoPrograma& Arquivos() const { return arquivos_; }

    // ---- Start-up, the operator, the timers ----
    void Form_Load();
    // Form_Load found another program owning the logs folder and stopped: this one must end, having written nothing.
    bool OutroPrograma() const { return outroPrograma_; }
    void Form_KeyDown(int KeyCode, int Shift);
    // Routes a mouse event on a named control to its handler; false when the control has none.
    bool Clique(const std::string& nome, Toque toque);
    void Timer_Luta_Timer();
    void Timer_Joystick_Timer();
    void Timer_Botao_Timer(int k);
    // The front end says whether the audience's board shows; the operator's board marks it.
    void PlateiaNaTela(bool mostra);

    // ---- The configuration dialog ----
    // Puts new settings in place as they are, with no log line and no file written; cues are prepared again.
    void DefineAjustes(const Ajustes& ajustes);
    // The dialog's OK: the new settings, the fight counter restarted, the log line and the settings file.
    void ConfirmaConfiguracao(Ajustes ajustes);
    // A model of settings chosen at start (`vantor --modelo`): as if its values were typed in the dialog and
    // confirmed, and a new fight begun. False, changing nothing, while a fight runs.
    bool UsaModelo(const Modelo& m);
    // The models the program has: shipped and the user's.
    Modelos LeModelos() const;
    // The dialog's request to run the button assignment when it closes.
    void PedeConfiguracaoBotoes() { juizes_.Configurando_b = Juizes::kPedeConfiguracao; }

    // ---- The ring's list of bouts (app/lista.cpp) ----
    // A list's bytes checked (its models among those the program has) and, when sound, put in place of the one
    // loaded and kept for the next start; the bout loaded stays current when the new list has its number. Between
    // bouts only. "" when loaded; otherwise why not, in the current language, and the list loaded before stays.
    std::string CarregaLista(const std::string& bytes);
    const ListaDeLutas& Lista() const { return lista_; }
    // The list's bout now loaded (-1: none of the list's) and the one Page Down loads next (-1: none).
    int LutaAtual() const { return lista_.Acha(ajustes_.NumeroLuta); }
    int ProximaLuta() const;
    // A bout of the list into the settings as the dialog's OK puts them (names, second lines, the bout's texts, its
    // model) and a new fight: between bouts or once the bout is decided. False, changing nothing, otherwise.
    bool CarregaLuta(int indice);
    // The list's bout `b` over the settings `a`: false, with `a` untouched, when its model is no longer there.
    bool AjustesDaLuta(const LutaDaLista& b, Ajustes& a) const;

    // ---- The ring check of the judges' controllers (app/conferencia.cpp) ----
    // Shows it between bouts (the key J, the dialog's button) and returns when it has closed; its lamps start unseen.
    void ConfereRinque();
    // What it shows now: the connected controllers with the buttons each serves, the judges without one, the lamps.
    ConferenciaDoRinque Conferencia() const;

    // ---- The disk ----
    // Waits until the disk has taken everything or refused it (at most `ms` when given); a test calls it before it
    // reads a file, the window before it closes.
    void EsperaDisco(int ms = -1);
    // From now on the disk's work leaves the window's thread (the program; a test or a fuzz target does without).
    void DiscoEmSegundoPlano();
    // Called with each state about to be saved, before it replaces the last one (on the disk's worker).
    void AoGuardar(std::function<void(const Diario&)> f) { gravador_.AoGuardar(std::move(f)); }
    // Puts a whole fight state in place (a restored fight, a test's scene) and refreshes the board.
    void RestauraLuta(const EstadoLuta& luta);

private:
    // Ends a handler with Guarda, whichever way it returns; the board is new unless the handler says it is not.
    struct AoFim {
        Vantor& v;
        bool mudaTela = true;
        ~AoFim() {
            if (mudaTela) ++v.versaoTela_;
            v.Guarda();
        }
    };

    // ---- Operator commands (app/comandos.cpp) ----
    bool EmLuta() const { return PermiteEm(luta_.FaseAtual()).teclasDaLuta; }
    void K_Amais_Click();
    void K_Amenos_Click();
    void K_VMais_Click();
    void K_Vmenos_Click();
    void K_FAMais_Click();
    void K_FAMenos_Click();
    void K_FVMais_Click();
    void K_FVMenos_Click();
    void L_Msg_Click();
    void L_Tempo_Click();
    void M_Config_Click();
    void M_Minuto_Click();
    void M_Sumula_Click();
    void L_Pontos_DblClick(int Index);
    void Configura();
    void PontoAMais();
    void PontoAMenos();
    void PontoVMais();
    void PontoVMenos();
    void AMais();
    void AMenos();
    void VMais();
    void VMenos();

    // ---- The fight's clock and its followers (app/relogio.cpp) ----
    void Inicio_Luta();
    void Espaco();
    void Minuto();
    // Where the fight's events go: the log, the cues, the message line, the clock.
    void Segue(const Evento& e);
    void ResetaTimer();
    void TocaSom(int n);

    // ---- The board (app/tela.cpp, app/atualiza.cpp, app/zera.cpp) ----
    // The message line, on both boards.
    void Mensagem(const std::string& m, Tom tom);
    // What the hall's board shows of the message line instead: "" leaves an operator's prompt off it.
    void MensagemPlateia(const std::string& m);
    // The rules asked, then the board drawn from the state.
    void AtualizaTela();
    // The board drawn from the state and the settings, without asking the rules.
    void MostraLuta();
    void ZeraLuta();

    // ---- Log, saved fight and scoresheet (app/log.cpp) ----
    // Hands the fight (when it changed) and the event's log lines to the disk's worker, which saves the one and
    // then writes the others. Every handler ends with it.
    void Guarda();
    void GravaLog(const std::string& texto);
    std::string LogTR() const { return luta_.LogTR(); }
    void Sumula();
    // Time stamp of a log line, taken from one clock reading.
    std::string Carimbo();
    void PreparaPastaLog();
    // Start-up: the saved fight's waiting lines written; true when the operator took the fight back.
    bool Continua();

    // ---- Language (app/legendas.cpp) ----
    void CarregaIdioma();
    void Acerta_Idioma();

    // ---- Controllers, judges' agreement, button map (app/controles_leitura.cpp, juizes.cpp, botoes.cpp) ----
    std::array<uint16_t, entrada::kSlots> LeControles();
    // The inputs newly pressed since the last poll, as judges' presses (or the press the assignment waits for).
    void Dispara(const std::array<uint16_t, entrada::kSlots>& novo);
    // One judge's press at the map's position `i`: its lamp, its window, its line; then the agreements.
    void Aperta(int i);
    void Checa(int b1, int b2, int b3, int Cor, int16_t p_Pontos);
    void PreparaBotoes();    // start-up: masks, default map, descriptions, then the button file
    bool ConfiguraBotoes();  // false when the window went away while it waited
    void AcendeLampada(int k, bool acesa);
    bool Capturando() const { return juizes_.Capturando(); }

    // ---- Settings file (app/config.cpp) ----
    void LeConfig();
    // Start-up: the list kept from the last run, and the bout it was at; the results file of the day made whole.
    void LeLista();

    Plataforma& plat_;
    ArquivosDoPrograma arquivos_{plat_};
    Ajustes ajustes_;
    Juizes juizes_;
    DestinoLog log_;
    TabelaIdioma idioma_;
    ::vantor::Luta luta_{ajustes_, idioma_, [this](const Evento& e) { Segue(e); }};
    Form1 janela_;
    ListaDeLutas lista_;
    Resultados resultados_;  // only the disk's worker touches it once there is one
    TravaDePasta trava_;     // let go only after the disk's worker has stopped
    bool outroPrograma_ = false;
    unsigned versaoTela_ = 0;
    int32_t vistos_ = 0;  // the buttons pressed since the ring check last opened, by their masks
    Gravador gravador_;   // last: it stops before the rest goes
};

}  // namespace vantor
