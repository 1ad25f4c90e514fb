// What the scoreboard window paints, read back from its pixels. One screen size is enough: the layout's scaling
// is the core's, and a sample that lands in the wrong control shows at any size.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "ui_placar.h"

namespace vantor::teste {
namespace {

QImage Imagem(const Placar& p) { return p.janela->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A point of the 640 x 480 design (in twips) scaled to the screen, then moved a few pixels so a
// sample can sit just inside a control's edge.
QPoint Ponto(const Placar& p, double x, double y, int dx = 0, int dy = 0) {
    return {int(std::lround(x / 15.0 * p.plat.largura / 640.0)) + dx,
            int(std::lround(y / 15.0 * p.plat.altura / 480.0)) + dy};
}

struct Amostra {
    const char* onde;
    double x, y;
    int dx, dy;
    QRgb cor;
};

const QRgb kBranco = qRgb(255, 255, 255), kPreto = qRgb(0, 0, 0), kAzul = qRgb(0, 0, 255);

// Each state of the board, reached through real keys where it can be, and where its colours show.
struct Estado {
    const char* nome;
    void (*faz)(Placar&);
    std::vector<Amostra> amostras;
};

const Estado kEstados[] = {
    {"after start-up",
     [](Placar&) {},
     {{"blue score, beside the digit", 4800, 3500, 4, 0, kAzul},
      {"red score, beside the digit", 4815, 3500, -5, 0, qRgb(234, 12, 0)},
      {"clock covering the score's top", 5000, 1275, 0, -3, kPreto},
      {"right name block", 9600, 1275, -4, -4, qRgb(224, 224, 224)},
      {"message line, left end", 675, 2535, 4, -4, qRgb(128, 255, 128)},
      {"configuration summary", 9600, 4440, -3, 2, qRgb(255, 255, 128)},
      {"first hint, blue", 720, 6960, 2, 1, qRgb(48, 117, 181)},
      {"second hint, red", 1800, 6960, 2, 1, qRgb(255, 0, 0)},
      {"round frame, border", 4300, 5520, 0, 1, kPreto},
      {"round frame, fill", 4300, 5520, 0, 4, qRgb(255, 192, 128)},
      {"right penalty box", 7980, 6060, 0, 0, kBranco},
      {"penalty click area", 9495, 6855, -3, -3, qRgb(192, 192, 192)},
      {"left lamp, unlit", 607, 2707, 0, 0, kBranco}}},
    // Button 1 of the first controller is lamp 3 in the built-in map: the top lamp of the red edge's first column.
    {"one lamp lit",
     [](Placar& p) {
         p.plat.numSlots = 1;
         p.v->Timer_Joystick_Timer();
         p.plat.leituras[0].botoes = 1;
         p.v->Timer_Joystick_Timer();
     },
     {{"lit lamp", 127, 3907, 0, 0, qRgb(0, 255, 0)}, {"lamp below it", 127, 4267, 0, 0, kBranco}}},
    {"a penalty",
     [](Placar& p) {
         p.Teclas({Qt::Key_Return, Qt::Key_F5});
     },
     {{"its marker", 8460, 6060, 0, 0, qRgb(255, 0, 0)}, {"next marker", 7980, 6060, 0, 0, kBranco}}},
    {"fight running",
     [](Placar& p) { p.Teclas({Qt::Key_Return}); },
     {{"score where the message line was", 8775, 2535, -5, -4, kAzul}}},
    {"paused",
     [](Placar& p) {
         p.Teclas({Qt::Key_Return, Qt::Key_Space});
     },
     {{"message line", 8775, 2535, -5, -4, qRgb(0, 255, 255)}}},
};

const QSize kTela(1280, 720);  // not 4:3, so a swapped axis or the wrong font factor shows

TEST(Pintura, EachStateShowsItsColoursWhereTheScaledLayoutPutsThem) {
    for (const Estado& e : kEstados) {
        Placar p(kTela.width(), kTela.height());
        e.faz(p);
        const QImage img = Imagem(p);
        ASSERT_EQ(img.size(), kTela);
        for (const Amostra& a : e.amostras) {
            const QPoint pt = Ponto(p, a.x, a.y, a.dx, a.dy);
            ASSERT_TRUE(img.rect().contains(pt)) << e.nome << ", " << a.onde << " lies off the board";
            EXPECT_EQ(QColor(img.pixel(pt)).name(), QColor(a.cor).name())
                << e.nome << ", " << a.onde << ", pixel " << pt.x() << "," << pt.y();
        }
    }
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
    const QRect nome(Ponto(p, 6120, 0), Ponto(p, 9600, 1275, -1, -1));
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
    const QRect dica(Ponto(p, 0, 6960), Ponto(p, 720, 7215, -1, -1));
    const QRect texto = Caixa(img, dica, [](QRgb c) { return qGray(c) > 128; });
    EXPECT_TRUE(!texto.isEmpty() && dica.right() - texto.right() <= 3) << texto.right() << " of " << dica.right();
    EXPECT_GT(texto.left() - dica.left(), dica.right() - texto.right() + 4);
}

}  // namespace
}  // namespace vantor::teste
