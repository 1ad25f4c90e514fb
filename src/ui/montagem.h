// The program put together in one place: the Qt platform (with the SDL controllers and sound inside it), the
// record and the operator's window. main, the benchmarks and the tests all build the program here, so what they
// run is what the operator runs.
#pragma once

#include <QLocalServer>
#include <memory>

#include "app/vantor.h"
#include "ui/janela_placar.h"
#include "ui/plataforma_qt.h"
#include "ui/plateia.h"

namespace vantor::ui {

class Montagem {
public:
    // Needs the QApplication made. Starts the platform, runs the start-up and builds the window, not shown yet;
    // unless another program owns the logs folder, when there is no window.
    Montagem();
    ~Montagem();
    Montagem(const Montagem&) = delete;
    Montagem& operator=(const Montagem&) = delete;

    // Full screen and frameless, as the program runs; or an ordinary window (tests, benchmarks). Either way the
    // audience's board then fills a second screen, when there is one.
    void Mostra(bool telaCheia);

    // Another program owns the logs folder: it is asked to bring its board to the front (the operator double-clicked
    // the menu entry again, most likely). False when it could not be reached; the operator is then told.
    bool Duplicado() const { return v_->OutroPrograma(); }
    bool ChamaOOutro();

    PlataformaQt& Plataforma() { return *plataforma_; }
    Vantor& Placar() { return *v_; }
    JanelaPlacar& Janela() { return *janela_; }
    Plateia& Audiencia() { return *plateia_; }

private:
    // Built in this order and taken down in the reverse one: the window holds the record, the record the platform.
    std::unique_ptr<PlataformaQt> plataforma_;
    std::unique_ptr<Vantor> v_;
    std::unique_ptr<JanelaPlacar> janela_;
    std::unique_ptr<Plateia> plateia_;
    std::unique_ptr<QLocalServer> chamadas_;  // where a second start asks for the board
};

}  // namespace vantor::ui
