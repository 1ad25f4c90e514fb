// The outside world of the scoreboard, through Qt: clock and locale, environment, screen, sound,
// message boxes, the scoresheet (the desktop's editor or our own window) and the end of the process.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <memory>

#include "app/plataforma.h"

namespace vantor {
class SomSDL;
class ControlesSDL;
}  // namespace vantor

namespace vantor::ui {

class JanelaSumula;

class PlataformaQt : public Plataforma {
public:
    // Needs the QApplication already made (the program folder and the screen come from it).
    PlataformaQt();
    ~PlataformaQt() override;
    PlataformaQt(const PlataformaQt&) = delete;
    PlataformaQt& operator=(const PlataformaQt&) = delete;

    // The window the dialogs and message boxes belong to; they centre on it and name it when untitled.
    void DefineJanela(QWidget* janela) { janela_ = janela; }

    Momento Agora() override;
    std::string Carimbo(const Momento& m) override;
    std::string Ambiente(const std::string& nome) override;
    std::string PastaPrograma() override;
    int LarguraTela() override;
    int AlturaTela() override;
    void TocaWav(const std::string& arquivo) override;
    void PreparaSons(const std::vector<std::string>& arquivos) override;
    void DefineLingua(int lingua) override;
    bool PerguntaOkCancela(const std::string& texto, const std::string& titulo, bool okPadrao) override;
    void Avisa(const std::string& texto, const std::string& titulo) override;
    void MostraConfiguracao(Form2& dialogo) override;
    void MostraEscolhaSom(FormSom& escolha) override;
    std::string EscolheArquivo(const std::string& titulo, const std::string& filtro) override;
    void MostraConferencia(const std::function<ConferenciaDoRinque()>& consulta) override;
    void AbreSumula(const std::string& arquivo, int lingua) override;
    [[noreturn]] void Encerra() override;
    int joyGetNumDevs() override;
    bool joyGetPos(int slot, uint16_t& entradas) override;
    int ControlesConectados() override;
    std::vector<ControleConectado> ListaControles() override;
    bool EsperaEventos() override;
    void BombeiaControles() override;
    bool ControlesDuvidosos() override;

private:
    QString Titulo(const std::string& titulo) const;
    // The window a new box or chooser goes over: the configuration dialog while it is open.
    QWidget* Dono() const;

    QPointer<QWidget> janela_;
    // Qt's own translation of its buttons and standard dialogs, for the interface's language.
    std::unique_ptr<QTranslator> traducao_;
    int lingua_ = -1;
    QPointer<QWidget> configuracao_;
    // The scoresheet's window, made the first time it is needed and then reused. It belongs to the board when
    // there is one, and to the platform otherwise.
    QPointer<JanelaSumula> sumula_;
    // What an opener reports after the platform has gone goes nowhere: the reports are bound to this.
    QObject vida_;
    // In this order: SDL starts on the window's thread (the joystick subsystem, and the event one with it)
    // before the sound worker starts its audio, and the worker has let go of SDL before the joysticks quit.
    std::unique_ptr<ControlesSDL> controles_;
    std::unique_ptr<SomSDL> som_;
};

}  // namespace vantor::ui
