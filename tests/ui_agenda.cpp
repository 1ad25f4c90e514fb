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
using Instante = AgendaTicks::Instante;

const Instante kT0 = Instante{} + 1000s;

TEST(AgendaTicks, FirstTickIsOneIntervalAfterTheStart) {
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    EXPECT_EQ(a.Prazo(), kT0 + 1s);
}

TEST(AgendaTicks, LateWakeUpsDoNotShiftLaterDeadlines) {
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    // Every tick runs 30 ms late; a schedule that counted from the last tick would lose 30 ms each
    // time, 5.4 s over a three-minute round.
    for (int n = 1; n <= 180; ++n) {
        ASSERT_EQ(a.Prazo(), kT0 + n * 1s);
        a.Cumpre(a.Prazo() + 30ms);
    }
    EXPECT_EQ(a.Prazo(), kT0 + 181s);
}

TEST(AgendaTicks, AStallLongerThanAnIntervalSkipsTheMissedTicks) {
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    // Tick 1 due at +1 s only runs at +3.5 s: the next one is the deadline at +4 s, not +2 s
    // and +3 s fired at once.
    a.Cumpre(kT0 + 3500ms);
    EXPECT_EQ(a.Proximo(), 4);
    EXPECT_EQ(a.Prazo(), kT0 + 4s);
}

TEST(AgendaTicks, ATickRunningExactlyOnADeadlineMovesToTheNextOne) {
    EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 1s, 2, kT0 + 2s), 3);
    EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 1s, 2, kT0 + 3s), 4);
}

TEST(AgendaTicks, AnEarlyWakeUpNeverRepeatsTheTickJustFired) {
    // Tick 5 handled a hair before its deadline must still be followed by tick 6, not 5 again.
    EXPECT_EQ(AgendaTicks::ProximoTick(kT0, 1s, 5, kT0 + 5s - 1ms), 6);
}

TEST(AgendaTicks, RestartRealignsOnTheNewStart) {
    AgendaTicks a;
    a.Inicia(kT0, 1s);
    a.Cumpre(kT0 + 1s);
    a.Cumpre(kT0 + 2s);
    // Restarted 400 ms into the third second: the next tick is a full interval after the restart.
    a.Inicia(kT0 + 2400ms, 1s);
    EXPECT_EQ(a.Prazo(), kT0 + 3400ms);
    a.Cumpre(kT0 + 3400ms);
    EXPECT_EQ(a.Prazo(), kT0 + 4400ms);
}

// The real Qt timer on the schedule: each tick comes on its own deadline, never before it.
TEST(TimerVinculado, RealTicksComeOnTheirDeadlinesNeverBefore) {
    Timer dados{true, 20, 1};
    struct Tick {
        int64_t n;
        AgendaTicks::Instante quando;
    };
    std::vector<Tick> ticks;
    TimerVinculado* ptr = nullptr;
    TimerVinculado t(
        dados, [&] { ticks.push_back({ptr->Agenda().Proximo() - 1, AgendaTicks::Relogio::now()}); },
        TimerVinculado::Modo::SemDeriva);
    ptr = &t;
    const auto inicio = AgendaTicks::Relogio::now();
    t.Sincroniza();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 25, 5000);
    for (const Tick& k : ticks) {
        // The schedule started just after `inicio`, so every deadline lies after inicio + n * 20 ms.
        EXPECT_GE(k.quando - inicio, k.n * 20ms) << "tick " << k.n;
    }
    // Fired ticks keep counting up, one deadline each.
    for (size_t i = 1; i < ticks.size(); ++i) EXPECT_GT(ticks[i].n, ticks[i - 1].n);
    // A late tick is late by its own wake-up only, not by what earlier ticks lost.
    const Tick& ultimo = ticks.back();
    EXPECT_LT(ultimo.quando - (inicio + ultimo.n * 20ms), 15ms);
}

TEST(TimerVinculado, FollowsTheCoreTimersEnabledFlagAndRestarts) {
    Timer dados{false, 30, 0};
    int ticks = 0;
    TimerVinculado t(dados, [&] { ++ticks; }, TimerVinculado::Modo::SemDeriva);
    t.Sincroniza();
    EXPECT_FALSE(t.Rodando());
    dados.SetEnabled(true);
    t.Sincroniza();
    EXPECT_TRUE(t.Rodando());
    const auto prazo = t.Agenda().Prazo();
    QTest::qWait(10);
    // A restart by the core moves the deadline to a full interval from now.
    dados.SetEnabled(false);
    dados.SetEnabled(true);
    t.Sincroniza();
    EXPECT_GE(t.Agenda().Prazo() - prazo, 9ms);
    // No restart: a second sync changes nothing.
    const auto mesmo = t.Agenda().Prazo();
    t.Sincroniza();
    EXPECT_EQ(t.Agenda().Prazo(), mesmo);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
    dados.SetEnabled(false);
    t.Sincroniza();
    EXPECT_FALSE(t.Rodando());
    const int parado = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, parado);
}

}  // namespace
}  // namespace vantor::ui
