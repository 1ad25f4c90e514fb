// Keys, clicks, the reset question and Alt+F4, from Qt's events to the record.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "ui/pintura.h"
#include "ui/montagem.h"
#include "ui/teclas.h"
#include "ui_placar.h"

namespace vantor::teste {
namespace {

TEST(Teclas, QtKeysBecomeVirtualKeyCodes) {
    const Qt::KeyboardModifiers nada, teclado = Qt::KeypadModifier, shift = Qt::ShiftModifier;
    const struct { int tecla; Qt::KeyboardModifiers mods; int codigo; } casos[] = {
        {Qt::Key_Return, nada, 13}, {Qt::Key_Enter, teclado, 13}, {Qt::Key_0, nada, 48}, {Qt::Key_9, teclado, 105},
        {Qt::Key_A, nada, 65}, {Qt::Key_Z, shift, 90}, {Qt::Key_F1, nada, 112}, {Qt::Key_F12, nada, 123},
        {Qt::Key_Left, nada, 37}, {Qt::Key_Up, nada, 38}, {Qt::Key_Right, nada, 39}, {Qt::Key_Down, nada, 40},
        {Qt::Key_Escape, nada, 27}, {Qt::Key_Space, nada, 32}, {Qt::Key_Tab, nada, 9}, {Qt::Key_Menu, nada, 0},
        // Shift held: Qt names the character, the code names the key under it.
        {Qt::Key_Exclam, shift, 49}, {Qt::Key_Asterisk, shift, 56}, {Qt::Key_Asterisk, teclado, 106}};
    for (const auto& c : casos)
        EXPECT_EQ(ui::CodigoVirtual(c.tecla, c.mods), c.codigo) << "Qt key 0x" << std::hex << c.tecla;

    const std::pair<Qt::KeyboardModifiers, int> mascaras[] = {{nada, 0}, {shift, 1}, {Qt::ControlModifier, 2},
        {Qt::AltModifier, 4}, {shift | Qt::ControlModifier | Qt::AltModifier, 7}, {teclado | Qt::MetaModifier, 0}};
    for (const auto& [mods, mascara] : mascaras) EXPECT_EQ(ui::MascaraModificadores(mods), mascara);
}

TEST(Janela, ClicksGoToTheTopmostVisibleControlAndKeysToTheCoreWhileTheClockRuns) {
    Placar placar{1024, 768};
    ui::JanelaPlacar& janela = *placar.janela;
    Vantor& v = *placar.v;
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    const QPoint msg = ui::RetanguloPixels(v.tela().L_Msg).center();
    QTest::mouseClick(&janela, Qt::RightButton, {}, msg);
    EXPECT_FALSE(v.Luta().LutaIniciada);
    QTest::mouseClick(&janela, Qt::LeftButton, {}, msg);
    EXPECT_TRUE(v.Luta().LutaIniciada);
    // The line is hidden now: the click falls through to the score, which takes double clicks only.
    QTest::mouseClick(&janela, Qt::LeftButton, {}, msg);
    EXPECT_FALSE(v.Luta().Pausado);
    // Through the window system's path, as a real double click arrives: one step per press.
    QTest::mouseDClick(janela.windowHandle(), Qt::LeftButton, {}, ui::RetanguloPixels(v.tela().K_Amais).center());
    EXPECT_EQ(v.Luta().PontosMarcados[1], 2);
    placar.Teclas({Qt::Key_F12});
    EXPECT_EQ(v.Luta().PontosMarcados[1], 3);
    const int antes = v.Luta().TempoRestante;
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.Luta().TempoRestante < antes; }, 2500)) << "the match clock did not tick";
    placar.Teclas({Qt::Key_Space});
    EXPECT_TRUE(v.Luta().Pausado && v.tela().L_Msg.Visible);
    placar.Teclas({Qt::Key_Space});
    EXPECT_FALSE(v.Luta().Pausado || v.tela().L_Msg.Visible);
}

// Answers the next modal box once it is up; gives up after two seconds rather than hang the run.
void Responde(const std::function<void(QMessageBox&)>& f, int tentativa = 0) {
    QTimer::singleShot(10, [f, tentativa] {
        if (auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) f(*c);
        else if (tentativa < 200) Responde(f, tentativa + 1);
    });
}

void Tecla(QMessageBox& c, Qt::Key t) { QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, t); }

// The real platform: Esc in a fight asks whether to reset and only OK does; Alt+F4 exits at once, with success.
TEST(Encerramento, OnlyOkResetsTheFightAndAltF4EndsTheProgramAtOnce) {
    QTemporaryDir pasta;
    qputenv("TEMP", (pasta.path() + "/").toUtf8());
    ui::Montagem programa;
    Vantor& v = programa.Placar();
    ui::JanelaPlacar& janela = programa.Janela();
    programa.Mostra(false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_F12);
    const struct { const char* nome; void (*responde)(QMessageBox&); bool zera; } casos[] = {
        {"Enter on the default", [](QMessageBox& c) { Tecla(c, Qt::Key_Return); }, false},
        {"Esc", [](QMessageBox& c) { Tecla(c, Qt::Key_Escape); }, false},
        {"OK", [](QMessageBox& c) { c.button(QMessageBox::Ok)->click(); }, true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QString pergunta;
        Responde([&](QMessageBox& c) {
            pergunta = c.windowTitle() + ": " + c.text();
            caso.responde(c);
        });
        QTest::keyClick(&janela, Qt::Key_Escape);
        EXPECT_EQ(pergunta, "Vantor: Zerar a luta?");
        EXPECT_EQ(v.Luta().LutaIniciada, !caso.zera);
        EXPECT_EQ(v.Luta().PontosMarcados[1], caso.zera ? 0 : 1);
    }
    QTest::keyClick(&janela, Qt::Key_Return);  // a fight again: Alt+F4 asks nothing
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(QTest::keyClick(&janela, Qt::Key_F4, Qt::AltModifier), testing::ExitedWithCode(0), "");
    qunsetenv("TEMP");
}

}  // namespace
}  // namespace vantor::teste
