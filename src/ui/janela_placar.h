// The scoreboard window: lays out and paints the table's board, hands keys, clicks and timer ticks to the
// table's handlers, and keeps its Qt timers in line with the table's timers.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/vantor.h"
#include "ui/controles.h"
#include "ui/timer_vinculado.h"

namespace vantor::ui {

class JanelaPlacar : public QWidget {
    Q_OBJECT
public:
    // The board's layout scaled to a screen of `tela` pixels, the window sized to it; Timer_Luta and
    // Timer_Joystick run from here on.
    JanelaPlacar(Vantor& v, QSize tela, QWidget* pai = nullptr);
    ~JanelaPlacar() override;

    // Binds a core timer to its handler. Each tick runs the handler, then Sincroniza() and a
    // repaint. The binding lives as long as the window.
    TimerVinculado& LigaTimer(const Timer& timer, std::function<void()> handler,
                              TimerVinculado::Modo modo = TimerVinculado::Modo::Repetido);

    // Brings every bound Qt timer in line with the core's timer data; `desde`: when the event began.
    void Sincroniza(AgendaTicks::Instante desde = AgendaTicks::Relogio::now());

    // When the table's board changed since the last paint: laid out anew, repainted, and `Mudou` said.
    void Redesenha();

    // The board's controls as laid out here, showing what the table last said.
    const Form1Controles& Tela() const { return tela_; }

    // The topmost visible control under a pixel that takes clicks or double clicks, or nullptr.
    const Controle* ControleEm(QPoint ponto) const;

    const TimerVinculado& TimerLuta() const { return *timerLuta_; }
    const TimerVinculado& TimerJoystick() const { return *timerJoystick_; }

signals:
    // What the board shows changed: other views of the record repaint in the same turn of the event loop.
    void Mudou();
    // F2: show or hide the audience's board. The key never reaches the record, so it writes nothing to the log.
    void PediuPlateia();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void Toca(QPoint ponto, Toque toque);
    void Depois(AgendaTicks::Instante desde);
    unsigned versao_ = 0;  // of the last board asked to be painted

    Vantor& v_;
    Form1Controles tela_;
    std::vector<std::unique_ptr<TimerVinculado>> timers_;
    TimerVinculado* timerLuta_ = nullptr;
    TimerVinculado* timerJoystick_ = nullptr;
};

}  // namespace vantor::ui
