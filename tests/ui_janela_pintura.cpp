// What the scoreboard window paints, read back from its pixels. One screen size is enough: the layout's scaling
// is the core's, and a sample that lands in the wrong control shows at any size.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include <QTemporaryDir>
#include <QTest>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "luta.h"
#include "ui/janela_placar.h"

namespace vantor::teste {
namespace {

// A fresh record on a fake platform with this screen size, logs in a temporary folder, and the real window over it.
struct Placar {
    QTemporaryDir pasta;
    FakePlataforma plat;
    std::unique_ptr<Vantor> v;
    std::unique_ptr<ui::JanelaPlacar> janela;
    Placar(int largura, int altura) {
        plat.largura = largura, plat.altura = altura;
        plat.temp = pasta.path().toStdString() + "/", plat.pastaPrograma = pasta.path().toStdString();
        v = std::make_unique<Vantor>(plat);
        v->Form_Load();
        janela = std::make_unique<ui::JanelaPlacar>(*v);
    }
    void Teclas(std::initializer_list<Qt::Key> teclas) {  // real key events, as the window system delivers them
        for (Qt::Key t : teclas) QTest::keyClick(janela.get(), t);
    }
};

QImage Imagem(const Placar& p) { return p.janela->grab().toImage().convertToFormat(QImage::Format_RGB32); }

const QSize kTela(1280, 720);  // not 4:3, so a swapped axis or the wrong font factor shows
const QRgb kAzul = qRgb(0, 0, 255);

// A point of the 640 x 480 design (in twips) scaled to the screen, then moved a few pixels.
QPoint Ponto(double x, double y, int dx = 0, int dy = 0) {
    return {int(std::lround(x / 15.0 * kTela.width() / 640.0)) + dx,
            int(std::lround(y / 15.0 * kTela.height() / 480.0)) + dy};
}

// Each state of the board, reached through real keys where it can be; the samples are in tests/casos/pintura.txt.
TEST(Pintura, EachStateShowsItsColoursWhereTheScaledLayoutPutsThem) {
    const std::map<std::string, std::function<void(Placar&)>> estados = {
        {"inicio", [](Placar&) {}},
        {"lampada",
         [](Placar& p) {
             p.plat.numSlots = 1;
             p.v->Timer_Joystick_Timer();
             p.plat.leituras[0].botoes = 1;
             p.v->Timer_Joystick_Timer();
         }},
        {"falta",
         [](Placar& p) {
             p.Teclas({Qt::Key_Return, Qt::Key_F5});
         }},
        {"luta", [](Placar& p) { p.Teclas({Qt::Key_Return}); }},
        {"pausa",
         [](Placar& p) {
             p.Teclas({Qt::Key_Return, Qt::Key_Space});
         }},
    };
    std::map<std::string, QImage> imagens;
    for (const std::string& linha : Casos("pintura.txt")) {
        std::istringstream in(linha);
        std::string estado, cor, onde;
        double x = 0, y = 0;
        int dx = 0, dy = 0;
        in >> estado >> x >> y >> dx >> dy >> cor >> std::ws;
        std::getline(in, onde);
        ASSERT_EQ(estados.count(estado), 1u) << linha;
        if (!imagens.count(estado)) {
            Placar p(kTela.width(), kTela.height());
            estados.at(estado)(p);
            imagens[estado] = Imagem(p);
        }
        const QImage& img = imagens[estado];
        const QPoint pt = Ponto(x, y, dx, dy);
        ASSERT_TRUE(img.size() == kTela && img.rect().contains(pt)) << linha << ": off the board";
        EXPECT_EQ(QColor(img.pixel(pt)).name().toStdString(), cor) << linha << ", pixel " << pt.x() << "," << pt.y();
    }
    EXPECT_EQ(imagens.size(), estados.size()) << "a state without samples";
}

// The bounding box of the pixels of an area that pass a test.
template <typename F>
QRect Caixa(const QImage& img, const QRect& area, F passa) {
    QRect caixa;
    const QRect r = area & img.rect();  // the hint line reaches past the board's bottom edge
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (passa(img.pixel(x, y))) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

TEST(Pintura, TwoLineNameSitsAtTheTopAndHintHugsTheRight) {
    Placar p(kTela.width(), kTela.height());
    Ajustes a = p.v->Config();
    a.L2[Azul] = "Clube";
    p.v->DefineAjustes(a);
    p.v->AtualizaTela();
    const QImage img = Imagem(p);
    const double fonte = 24 * std::min(kTela.width() / 640.0, kTela.height() / 480.0) * 96 / 72;
    // Rows of the blue name block holding blue text: two bands, the first at the top, the second one line's
    // spacing below (CR LF breaks the line once).
    const QRect nome(Ponto(6120, 0), Ponto(9600, 1275, -1, -1));
    std::vector<int> inicios;
    for (int y = nome.top(), antes = 0; y <= nome.bottom(); ++y) {
        const int texto =
            !Caixa(img, QRect(nome.left(), y, nome.width(), 1), [](QRgb c) { return c == kAzul; }).isEmpty();
        if (texto && !antes) inicios.push_back(y - nome.top());
        antes = texto;
    }
    ASSERT_EQ(inicios.size(), 2u);
    EXPECT_LT(inicios[0], fonte * 0.25);
    EXPECT_NEAR(inicios[1] - inicios[0], fonte * 1.15, fonte * 0.15);
    // The first key hint is right-aligned: its light text ends at the label's right edge.
    const QRect dica(Ponto(0, 6960), Ponto(720, 7215, -1, -1));
    const QRect texto = Caixa(img, dica, [](QRgb c) { return qGray(c) > 128; });
    EXPECT_TRUE(!texto.isEmpty() && dica.right() - texto.right() <= 3) << texto.right() << " of " << dica.right();
    EXPECT_GT(texto.left() - dica.left(), dica.right() - texto.right() + 4);
}

}  // namespace
}  // namespace vantor::teste
