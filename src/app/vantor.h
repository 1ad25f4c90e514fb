// The scoreboard: the record, in parts owned by their subsystems, and every operation on it. One instance per
// process (a test makes its own); the operations live in their subsystems' folders.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/controles.h"
#include "app/plataforma.h"
#include "controllers/juizes.h"
#include "lang/idioma.h"
#include "log/destino.h"
#include "log/gravador.h"
#include "luta/luta.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"

namespace vantor {

// Virtual-key codes the scoreboard reacts to.
namespace tecla {
constexpr int Enter = 13, Esc = 27, Espaco = 32, Esquerda = 37, Acima = 38, Direita = 39, Abaixo = 40;
constexpr int Um = 49, S = 83, F1 = 112, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121,
              F11 = 122, F12 = 123;
constexpr int Alt = 4;
}  // namespace tecla

constexpr const char* kTitulo = "Vantor";
constexpr const char* kArquivoBotoes = "botoes.cfg";
constexpr const char* kArquivoTrava = "vantor.trava";  // held by the program that owns the logs folder

// The main window's controls and timers, as the front end renders and runs them.
struct Form1 {
    Form1Controles tela;
    Timer Timer_Luta{true, 1000, 1};
    Timer Timer_Joystick{true, 50, 1};
    std::array<Timer, 19> Timer_Botao = TimersBotao();  // 1..18
    bool plateiaVisivel = false;  // whether the audience's board shows, as the front end last said

private:
    static std::array<Timer, 19> TimersBotao() {
        std::array<Timer, 19> t{};
        for (auto& timer : t) timer.Interval = 2000;
        return t;
    }
};

// The scoreboard: the record's parts, each a plain struct owned by its subsystem's folder, and every handler.
// Outside code reads the parts through const views and changes them only through the handlers and the few
// named operations below.
class Vantor {
public:
    explicit Vantor(Plataforma& plataforma) : plat(plataforma) {}
    Vantor(const Vantor&) = delete;
    Vantor& operator=(const Vantor&) = delete;

    Plataforma& plat;

    const Ajustes& Config() const { return ajustes_; }
    const EstadoLuta& Luta() const { return luta_.Estado(); }
    const Juizes& Botoes() const { return juizes_; }
    const DestinoLog& Log() const { return log_; }
    const TabelaIdioma& Tabela() const { return idioma_; }
    const Form1& Janela() const { return janela_; }
    const Form1Controles& tela() const { return janela_.tela; }

    // Hands the fight (when it changed) and the event's log lines to the disk's worker, which saves the one and
    // then writes the others. Every handler ends with it.
    void Guarda();
    // Guarda, then waits until the disk has taken everything or refused it (at most `ms` when given); a test calls
    // it before it reads a file.
    void EsperaDisco(int ms = -1);
    // From now on the disk's work leaves the window's thread (the program; a test or a fuzz target does without).
    void DiscoEmSegundoPlano();
    // Called with each state about to be saved, before it replaces the last one (on the disk's worker).
    void AoGuardar(std::function<void(const Diario&)> f) { gravador_.AoGuardar(std::move(f)); }

    // Puts a whole fight state in place (a restored fight, a test's scene) and refreshes the board.
    void RestauraLuta(const EstadoLuta& luta);
    // Puts new settings in place as they are, with no log line and no file written; cues are prepared again.
    void DefineAjustes(const Ajustes& ajustes);
    // The configuration dialog's OK: the new settings, the fight counter restarted, the log line and the
    // settings file.
    void ConfirmaConfiguracao(Ajustes ajustes);
    // The dialog's request to run the button assignment when it closes.
    void PedeConfiguracaoBotoes() { juizes_.Configurando_b = Juizes::kPedeConfiguracao; }

    // ---- Start-up and operator commands ----
    void Form_Load();
    // Form_Load found another program owning the logs folder and stopped: this one must end, having written nothing.
    bool OutroPrograma() const { return outroPrograma_; }
    // The logs' folder itself ("" before start-up).
    std::string PastaDosLogs() const;
    void Form_KeyDown(int KeyCode, int Shift);
    void K_Amais_Click();
    void K_Amenos_Click();
    void K_VMais_Click();
    void K_Vmenos_Click();
    void K_FAMais_Click();
    void K_FAMenos_Click();
    void K_FVMais_Click();
    void K_FVMenos_Click();
    void K_Amais_DblClick() { K_Amais_Click(); }
    void K_Amenos_DblClick() { K_Amenos_Click(); }
    void K_VMais_DblClick() { K_VMais_Click(); }
    void K_Vmenos_DblClick() { K_Vmenos_Click(); }
    void K_FAMais_DblClick() { K_FAMais_Click(); }
    void K_FAMenos_DblClick() { K_FAMenos_Click(); }
    void K_FVMais_DblClick() { K_FVMais_Click(); }
    void K_FVMenos_DblClick() { K_FVMenos_Click(); }
    void L_Msg_Click();
    void L_Tempo_Click();
    void M_Config_Click();
    void M_Minuto_Click();
    void M_Sumula_Click();
    void L_Pontos_DblClick(int Index);
    void Configura();
    // Routes a mouse event on a named control to its handler; false when the control has none.
    bool Clique(const std::string& nome, Toque toque);

