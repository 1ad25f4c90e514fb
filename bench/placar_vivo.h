// A live scoreboard inside a benchmark program: the real window over a Vantor record on the real Qt
// platform (SDL controllers included), with its logs, settings and button map in a private folder,
// and two hooks for timing what happens: after each paint, and around each timer event.
#pragma once

#include <QApplication>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "app/vantor.h"
#include "medidas.h"
#include "ui/janela_placar.h"
#include "ui/montagem.h"

namespace vantor::bench {

// Makes the QApplication for a benchmark, offscreen with two screens unless the caller's environment chose a
// platform.
std::unique_ptr<QApplication> AplicacaoOffscreen(int& argc, char** argv);

// Delivers the window's paint events itself, to count them, time them and tell a listener each time a paint
// has finished.
class MedePintura : public QObject {
public:
    std::function<void()> aposPintar;
    long quadros = 0;              // paints finished
    Relogio::duration pintando{};  // wall time spent inside them

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    bool dentro_ = false;
};

// Delivers every timer event of the application itself, so a listener learns when each began and can
// look at the scoreboard as soon as its handler (a clock tick, a controller poll) has returned.
class ObservaTimers : public QObject {
public:
    std::function<void()> antes;
    std::function<void(Instante inicio)> depois;

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    bool dentro_ = false;
};

class PlacarVivo {
public:
    struct Opcoes {
        int segundosRound = 0;  // 0: the default round length
        std::string botoes;     // contents of botoes.cfg; empty: no file, the built-in map
    };

    // Needs the QApplication. Works in its own folder (TEMP and the current folder point there) until
    // it is destroyed. Both windows, the operator's and the audience's, are shown and exposed when this returns.
    explicit PlacarVivo(const Opcoes& opcoes);
    ~PlacarVivo();
    PlacarVivo(const PlacarVivo&) = delete;
    PlacarVivo& operator=(const PlacarVivo&) = delete;

    // A key pressed and released on the window, as the window system delivers it.
    void Tecla(Qt::Key tecla);
    // Runs the event loop for a while.
    static void Espera(int milissegundos);

    PastaTemporaria pasta;
    std::unique_ptr<ui::Montagem> programa;
    ui::PlataformaQt* plataforma = nullptr;
    Vantor* v = nullptr;
    ui::JanelaPlacar* janela = nullptr;
    QWidget* plateia = nullptr;
    MedePintura pintura, pinturaPlateia;
    long polls = 0;  // Timer_Joystick ticks that reached the controllers

private:
    std::filesystem::path antes_;
};

}  // namespace vantor::bench
