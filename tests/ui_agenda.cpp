// The match clock's schedule: deadlines from the start, no drift, no bursts after a stall; and the real Qt timer
// that follows it. How late ticks come is the clock benchmark's to measure, not a test's.
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

TEST(AgendaTicks, NextTickIsTheFirstDeadlineStillAheadAndLateTicksDoNotDrift) {
    // Last tick fired, now: a hair early never gives the same tick again; two deadlines missed are skipped.
    const std::tuple<int64_t, AgendaTicks::Duracao, int64_t> casos[] = {
        {0, 0ms, 1}, {2, 2s, 3}, {5, 5s - 1ms, 6}, {1, 3500ms, 4}, {0, -1s, 1}};
    for (const auto& [ultimo, agora, proximo] : casos)
        EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 1s, ultimo, kT0 + agora), proximo) << ultimo;
    EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 0s, 7, kT0 + 5s), 8) << "no interval";
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    // Every tick 30 ms late: counted from the last tick instead, a three-minute round would lose 5.4 s.
    for (int n = 1; n <= 180; ++n) a.Cumpre(a.Prazo() + 30ms);
    EXPECT_EQ(a.Prazo(), kT0 + 181s);
    a.Inicia(kT0 + 180400ms, 1s);  // a restart realigns
    a.Cumpre(a.Prazo());
    EXPECT_EQ(a.Prazo(), kT0 + 182400ms);
}

// Each real tick on its own deadline, never before it; a restart by the core realigns it and none come once the
// core's timer is off.
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
        EXPECT_TRUE(i == 0 || ticks[i].first > ticks[i - 1].first);
    }
    dados.SetEnabled(false), dados.SetEnabled(true);
    timer.Sincroniza();
    EXPECT_EQ(timer.Agenda().Proximo(), 1);
    dados.SetEnabled(false);
    timer.Sincroniza();
    const size_t parado = ticks.size();
    QTest::qWait(100);
    EXPECT_FALSE(timer.Rodando() || ticks.size() != parado);
}

}  // namespace
}  // namespace vantor::ui
