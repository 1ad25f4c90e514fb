// Clock accuracy: the real window runs a round offscreen while the controllers are polled twenty
// times a second and another process keeps one core busy. Every tick of the match clock is timed
// against the monotonic clock and compared with its ideal moment, n seconds after the Enter key.
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <vector>

#include "placar_vivo.h"

using namespace vantor;
using namespace vantor::bench;

int main(int argc, char** argv) {
    const long segundos = std::max(1L, Opcao(argc, argv, "--segundos", 120));
    const bool cadaTick = Opcao(argc, argv, "--ticks", 0) != 0;  // --ticks 1 lists every tick's deviation
    VizinhoOcupado vizinho;                                      // forked before Qt and SDL start threads
    auto app = AplicacaoOffscreen(argc, argv);
    std::printf(
        "bench_relogio: match clock over %ld s, window offscreen (%s), 16 controller slots polled, "
        "one core kept busy by another process\n",
        segundos, qPrintable(QApplication::platformName()));
    std::fflush(stdout);

    // The round outlasts the run, so every tick counts down the same round.
    PlacarVivo placar({.segundosRound = static_cast<int>(segundos) + 30, .botoes = ""});
    const ui::TimerVinculado& relogio = placar.janela->TimerLuta();

    ObservaTimers observa;
    bool contando = false;
    int64_t proximoAntes = 0;
    long saltados = 0;
    std::vector<Instante> ticks;
    QEventLoop laco;
    observa.antes = [&] { proximoAntes = relogio.Agenda().Proximo(); };
    observa.depois = [&](Instante inicio) {
        const int64_t proximo = relogio.Agenda().Proximo();
        if (!contando || proximo == proximoAntes) return;
        saltados += proximo - proximoAntes - 1;
        ticks.push_back(inicio);
        if (static_cast<long>(ticks.size()) >= segundos) laco.quit();
    };
    QApplication::instance()->installEventFilter(&observa);

    PlacarVivo::Espera(1500);  // start-up settles; controllers are looked for
    const long pollsAntes = placar.polls, quadrosAntes = placar.pintura.quadros;
    const Instante t0 = Relogio::now();
    placar.Tecla(Qt::Key_Return);
    const Instante depoisEnter = Relogio::now();
    contando = true;
    if (!placar.v->Luta().LutaIniciada) std::printf("  the Enter key did not start the fight\n");
    const auto& agenda = relogio.Agenda();
    const Instante inicioAgenda = agenda.Prazo() - agenda.Intervalo() * agenda.Proximo();
    const int16_t tempoInicial = placar.v->Luta().TempoRestante;

    QTimer::singleShot(static_cast<int>((segundos + 10) * 1000), &laco, &QEventLoop::quit);
    laco.exec();
    const long polls = placar.polls - pollsAntes, quadros = placar.pintura.quadros - quadrosAntes;
    const Instante fim = Relogio::now();
    vizinho.Para();
    QApplication::instance()->removeEventFilter(&observa);

    const long n = static_cast<long>(ticks.size());
    if (n == 0) {
        std::printf("  no tick of the match clock was seen: MISSED\n");
        return 0;
    }
    std::vector<double> desvios;
    for (long i = 0; i < n; ++i) {
        desvios.push_back(std::fabs(Ms(ticks[i] - (t0 + std::chrono::seconds(i + 1)))));
        if (cadaTick) std::printf("  tick %3ld: %+8.3f ms\n", i + 1, Ms(ticks[i] - (t0 + std::chrono::seconds(i + 1))));
    }
    const double deriva = Ms(ticks.back() - (t0 + std::chrono::seconds(n)));
    const double ppm = deriva / (static_cast<double>(n) * 1000.0) * 1e6;

    Conta("ticks seen", n);
    Conta("ticks skipped by the schedule", saltados);
    Conta("seconds the round clock counted down", tempoInicial - placar.v->Luta().TempoRestante);
    Informa("controller polls per second", polls / Ms(fim - t0) * 1000.0, "/s");
    Informa("frames painted per second", quadros / Ms(fim - t0) * 1000.0, "/s");
    Informa("Enter key handled in", Ms(depoisEnter - t0), "ms");
    Informa("clock schedule began after the key by", Ms(inicioAgenda - t0), "ms");
    Informa("drift of the last tick, signed (+ is late)", deriva, "ms");
    Figura("|drift| of the last tick (" + std::to_string(n) + " s)", std::fabs(deriva), "ms",
           0.1 * static_cast<double>(n));
    Figura("|drift| rate", std::fabs(ppm), "ppm", 100);
    Informa("tick deviation from ideal, p50", Percentil(desvios, 50), "ms");
    Figura("tick deviation from ideal, p99", Percentil(desvios, 99), "ms", 5);
    Informa("tick deviation from ideal, max", Percentil(desvios, 100), "ms");
    return 0;
}
