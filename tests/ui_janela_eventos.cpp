// Keys, clicks and the reset confirmation, delivered to the real window and seen in the record.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "ui/plataforma_qt.h"
#include "ui_placar.h"

namespace vantor::teste {
namespace {

class Eventos : public testing::Test {
protected:
    Placar placar{1024, 768};
    ui::JanelaPlacar& janela = *placar.janela;
    Vantor& v = *placar.v;

    void SetUp() override {
        janela.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    }
    // The middle of a control of the design layout.
    QPoint Meio(const Controle& c) const {
        const QRect r(QPoint(static_cast<int>(c.Left / 15), static_cast<int>(c.Top / 15)),
                      QSize(static_cast<int>(c.Width / 15), static_cast<int>(c.Height / 15)));
        return r.center();
    }
};

TEST_F(Eventos, EnterStartsTheFightAndHidesTheMessageLine) {
    QTest::keyClick(&janela, Qt::Key_Return);
    EXPECT_TRUE(v.LutaIniciada);
    EXPECT_FALSE(v.tela.L_Msg.Visible);
}

TEST_F(Eventos, KeypadEnterStartsTheFightToo) {
    QTest::keyClick(&janela, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(v.LutaIniciada);
}

TEST_F(Eventos, FunctionKeysReachTheCoreDuringTheFight) {
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_F12);
    QTest::keyClick(&janela, Qt::Key_F12);
    QTest::keyClick(&janela, Qt::Key_F11);
    QTest::keyClick(&janela, Qt::Key_F8);
    QTest::keyClick(&janela, Qt::Key_Left);
    EXPECT_EQ(v.PontosMarcados[1], 2);
    EXPECT_EQ(v.PontosMarcados[2], 1);
    QTest::keyClick(&janela, Qt::Key_F9);
    EXPECT_EQ(v.Faltas[2], 1);
    // Blue's shown score is its points plus red's penalties.
    EXPECT_EQ(v.tela.L_Pontos[1].Caption, "3");
}

TEST_F(Eventos, KeypadOneIsNotTheTimeOutKeyButTheMainOneIs) {
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(v.ContaMinuto, -1);
    EXPECT_FALSE(v.tela.L_Minuto.Visible);
    QTest::keyClick(&janela, Qt::Key_1);
    EXPECT_EQ(v.ContaMinuto, 59);
    EXPECT_TRUE(v.tela.L_Minuto.Visible);
}

TEST_F(Eventos, SpacePausesWithCyanPauseAndResumes) {
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_Space);
    EXPECT_TRUE(v.tela.L_Msg.Visible);
    EXPECT_EQ(v.tela.L_Msg.Caption, "Pausa");
    EXPECT_EQ(v.tela.L_Msg.BackColor, RGB(0, 255, 255));
    EXPECT_TRUE(v.Pausado);
    QTest::keyClick(&janela, Qt::Key_Space);
    EXPECT_FALSE(v.tela.L_Msg.Visible);
    EXPECT_FALSE(v.Pausado);
}

TEST_F(Eventos, F1OpensTheConfigurationOnlyBetweenFights) {
    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(placar.plat.configuracoesMostradas, 1);
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(placar.plat.configuracoesMostradas, 1);
}

TEST_F(Eventos, LowerAndUpperCaseSAreTheSameKey) {
    QTest::keyClick(&janela, Qt::Key_S);
    ASSERT_EQ(placar.plat.editores.size(), 1u);
    QTest::keyClick(&janela, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(placar.plat.editores.size(), 2u);
}

TEST_F(Eventos, TabDoesNotMoveFocusAway) {
    QTest::keyClick(&janela, Qt::Key_Tab);
    QTest::keyClick(&janela, Qt::Key_Return);
    EXPECT_TRUE(v.LutaIniciada);
}

TEST_F(Eventos, ClickOnTheMessageLineStartsTheFightAndThenPauses) {
    QTest::mouseClick(&janela, Qt::LeftButton, {}, Meio(v.tela.L_Msg));
    EXPECT_TRUE(v.LutaIniciada);
    EXPECT_FALSE(v.Pausado);
    // The same place again: the line is hidden now, so the click lands on the score block below,
    // which takes double clicks only.
    QTest::mouseClick(&janela, Qt::LeftButton, {}, Meio(v.tela.L_Msg));
    EXPECT_FALSE(v.Pausado);
    QTest::mouseClick(&janela, Qt::LeftButton, {}, Meio(v.tela.L_Tempo));
    EXPECT_TRUE(v.Pausado);
    // Now the line shows "Pausa" and takes the click: resume.
    QTest::mouseClick(&janela, Qt::LeftButton, {}, Meio(v.tela.L_Msg));
    EXPECT_FALSE(v.Pausado);
}

TEST_F(Eventos, RightClickIsNoCommand) {
    QTest::mouseClick(&janela, Qt::RightButton, {}, Meio(v.tela.L_Msg));
    EXPECT_FALSE(v.LutaIniciada);
}

TEST_F(Eventos, ClickOnAPlusAreaOverTheScoreGivesOnePoint) {
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::mouseClick(janela.windowHandle(), Qt::LeftButton, {}, Meio(v.tela.K_Amais));
    EXPECT_EQ(v.PontosMarcados[1], 1);
    QTest::mouseClick(janela.windowHandle(), Qt::LeftButton, {}, Meio(v.tela.K_FVMais));
    EXPECT_EQ(v.Faltas[2], 1);
}

TEST_F(Eventos, DoubleClickOnAPlusAreaGivesTwoPoints) {
    QTest::keyClick(&janela, Qt::Key_Return);
    // Through the window system's path, as a real double click arrives.
    QTest::mouseDClick(janela.windowHandle(), Qt::LeftButton, {}, Meio(v.tela.K_Amais));
    EXPECT_EQ(v.PontosMarcados[1], 2);
    QTest::mouseDClick(janela.windowHandle(), Qt::LeftButton, {}, Meio(v.tela.K_VMais));
    EXPECT_EQ(v.PontosMarcados[2], 2);
}

TEST_F(Eventos, ClicksOnInvisibleControlsFallThrough) {
    // L_Minuto is hidden before a time-out; its area belongs to the controls beneath.
    const QPoint p = Meio(v.tela.L_Minuto);
    const Controle* c = janela.ControleEm(p);
    ASSERT_NE(c, nullptr);
    EXPECT_NE(c->Name, "L_Minuto");
}

TEST_F(Eventos, ClockTicksRunTheMatchClock) {
    QTest::keyClick(&janela, Qt::Key_Return);
    const int antes = v.TempoRestante;
    // Two ticks of Timer_Luta are due within 2 s of the start; allow a generous margin.
    QTRY_VERIFY_WITH_TIMEOUT(v.TempoRestante <= antes - 2, 3500);
    EXPECT_EQ(v.tela.L_Tempo.Caption, "0:" + std::to_string(v.TempoRestante));
}

TEST_F(Eventos, JoystickHookRunsEveryFiftyMilliseconds) {
    int ticks = 0;
    janela.DefineTickJoystick([&] { ++ticks; });
    QTest::qWait(520);
    EXPECT_GE(ticks, 5);
    EXPECT_LE(ticks, 11);
}

// The reset confirmation, with the real platform and a real message box.
class Confirmacao : public testing::Test {
protected:
    QTemporaryDir pasta;
    std::optional<ui::PlataformaQt> plat;
    std::optional<Vantor> v;
    std::optional<ui::JanelaPlacar> janela;
    QString texto, titulo;
    bool padraoCancela = false;

    void SetUp() override {
        qputenv("TEMP", (pasta.path() + "/").toUtf8());
        plat.emplace();
        v.emplace(*plat);
        v->Form_Load();
        janela.emplace(*v);
        plat->DefineJanela(&*janela);
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*janela));
        QTest::keyClick(&*janela, Qt::Key_Return);
        QTest::keyClick(&*janela, Qt::Key_F12);
        QTest::keyClick(&*janela, Qt::Key_F5);
        ASSERT_EQ(v->PontosMarcados[1], 1);
    }
    void TearDown() override { qunsetenv("TEMP"); }

