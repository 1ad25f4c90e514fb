// The audience's board on a second screen, under Qt's offscreen platform with two screens (tests/casos/
// duas_telas.json): it opens there, shows what the operator's window shows after keys, a tick and a judge's
// press, takes no focus and no log line, and follows its screen going away and coming back.
#include <gtest/gtest.h>
#include <qpa/qplatformnativeinterface.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QScreen>
#include <QtTest>
#include <QtWidgets>

#include "controle_virtual.h"
#include "luta.h"
#include "ui/montagem.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

QJsonObject Telas() {
    QFile f(QStringLiteral(VANTOR_CASOS_DIR "/duas_telas.json"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(f.readAll()).object();
}

// Plugs or unplugs the projector, as the offscreen platform lets a test do.
void Projetor(bool ligado) {
    QJsonObject c = Telas();
    QJsonArray telas = c[QStringLiteral("screens")].toArray();
    if (!ligado) telas.removeLast();
    c[QStringLiteral("screens")] = telas;
    QPlatformNativeInterface* n = QGuiApplication::platformNativeInterface();
    auto define = reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(
        n->nativeResourceForIntegration("setConfiguration"));
    ASSERT_NE(define, nullptr);
    define(c, n);
}

QImage Quadro(QWidget& w) { return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32); }

TEST(Plateia, OpensOnTheSecondScreenFollowsTheBoardTakesNoInputAndFollowsTheScreens) {
    QTemporaryDir pasta;
    qputenv("TEMP", (pasta.path() + "/").toUtf8());
    ui::Montagem m;
    Vantor& v = m.Placar();
    QWidget& operador = m.Janela();
    QWidget& plateia = m.Audiencia().Janela();
    m.Mostra(false);
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    QScreen* projetor = QGuiApplication::screens()[1];
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plateia));
    EXPECT_EQ(plateia.screen(), projetor);
    EXPECT_EQ(plateia.geometry(), projetor->geometry());
    EXPECT_TRUE(plateia.isFullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return operador.isActiveWindow(); }, 2000)) << "the audience took the keys";

    // What the record holds now, as the audience's screen should show it.
    auto mostraORegistro = [&] {
        QImage esperado(plateia.size(), QImage::Format_RGB32);
        QPainter p(&esperado);
        ui::PintaTela(p, v.tela(), ui::VistaPlateia(v.tela(), plateia.size()));
        p.end();
        return QTest::qWaitFor([&] { return Quadro(plateia) == esperado; }, 3000);
    };
    const ui::Vista vista = ui::VistaPlateia(v.tela(), plateia.size());
    Virtual juiz("Juiz");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m.Plataforma().ControlesConectados() == 1; }, 5000));
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Left, Qt::Key_F5, Qt::Key_F9}) {
        QTest::keyClick(&operador, k);
        EXPECT_TRUE(mostraORegistro()) << "after key " << k;
    }
    const QImage q = Quadro(plateia);
    EXPECT_EQ(q.pixel(ui::RetanguloPixels(v.tela().F1[1], vista).center()), qRgb(255, 0, 0));
    // No key hints, no penalty click areas: the hall's black there.
    for (const Controle* aid : {&v.tela().Label7, &v.tela().K_FVMenos})
        EXPECT_EQ(q.pixel(ui::RetanguloPixels(*aid, vista).center()), qRgb(0, 0, 0)) << aid->Name;
    const int16_t antes = v.Luta().TempoRestante;
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.Luta().TempoRestante != antes; }, 3000));
    EXPECT_TRUE(mostraORegistro()) << "after a tick";
    juiz.Botao(0, true);
    const QPoint lampada = ui::RetanguloPixels(v.tela().S_Botao[3], vista).center();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Quadro(plateia).pixel(lampada) == qRgb(0, 255, 0); }, 3000));
    EXPECT_TRUE(mostraORegistro()) << "after a judge's press";
    juiz.Botao(0, false);

    // F2 hides and shows it, and writes nothing.
    const size_t linhas = LinhasDe(v.Log().ArquivoLog).size();
    QTest::keyClick(&operador, Qt::Key_F2);
    EXPECT_FALSE(plateia.isVisible());
    QTest::keyClick(&operador, Qt::Key_F2);
    EXPECT_TRUE(plateia.isVisible() && plateia.screen() == projetor);
    EXPECT_EQ(LinhasDe(v.Log().ArquivoLog).size(), linhas);

    // Unplugged: gone, not onto the operator's screen. F2 then opens an ordinary window there; a projector
    // plugged in takes it, full screen.
    Projetor(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !plateia.isVisible(); }, 2000));
    QTest::keyClick(&operador, Qt::Key_F2);
    EXPECT_TRUE(plateia.isVisible() && !plateia.isFullScreen());
    Projetor(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return plateia.isFullScreen(); }, 2000));
    EXPECT_EQ(plateia.geometry(), QGuiApplication::screens().value(1)->geometry());
    EXPECT_TRUE(mostraORegistro()) << "on the new screen";
    qunsetenv("TEMP");
}

}  // namespace
}  // namespace vantor::teste

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VANTOR_CASOS_DIR "/duas_telas.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
