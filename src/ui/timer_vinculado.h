// A real Qt timer that follows one of the core's timers: it runs while the core's timer is
// enabled, restarts whenever the core restarts it or changes its interval, and calls a handler
// at each tick.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/timer.h"
#include "ui/agenda_ticks.h"

namespace vantor::ui {

class TimerVinculado : public QObject {
    Q_OBJECT
public:
    enum class Modo {
        // Deadlines at t0 + n * interval from each (re)start: a clock that must not drift.
        SemDeriva,
        // A plain repeating timer, for polling where the phase does not matter.
        Repetido,
    };

    TimerVinculado(const Timer& dados, std::function<void()> aoTick, Modo modo, QObject* pai = nullptr);

    // Brings the Qt timer in line with the core's timer data; call after every handled event. A restart counts
    // from `desde`, the moment the event that asked for it began (no earlier than an interval ago): the clock
    // starts when the operator's key came, not after the handler's disk writes.
    void Sincroniza(AgendaTicks::Instante desde = AgendaTicks::Relogio::now());

    bool Rodando() const { return rodando_; }
    const AgendaTicks& Agenda() const { return agenda_; }

signals:
    // After each tick's handler has run.
    void Disparou();

private:
    void Dispara();
    void Arma();

    const Timer& dados_;
    std::function<void()> aoTick_;
    Modo modo_;
    QTimer qtimer_;
    AgendaTicks agenda_;
    bool rodando_ = false;
    int intervalo_ = 0;
    unsigned reinicios_ = 0;
};

}  // namespace vantor::ui
