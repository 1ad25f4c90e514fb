// The match clock's schedule: deadlines from the start, no drift, no bursts after a stall.
#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <vector>

#include "ui/agenda_ticks.h"
#include "ui/timer_vinculado.h"

namespace vantor::ui {
namespace {

using namespace std::chrono_literals;
const AgendaTicks::Instante kT0 = AgendaTicks::Instante{} + 1000s;

TEST(AgendaTicks, NextTickIsTheFirstDeadlineStillAhead) {
    const struct {
        const char* caso;
        int64_t ultimo;
        AgendaTicks::Duracao agora;
        int64_t proximo;
    } casos[] = {
        {"nothing fired yet", 0, 0ms, 1},
        {"fired exactly on its deadline", 2, 2s, 3},
        {"woke a hair early: never the same tick again", 5, 5s - 1ms, 6},
        {"stalled past two deadlines: they are skipped, not burst", 1, 3500ms, 4},
        {"a reading before the start", 0, -1s, 1},
    };
    for (const auto& c : casos)
        EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 1s, c.ultimo, kT0 + c.agora), c.proximo) << c.caso;
    EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 0s, 7, kT0 + 5s), 8) << "no interval";
}

TEST(AgendaTicks, LateTicksDoNotDriftAndARestartRealigns) {
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    // Every tick 30 ms late: counted from the last tick instead, a three-minute round would lose 5.4 s.
    for (int n = 1; n <= 180; ++n) {
        ASSERT_EQ(a.Prazo(), kT0 + n * 1s);
        a.Cumpre(a.Prazo() + 30ms);
    }
    a.Inicia(kT0 + 180400ms, 1s);
    EXPECT_EQ(a.Prazo(), kT0 + 181400ms);
    a.Cumpre(a.Prazo());
    EXPECT_EQ(a.Prazo(), kT0 + 182400ms);
}

// The real Qt timer on the schedule: each tick on its own deadline, never before it; a restart by
// the core realigns it and none come once the core's timer is off. How late ticks come is the clock
// benchmark's to measure, not a test's.
TEST(TimerVinculado, RealTicksComeOnTheirDeadlinesAndStopWithTheCoreTimer) {
    Timer dados{true, 20, 1};
    std::vector<std::pair<int64_t, AgendaTicks::Instante>> ticks;
    TimerVinculado* t = nullptr;
    TimerVinculado timer(
        dados, [&] { ticks.emplace_back(t->Agenda().Proximo() - 1, AgendaTicks::Relogio::now()); },
        TimerVinculado::Modo::SemDeriva);
    t = &timer;
    const auto inicio = AgendaTicks::Relogio::now();
    timer.Sincroniza();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 25; }, 5000));
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i].second - inicio, ticks[i].first * 20ms) << "tick " << ticks[i].first;
        if (i > 0) {
            EXPECT_GT(ticks[i].first, ticks[i - 1].first);
        }
    }

    // A restart by the core starts the count again from now.
    dados.SetEnabled(false);
    dados.SetEnabled(true);
    timer.Sincroniza();
    EXPECT_EQ(timer.Agenda().Proximo(), 1);
    dados.SetEnabled(false);
    timer.Sincroniza();
    EXPECT_FALSE(timer.Rodando());
    const size_t parado = ticks.size();
    QTest::qWait(100);
    EXPECT_EQ(ticks.size(), parado);
}

}  // namespace
}  // namespace vantor::ui
