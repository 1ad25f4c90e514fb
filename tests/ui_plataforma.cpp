// The Qt platform: the match clock's schedule (deadlines from the start, no drift, no bursts after a stall), the real
// Qt timer that follows it, the time stamp and the scoresheet's opening; and the entry point of the Qt tests.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "luta.h"
#include "platform/data_hora.h"
#include "platform/editor.h"
#include "settings/arquivos.h"
#include "ui/agenda_ticks.h"
#include "ui/janela_sumula.h"
#include "ui/plataforma_qt.h"
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
    const auto evento = AgendaTicks::Relogio::now() - 5ms;  // a restart counts from its event, an interval back at most
    dados.SetEnabled(false), dados.SetEnabled(true), timer.Sincroniza(evento);
    EXPECT_EQ(std::tuple(timer.Agenda().Proximo(), timer.Agenda().Prazo()), std::tuple(1, evento + 20ms));
    dados.SetEnabled(false), dados.SetEnabled(true), timer.Sincroniza(evento - 10s);
    EXPECT_GE(timer.Agenda().Prazo(), evento + 5ms);
    dados.SetEnabled(false), timer.Sincroniza();
    const size_t parado = ticks.size();
    QTest::qWait(100);
    EXPECT_FALSE(timer.Rodando() || ticks.size() != parado);
}

// The locale's order and separators stay; four-digit years, hundredths after the seconds, and no zone or its brackets
// (Korean and Burmese carry the seconds' unit and a leading zone; Bulgarian a quoted unit).
TEST(Carimbo, FourDigitYearsHundredthsAfterTheSecondsAndNoZone) {
    const std::pair<const char*, const char*> casos[] = {
        {"pt_BR", "07/12/2026 14:03:27,45"},   {"pt_PT", "07/12/2026 14:03:27,45"},
        {"es_ES", "7/12/2026 14:03:27,45"},    {"ca_ES", "7/12/2026 14:03:27,45"},
        {"en_US", "12/7/2026 2:03:27.45 PM"},  {"en_GB", "07/12/2026 14:03:27.45"},
        {"de_DE", "07.12.2026 14:03:27,45"},   {"fr_FR", "07/12/2026 14:03:27,45"},
        {"zh_TW", "2026/12/7 下午2:03:27.45"}, {"be_BY", "7.12.2026 14:03:27,45"},
        {"C", "7 Dec 2026 14:03:27.45"},       {"ko_KR", "2026. 12. 7. 오후 2시 3분 27.45초"},
        {"my_MM", "၀၇-၁၂-၂၀၂၆ ၁၄:၀၃:၂၇.၄၅"},   {"bg_BG", "7.12.2026 г. 14:03:27,45 ч."},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(plataforma::Carimbo(QLocale(QString::fromLatin1(nome)), {2026, 12, 7, 14, 3, 27, 459}), esperado)
            << nome;
}

// Stand-in openers alone on the PATH: none, one that fails, one that opens the file. The opener gets the path as one
// argument, run by no shell; otherwise our window shows the log (or a note), read-only, copied whole, closed by Esc.
TEST(Sumula, XdgOpenGetsThePathOrOurWindowShowsTheLog) {
    QTemporaryDir pasta;
    const std::string raiz = pasta.path().toStdString(), log = raiz + "/LOG_2026 $(touch hacked); 'x'.txt";
    ASSERT_TRUE(GravaArquivo(log, "07/12/2026 14:03:27,45\tInício da luta\r\nÁrbitros: 3\r\n"));
    const QByteArray path = qgetenv("PATH");
    teste::DesktopCom(raiz + "/desktop", true);  // the opener is asked only when the desktop has an editor
    PlataformaQt plat;
    const QString lido = "07/12/2026 14:03:27,45\tInício da luta\nÁrbitros: 3\n";  // the window's text: LF only
    const std::tuple<const char*, std::string, QString> casos[] = {
        {"", log, lido},
        {"exit 3", log, lido},
        {"exit 0", log, ""},
        {"", "", "There is no log yet"},
        {"", raiz + "/gone.txt",
         "The log could not be read: " + pasta.path() + "/gone.txt (No such file or directory)"}};
    for (const auto& [saida, caminho, esperado] : casos) {
        std::filesystem::remove(raiz + "/xdg-open"), std::filesystem::remove(raiz + "/args");
        if (*saida) {
            ASSERT_TRUE(GravaArquivo(raiz + "/xdg-open",
                                     "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + raiz + "/args'\n" + saida + "\n"));
            std::filesystem::permissions(raiz + "/xdg-open", std::filesystem::perms::owner_all);
        }
        qputenv("PATH", pasta.path().toUtf8());
        plat.AbreSumula(caminho, lingua::Ingles);
        QCoreApplication::processEvents();  // our window comes at the next turn of the event loop
        qputenv("PATH", path);
        ASSERT_TRUE(QTest::qWaitFor([] { return plataforma::EditoresAbrindo() == 0; }, 5000)) << saida;
        EXPECT_TRUE(!*saida || LeArquivo(raiz + "/args") == "1\n" + log + "\n") << LeArquivo(raiz + "/args");
        JanelaSumula* janela = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* j = qobject_cast<JanelaSumula*>(w); j && j->isVisible()) janela = j;
        ASSERT_EQ(janela != nullptr, !esperado.isEmpty()) << "opener: " << saida << ", log: " << caminho;
        if (!janela) continue;
        auto* texto = janela->findChild<QPlainTextEdit*>();
        QTest::keyClick(texto, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(texto, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), esperado);
        EXPECT_TRUE(texto->toPlainText() == esperado && texto->isReadOnly());
        QTest::keyClick(texto, Qt::Key_Escape);
        EXPECT_FALSE(janela->isVisible());
    }
    EXPECT_FALSE(ExisteArquivo(raiz + "/hacked") || ExisteArquivo("hacked"));
}

}  // namespace
}  // namespace vantor::ui

int main(int argc, char** argv) {
    // Offscreen with two screens as in a hall, for listing the tests with no display and for the runs, unless a
    // caller chose a platform (Xvfb's xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTOR_CASOS_DIR "/duas_telas.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