    // ---- Match clock and sound cues ----
    void Timer_Luta_Timer();
    void Inicio_Luta();
    void Espaco();
    void Minuto();
    void ResetaTimer();
    void TocaSom(int n);

    // ---- Layout scaling and message line ----
    void ReajustaTela();
    // The message line, on both boards.
    void Mensagem(const std::string& m = "", uint32_t corfundo = 0, uint32_t corfrente = 0);
    // What the hall's board shows of the message line instead: "" leaves an operator's prompt off it.
    void MensagemPlateia(const std::string& m);
    // The front end says whether the audience's board shows; the operator's board marks it.
    void PlateiaNaTela(bool mostra);

    // ---- Scores and penalties ----
    void PontoAMais();
    void PontoAMenos();
    void PontoVMais();
    void PontoVMenos();
    void AMais();
    void AMenos();
    void VMais();
    void VMenos();

    // ---- Refresh, victory, reset ----
    // The rules asked, then the board drawn from the state.
    void AtualizaTela();
    void ZeraLuta();

    // ---- Log and scoresheet ----
    void GravaLog(const std::string& texto);
    std::string LogTR() const { return luta_.LogTR(); }
    void Sumula();
    // Time stamp of a log line, taken from one clock reading.
    std::string Carimbo();
    // The saved fight's file, beside the logs; "" before the logs' folder is known.
    std::string CaminhoDiario() const;

    // ---- Language ----
    void CarregaIdioma();
    std::string Traduz(int entrada) const;  // in the current language
    void Acerta_Idioma();

    // ---- Controllers, judges' agreement, button map ----
    void Timer_Joystick_Timer();
    std::string LeControles();
    static std::string BinarioBotoes(uint16_t palavra);
    void Dispara(const std::string& x);
    void Checa(int b1, int b2, int b3, int Cor, int16_t p_Pontos);
    void Timer_Botao_Timer(int k);
    void PreparaBotoes();    // start-up: masks, default map, descriptions, then the button file
    bool ConfiguraBotoes();  // false when the window went away while it waited
    bool LeBotoes();         // false when there is no usable button file; the map is then untouched
    bool GravaBotoes();      // false when the file could not be written; the old one stays
    void AcendeLampada(int k, bool acesa);
    bool Capturando() const { return juizes_.Capturando(); }

    // ---- Settings file ----
    void LeConfig();
    bool GravaConfig();  // false when the file could not be written; the old one stays
    std::string CaminhoConfig() const;
    std::string CaminhoBotoes() const;
    // Installed (the program's folder lies in a prefix with its data in ../share/vantor, or cannot be written):
    // settings and the button map go to the user's configuration folder, logs with no TEMP to the data folder.
    // Otherwise the program is portable and keeps its files where it runs.
    bool Instalado() const;
    // $XDG_CONFIG_HOME/vantor or $XDG_DATA_HOME/vantor (`dados`), with their defaults under $HOME.
    std::string PastaXdg(bool dados) const;
    // Where the cues that come with the program are: beside it, or in ../share/vantor once installed.
    std::string PastaSons() const;

private:
    // Ends a handler with Guarda, whichever way it returns.
    struct AoFim {
        Vantor& v;
        ~AoFim() { v.Guarda(); }
    };
    void PreparaPastaLog();
    // Start-up: the saved fight's waiting lines written; true when the operator took the fight back.
    bool Continua();
    // Whether the operator's fight keys are live (after Enter, until the reset).
    bool EmLuta() const { return PermiteEm(luta_.FaseAtual()).teclasDaLuta; }
    // Where the fight's events go: the log, the cues, the message line, the clock.
    void Segue(const Evento& e);
    // The board drawn from the state and the settings, without asking the rules.
    void MostraLuta();

    Ajustes ajustes_;
    Juizes juizes_;
    DestinoLog log_;
    TabelaIdioma idioma_;
    ::vantor::Luta luta_{ajustes_, idioma_, [this](const Evento& e) { Segue(e); }};
    Form1 janela_;
    TravaDePasta trava_;  // let go only after the disk's worker has stopped
    bool outroPrograma_ = false;
    Gravador gravador_;  // last: it stops before the rest goes
};

}  // namespace vantor