    // Presses Esc and, once the box is up, lets `responde` answer it.
    template <typename F>
    void EscRespondendo(F responde) {
        QTimer::singleShot(0, [&, responde] { Responde(responde, 0); });
        QTest::keyClick(&*janela, Qt::Key_Escape);
    }

    template <typename F>
    void Responde(F responde, int tentativa) {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa) {
            // Not shown yet: look again shortly, but give up rather than hang the run.
            if (tentativa < 200) QTimer::singleShot(10, [&, responde, tentativa] { Responde(responde, tentativa + 1); });
            return;
        }
        texto = caixa->text();
        titulo = caixa->windowTitle();
        padraoCancela = caixa->standardButton(caixa->defaultButton()) == QMessageBox::Cancel;
        responde(*caixa);
    }
};

TEST_F(Confirmacao, CancelLeavesTheFightAsItWas) {
    EscRespondendo([](QMessageBox& c) { c.button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(texto, "Zerar a luta?");
    EXPECT_EQ(titulo, "Vantor");
    EXPECT_TRUE(padraoCancela);
    EXPECT_TRUE(v->LutaIniciada);
    EXPECT_EQ(v->PontosMarcados[1], 1);
    EXPECT_EQ(v->Faltas[1], 1);
}

TEST_F(Confirmacao, EnterOnTheBoxTakesTheDefaultCancel) {
    EscRespondendo([](QMessageBox& c) { QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, Qt::Key_Return); });
    EXPECT_TRUE(v->LutaIniciada);
    EXPECT_EQ(v->PontosMarcados[1], 1);
}

TEST_F(Confirmacao, EscOnTheBoxCancels) {
    EscRespondendo([](QMessageBox& c) { QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, Qt::Key_Escape); });
    EXPECT_TRUE(v->LutaIniciada);
    EXPECT_EQ(v->Faltas[1], 1);
}

TEST_F(Confirmacao, OkResetsTheFight) {
    EscRespondendo([](QMessageBox& c) { c.button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(texto, "Zerar a luta?");
    EXPECT_FALSE(v->LutaIniciada);
    EXPECT_EQ(v->PontosMarcados[1], 0);
    EXPECT_EQ(v->Faltas[1], 0);
    EXPECT_TRUE(v->tela.L_Msg.Visible);
}

// Alt+F4 ends the process there and then, with success and nothing more.
TEST(Encerramento, AltF4EndsTheProgramAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QTemporaryDir pasta;
            qputenv("TEMP", (pasta.path() + "/").toUtf8());
            ui::PlataformaQt plat;
            Vantor v(plat);
            v.Form_Load();
            ui::JanelaPlacar janela(v);
            janela.show();
            QTest::keyClick(&janela, Qt::Key_Return);
            QTest::keyClick(&janela, Qt::Key_F4, Qt::AltModifier);
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vantor::teste
