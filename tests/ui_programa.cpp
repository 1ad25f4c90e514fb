// The program as main assembles it: Qt's keys and clicks reach the record, and what changes reaches the screen.
// A judge's press on a virtual SDL controller, a key, a click and a clock tick must each end in a new frame that
// shows them; the reset question and Alt+F4 behave as the operator expects.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controle_virtual.h"
#include "ui/montagem.h"
#include "ui/pintura.h"
#include "ui/teclas.h"

namespace vantor::teste {
namespace {

TEST(Teclas, QtKeysBecomeVirtualKeyCodes) {
    const Qt::KeyboardModifiers nada, teclado = Qt::KeypadModifier, shift = Qt::ShiftModifier;
    // With Shift held Qt names the character ("!", "*"); the code names the key under it.
    const struct {
        int tecla;
        Qt::KeyboardModifiers mods;
        int codigo;
    } casos[] = {
        {Qt::Key_Return, nada, 13},  {Qt::Key_Enter, teclado, 13},  {Qt::Key_0, nada, 48},
        {Qt::Key_9, teclado, 105},   {Qt::Key_A, nada, 65},         {Qt::Key_Z, shift, 90},
        {Qt::Key_F1, nada, 112},     {Qt::Key_F12, nada, 123},  //
        {Qt::Key_Left, nada, 37},    {Qt::Key_Up, nada, 38},        {Qt::Key_Right, nada, 39},
        {Qt::Key_Down, nada, 40},    {Qt::Key_Escape, nada, 27},    {Qt::Key_Space, nada, 32},
        {Qt::Key_Tab, nada, 9},      {Qt::Key_Menu, nada, 0},       {Qt::Key_Asterisk, teclado, 106},
        {Qt::Key_Exclam, shift, 49}, {Qt::Key_Asterisk, shift, 56},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ui::CodigoVirtual(c.tecla, c.mods), c.codigo) << "Qt key 0x" << std::hex << c.tecla;

    const std::pair<Qt::KeyboardModifiers, int> mascaras[] = {{nada, 0},
                                                              {shift, 1},
                                                              {Qt::ControlModifier, 2},
                                                              {Qt::AltModifier, 4},
                                                              {teclado | Qt::MetaModifier, 0},
                                                              {shift | Qt::ControlModifier | Qt::AltModifier, 7}};
    for (const auto& [mods, mascara] : mascaras) EXPECT_EQ(ui::MascaraModificadores(mods), mascara);
}

// The program with its logs in a temporary folder, shown as an ordinary window.
struct Programa {
    QTemporaryDir pasta;
    bool temp = qputenv("TEMP", (pasta.path() + "/").toUtf8());
    ui::Montagem m;
    Vantor& v = m.Placar();
    ui::JanelaPlacar& janela = m.Janela();
    Programa() { m.Mostra(false); }
    ~Programa() { qunsetenv("TEMP"); }

    // The last frame the window put on its screen: stale for as long as the window does not repaint.
    QImage Quadro() {
        return janela.screen()->grabWindow(janela.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage Recorte(const Controle& c) { return Quadro().copy(ui::RetanguloPixels(c)); }
    // Waits, as long as a loaded machine may need, for a control's area of the frame to change.
    bool Muda(const Controle& c, const std::function<void()>& faz) {
        const QImage antes = Recorte(c);
        faz();
        return QTest::qWaitFor([&] { return Recorte(c) != antes; }, 5000);
    }
    void Clica(const Controle& c, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(&janela, b, {}, ui::RetanguloPixels(c).center());
    }
};

TEST(Programa, AJudgesPressKeysClicksAndTicksReachTheRecordAndAPaintedFrame) {
    Programa p;
    Vantor& v = p.v;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.janela));
    Virtual juiz("Juiz");  // after the assembly: SDL runs inside its platform
    ASSERT_TRUE(juiz.Aberto()) << SDL_GetError();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.m.Plataforma().ControlesConectados() == 1; }, 5000));

    // Button 1 of the first controller is lamp 3 in the built-in map: its green shows through once lit.
    const QPoint lampada = ui::RetanguloPixels(v.tela().S_Botao[3]).center();
    ASSERT_EQ(p.Quadro().pixel(lampada), qRgb(255, 255, 255));
    juiz.Botao(0, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.Quadro().pixel(lampada) == qRgb(0, 255, 0); }, 5000))
        << "the press never lit a lamp on screen";
    juiz.Botao(0, false);

    p.Clica(v.tela().L_Msg, Qt::RightButton);
    EXPECT_FALSE(v.Luta().LutaIniciada);
    p.Clica(v.tela().L_Msg);
    EXPECT_TRUE(v.Luta().LutaIniciada);
    // The line is hidden now: the click falls through to the score, which takes double clicks only.
    p.Clica(v.tela().L_Msg);
    EXPECT_FALSE(v.Luta().Pausado);
    // Through the window system's path, as a real double click arrives: one step per press.
    QTest::mouseDClick(p.janela.windowHandle(), Qt::LeftButton, {}, ui::RetanguloPixels(v.tela().K_Amais).center());
    EXPECT_EQ(v.Luta().PontosMarcados[Azul], 2);
    EXPECT_TRUE(p.Muda(v.tela().L_Pontos[Azul], [&] { QTest::keyClick(&p.janela, Qt::Key_F12); }))
        << "the point never reached the screen";
    EXPECT_EQ(v.Luta().PontosMarcados[Azul], 3);
    EXPECT_TRUE(p.Muda(v.tela().L_Tempo, [] {})) << "the clock's tick never reached the screen";
    QTest::keyClick(&p.janela, Qt::Key_Space);
    EXPECT_TRUE(v.Luta().Pausado && v.tela().L_Msg.Visible);
    QTest::keyClick(&p.janela, Qt::Key_Space);
    EXPECT_FALSE(v.Luta().Pausado || v.tela().L_Msg.Visible);
}

// Answers the next modal box once it is up; gives up after two seconds rather than hang the run.
void Responde(const std::function<void(QMessageBox&)>& f, int tentativa = 0) {
    QTimer::singleShot(10, [f, tentativa] {
        if (auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            f(*c);
        else if (tentativa < 200)
            Responde(f, tentativa + 1);
    });
}

void Tecla(QMessageBox& c, Qt::Key t) { QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, t); }

// The real platform: Esc in a fight asks whether to reset and only OK does; Alt+F4 exits at once, with success.
TEST(Encerramento, OnlyOkResetsTheFightAndAltF4EndsTheProgramAtOnce) {
    Programa p;
    Vantor& v = p.v;
    ui::JanelaPlacar& janela = p.janela;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    QTest::keyClick(&janela, Qt::Key_Return);
    QTest::keyClick(&janela, Qt::Key_F12);
    const struct {
        const char* nome;
        void (*responde)(QMessageBox&);
        bool zera;
    } casos[] = {
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
        EXPECT_EQ(v.Luta().PontosMarcados[Azul], caso.zera ? 0 : 1);
    }
    QTest::keyClick(&janela, Qt::Key_Return);  // a fight again: Alt+F4 asks nothing
    // The child runs this test again from the top and leaves by _Exit, cleaning nothing: its temporary folders go
    // inside one of ours.
    const QTemporaryDir filhos;
    qputenv("TMPDIR", filhos.path().toUtf8());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(QTest::keyClick(&janela, Qt::Key_F4, Qt::AltModifier), testing::ExitedWithCode(0), "");
    qunsetenv("TMPDIR");
}

}  // namespace
}  // namespace vantor::teste
