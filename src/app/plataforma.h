// Everything the core asks of the outside world. The Qt program implements it for real;
// tests implement a fake that records calls and scripts answers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/conferencia.h"
#include "log/momento.h"

namespace vantor {

class Form2;
class FormSom;

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // Present local date and time, one reading.
    virtual Momento Agora() = 0;
    // The log's time stamp for a moment: the system's short date with a four-digit year, a blank, then its time
    // with the hundredths after the seconds ("06/12/2026 14:03:27,45").
    virtual std::string Carimbo(const Momento& m) = 0;

    // Environment variable, "" when unset.
    virtual std::string Ambiente(const std::string& nome) = 0;
    // Folder that holds the program's executable.
    virtual std::string PastaPrograma() = 0;
    // Screen size in pixels.
    virtual int LarguraTela() = 0;
    virtual int AlturaTela() = 0;

    // Plays a WAV file asynchronously, cutting any cue still playing; silence when it cannot.
    virtual void TocaWav(const std::string& arquivo) = 0;
    // The cue files as they are now set: decoded ahead, so that playing one later is cheap. Called at start-up
    // and whenever the settings change; returns at once.
    virtual void PreparaSons(const std::vector<std::string>& arquivos) = 0;

    // The interface's language (0..2) for what the toolkit itself writes: its buttons and standard dialogs.
    virtual void DefineLingua(int /*lingua*/) {}

    // Message box with OK and Cancel, Cancel the default unless `okPadrao`; true when OK was chosen.
    virtual bool PerguntaOkCancela(const std::string& texto, const std::string& titulo, bool okPadrao) = 0;
    // Message box with OK only.
    virtual void Avisa(const std::string& texto, const std::string& titulo) = 0;

    // Shows the configuration dialog modally, its controls and handlers being `dialogo`; returns when it
    // has closed (by OK, Cancel or the window's close button).
    virtual void MostraConfiguracao(Form2& dialogo) = 0;
    // Shows the sound-file chooser modally over the dialog; returns when it has closed.
    virtual void MostraEscolhaSom(FormSom& escolha) = 0;
    // Shows the ring check modally, over the dialog when one is open, asking `consulta` for what to show as often as
    // it repaints; returns when it has closed. Without a screen there is nothing to show.
    virtual void MostraConferencia(const std::function<ConferenciaDoRinque()>& /*consulta*/) {}

    // Asks the operator for a file to open, titled `titulo`, among those whose names match `filtro` (a name filter
    // such as "CSV (*.csv *.txt)"); "" when none was chosen.
    virtual std::string EscolheArquivo(const std::string& /*titulo*/, const std::string& /*filtro*/) { return ""; }

    // Shows the fight's log, `arquivo` ("" before there is one), to the operator without waiting: in the desktop's
    // text editor, or else in a window of the program's own with its texts in language `lingua`.
    virtual void AbreSumula(const std::string& arquivo, int lingua) = 0;

    // Ends the process at once, nothing saved.
    virtual void Encerra() = 0;

    // Number of controller slots, and one poll's reading of a slot's inputs (controllers/entradas.h): false, and
    // nothing pressed, when the slot is empty or the read failed.
    virtual int joyGetNumDevs() = 0;
    virtual bool joyGetPos(int slot, uint16_t& entradas) = 0;
    // How many controllers are plugged in right now.
    virtual int ControlesConectados() = 0;
    // The controllers that hold a slot now, in any order; none where the platform has no controllers.
    virtual std::vector<ControleConectado> ListaControles() { return {}; }
    // Takes in what the controllers did since the last poll; each poll calls it before reading the slots.
    virtual void BombeiaControles() = 0;
    // True while two connected controllers cannot be told apart (same model, no serial number, no known port):
    // replugged in the other order they would swap judges.
    virtual bool ControlesDuvidosos() = 0;

    // Lets the event loop deliver what is pending (ticks, keys, clicks) while the core waits;
    // false once the program has no open window left.
    virtual bool EsperaEventos() = 0;
};

}  // namespace vantor
