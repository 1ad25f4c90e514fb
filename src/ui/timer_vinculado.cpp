#include "ui/timer_vinculado.h"

#include <algorithm>
#include <chrono>

namespace vantor::ui {

TimerVinculado::TimerVinculado(const Timer& dados, std::function<void()> aoTick, Modo modo, QObject* pai)
    : QObject(pai), dados_(dados), aoTick_(std::move(aoTick)), modo_(modo) {
    qtimer_.setTimerType(Qt::PreciseTimer);
    qtimer_.setSingleShot(modo_ == Modo::SemDeriva);
    connect(&qtimer_, &QTimer::timeout, this, &TimerVinculado::Dispara);
}

void TimerVinculado::Sincroniza(AgendaTicks::Instante desde) {
    // An interval of 0 stops a timer just as disabling it does.
    if (!dados_.Enabled || dados_.Interval <= 0) {
        qtimer_.stop();
        rodando_ = false;
        return;
    }
    if (rodando_ && intervalo_ == dados_.Interval && reinicios_ == dados_.Restarts) return;
    rodando_ = true;
    intervalo_ = dados_.Interval;
    reinicios_ = dados_.Restarts;
    if (modo_ == Modo::Repetido) {
        qtimer_.start(intervalo_);
    } else {
        const std::chrono::milliseconds intervalo(intervalo_);
        agenda_.Inicia(std::max(desde, AgendaTicks::Relogio::now() - intervalo), intervalo);
        Arma();
    }
}

void TimerVinculado::Arma() {
    using namespace std::chrono;
    const auto falta = agenda_.Prazo() - AgendaTicks::Relogio::now();
    // Rounded up: Qt counts whole milliseconds, and waking before the deadline would only mean
    // waiting again.
    const auto ms = falta > AgendaTicks::Duracao::zero() ? ceil<milliseconds>(falta).count() : 0;
    qtimer_.start(static_cast<int>(ms));
}

void TimerVinculado::Dispara() {
    if (modo_ == Modo::SemDeriva) {
        const auto agora = AgendaTicks::Relogio::now();
        if (agora < agenda_.Prazo()) {
            Arma();
            return;
        }
        agenda_.Cumpre(agora);
        // Armed before the handler runs, so a handler that restarts the core's timer (and so
        // this one, through Sincroniza) has the last word.
        Arma();
    }
    aoTick_();
    emit Disparou();
}

}  // namespace vantor::ui
