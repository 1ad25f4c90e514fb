// The program as main assembles it, seen only through what reaches the screen: a judge's press on a virtual SDL
// controller, an operator's key and a clock tick must each end in a new frame that shows them.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "controle_virtual.h"
#include "ui/montagem.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

// The last frame the window put on its screen: stale for as long as the window does not repaint.
QImage Quadro(ui::JanelaPlacar& janela) {
    return janela.screen()->grabWindow(janela.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Recorte(ui::JanelaPlacar& janela, const Controle& c) { return Quadro(janela).copy(ui::RetanguloPixels(c)); }

// Waits, as long as a loaded machine may need, for a control's area of the frame to differ from `antes`.
bool Muda(ui::JanelaPlacar& janela, const Controle& c, const QImage& antes) {
    return QTest::qWaitFor([&] { return Recorte(janela, c) != antes; }, 5000);
}

TEST(Montagem, AJudgesPressAKeyAndATickEachReachAPaintedFrame) {
    QTemporaryDir pasta;
    qputenv("TEMP", (pasta.path() + "/").toUtf8());
    ui::Montagem programa;
    Vantor& v = programa.Placar();
    ui::JanelaPlacar& janela = programa.Janela();
    programa.Mostra(false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    Virtual juiz("Juiz");  // after the assembly: SDL runs inside its platform
    ASSERT_TRUE(juiz.Aberto()) << SDL_GetError();
    ASSERT_TRUE(QTest::qWaitFor([&] { return programa.Plataforma().ControlesConectados() == 1; }, 5000));

    // Button 1 of the first controller is lamp 3 in the built-in map: its green shows through once lit.
    const Controle& lampada = v.tela().S_Botao[3];
    const QPoint centro = ui::RetanguloPixels(lampada).center();
    ASSERT_EQ(Quadro(janela).pixel(centro), qRgb(255, 255, 255));
    juiz.Botao(0, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Quadro(janela).pixel(centro) == qRgb(0, 255, 0); }, 5000))
        << "the press never lit a lamp on screen";
    juiz.Botao(0, false);

    QTest::keyClick(&janela, Qt::Key_Return);
    const QImage placar = Recorte(janela, v.tela().L_Pontos[Azul]);
    QTest::keyClick(&janela, Qt::Key_F12);
    ASSERT_EQ(v.Luta().PontosMarcados[Azul], 1);
    EXPECT_TRUE(Muda(janela, v.tela().L_Pontos[Azul], placar)) << "the point never reached the screen";

    const QImage relogio = Recorte(janela, v.tela().L_Tempo);
    EXPECT_TRUE(Muda(janela, v.tela().L_Tempo, relogio)) << "the clock's tick never reached the screen";
    qunsetenv("TEMP");
}

}  // namespace
}  // namespace vantor::teste
