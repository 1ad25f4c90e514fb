// The scoreboard window: paints the core's controls, hands keys, clicks and timer ticks to the
// core's handlers, and keeps its Qt timers in line with the core's timers.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/vantor.h"
#include "ui/timer_vinculado.h"

namespace vantor::ui {

class JanelaPlacar : public QWidget {
    Q_OBJECT
public:
    // Sized to the core's (already scaled) layout; Timer_Luta and Timer_Joystick run from here on.
    explicit JanelaPlacar(Vantor& v, QWidget* pai = nullptr);
    ~JanelaPlacar() override;

    // Binds a core timer to its handler. Each tick runs the handler, then sincroniza() and a
    // repaint. The binding lives as long as the window.
    TimerVinculado& LigaTimer(const Timer& timer, std::function<void()> handler,
                              TimerVinculado::Modo modo = TimerVinculado::Modo::Repetido);

    // Brings every bound Qt timer in line with the core's timer data; `desde`: when the event began.
    void sincroniza(AgendaTicks::Instante desde = AgendaTicks::Relogio::now());

    // The topmost visible control under a pixel that takes clicks or double clicks, or nullptr.
    const Controle* ControleEm(QPoint ponto) const;

    const TimerVinculado& TimerLuta() const { return *timerLuta_; }
    const TimerVinculado& TimerJoystick() const { return *timerJoystick_; }

signals:
    // What the board shows changed: other views of the record repaint in the same turn of the event loop.
    void mudou();
    // F2: show or hide the audience's board. The key never reaches the record, so it writes nothing to the log.
    void pediuPlateia();

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
    std::vector<std::unique_ptr<TimerVinculado>> timers_;
    TimerVinculado* timerLuta_ = nullptr;
    TimerVinculado* timerJoystick_ = nullptr;
};

}  // namespace vantor::ui
