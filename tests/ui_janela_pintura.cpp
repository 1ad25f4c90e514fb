// What the scoreboard window paints, read back from its pixels at three screen sizes.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui_placar.h"

namespace vantor::teste {
namespace {

struct Tela {
    int largura, altura;
};

std::string Nome(const testing::TestParamInfo<Tela>& i) {
    return std::to_string(i.param.largura) + "x" + std::to_string(i.param.altura);
}

std::string Rgb(QRgb c) {
    return "(" + std::to_string(qRed(c)) + ", " + std::to_string(qGreen(c)) + ", " + std::to_string(qBlue(c)) + ")";
}

#define EXPECT_COR(img, ponto, r, g, b)                                                          \
    do {                                                                                         \
        const QPoint p_ = (ponto);                                                               \
        EXPECT_EQ(Rgb((img).pixel(p_)), Rgb(qRgb(r, g, b))) << "at pixel " << p_.x() << "," << p_.y(); \
    } while (0)

// The bounding box of the pixels of an area that pass a test.
template <typename F>
QRect Caixa(const QImage& img, const QRect& area, F passa) {
    QRect caixa;
    for (int y = std::max(0, area.top()); y <= std::min(img.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(img.width() - 1, area.right()); ++x)
            if (passa(img.pixel(x, y))) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

QRect Caixa(const QImage& img, const QRect& area, QRgb cor) {
    return Caixa(img, area, [cor](QRgb c) { return (c & 0xFFFFFF) == (cor & 0xFFFFFF); });
}

class Pintura : public testing::TestWithParam<Tela> {
protected:
    Placar placar{GetParam().largura, GetParam().altura};
    double Escala() const {
        return std::min(GetParam().largura / 640.0, GetParam().altura / 480.0);
    }
};

TEST_P(Pintura, WindowCoversTheScreen) {
    const QImage img = placar.Imagem();
    EXPECT_EQ(img.width(), GetParam().largura);
    EXPECT_EQ(img.height(), GetParam().altura);
}

TEST_P(Pintura, AfterStartUpEachControlShowsItsColourWhereTheLayoutPutsIt) {
    const QImage img = placar.Imagem();
    if (qEnvironmentVariableIsSet("VANTOR_CAPTURA") && GetParam().largura == 1024)
        img.save(qEnvironmentVariable("VANTOR_CAPTURA"));

    // Score blocks, sampled beside the digits.
    EXPECT_COR(img, placar.Ponto(4800, 3500, 4), 0, 0, 255);
    EXPECT_COR(img, placar.Ponto(4815, 3500, -5), 234, 12, 0);
    // The clock's black covers the top of the blue score block.
    EXPECT_COR(img, placar.Ponto(5000, 1275, 0, -3), 0, 0, 0);
    // Name blocks, below their one line of text.
    EXPECT_COR(img, placar.Ponto(0, 1275, 4, -4), 224, 224, 224);
    EXPECT_COR(img, placar.Ponto(9600, 1275, -4, -4), 224, 224, 224);
    // The message line asks for Enter on light green, over both score blocks.
    EXPECT_COR(img, placar.Ponto(675, 2535, 4, -4), 128, 255, 128);
    EXPECT_COR(img, placar.Ponto(8970, 2535, -5, -4), 128, 255, 128);
    // The configuration summary line.
    EXPECT_COR(img, placar.Ponto(9600, 4440, -3, 2), 255, 255, 128);
    // Key hints: blue and red blocks.
    EXPECT_COR(img, placar.Ponto(720, 6960, 2, 1), 48, 117, 181);
    EXPECT_COR(img, placar.Ponto(1800, 6960, 2, 1), 255, 0, 0);
    EXPECT_COR(img, placar.Ponto(3600, 6960, 2, 1), 48, 117, 181);
    // Round frame: a two-pixel black border around the peach fill (its top edge; the penalty
    // click areas cover its sides).
    EXPECT_COR(img, placar.Ponto(4300, 5520, 0, 0), 0, 0, 0);
    EXPECT_COR(img, placar.Ponto(4300, 5520, 0, 1), 0, 0, 0);
    EXPECT_COR(img, placar.Ponto(4300, 5520, 0, 4), 255, 192, 128);
    // Penalty boxes: white inside a black border.
    EXPECT_COR(img, placar.Ponto(7980, 6060), 255, 255, 255);
    EXPECT_COR(img, placar.Ponto(900, 6060), 255, 255, 255);
    // Grey penalty click areas.
    EXPECT_COR(img, placar.Ponto(9495, 6855, -3, -3), 192, 192, 192);
    // Lamps are white while unlit.
    EXPECT_COR(img, placar.Ponto(607, 2707), 255, 255, 255);
    EXPECT_COR(img, placar.Ponto(9007, 2707), 255, 255, 255);
}

TEST_P(Pintura, ALitLampShowsGreenAndItsNeighboursStayWhite) {
    placar.v->tela.S_Botao[18].FillSolid = false;
    const QImage img = placar.Imagem();
    EXPECT_COR(img, placar.Ponto(9007, 2707), 0, 255, 0);
    EXPECT_COR(img, placar.Ponto(607, 2707), 255, 255, 255);
    // Lamp 17, just below lamp 18 in the same column.
    EXPECT_COR(img, placar.Ponto(9007, 3500), 255, 255, 255);
}

TEST_P(Pintura, APenaltyTurnsItsMarkerRed) {
    QTest::keyClick(placar.janela.get(), Qt::Key_Return);
    QTest::keyClick(placar.janela.get(), Qt::Key_F5);
    ASSERT_EQ(placar.v->Faltas[1], 1);
    const QImage img = placar.Imagem();
    EXPECT_COR(img, placar.Ponto(8460, 6060), 255, 0, 0);
    EXPECT_COR(img, placar.Ponto(7980, 6060), 255, 255, 255);
    EXPECT_COR(img, placar.Ponto(900, 6060), 255, 255, 255);
}

TEST_P(Pintura, ScoreDigitIsYellowAndAsTallAsItsScaledFont) {
    QTest::keyClick(placar.janela.get(), Qt::Key_Return);  // hides the message line over the digit
    const QImage img = placar.Imagem();
    // The block down to the yellow version label that overlaps its foot.
    const QRect bloco(placar.Ponto(4800, 720), placar.Ponto(8775, 5300, -1, -1));
    const QRect digito = Caixa(img, bloco, qRgb(255, 255, 0));
    ASSERT_FALSE(digito.isEmpty());
    // A digit of Arial is about 0.72 of the font's pixel size; the font is 249.75 pt at 96 dpi,
    // scaled by the smaller screen factor.
    const double pixels = 249.75 * Escala() * 96.0 / 72.0;
    EXPECT_NEAR(digito.height() / pixels, 0.72, 0.03);
    // Centred across the block.
    const double meio = (bloco.left() + bloco.right()) / 2.0;
    EXPECT_NEAR((digito.left() + digito.right()) / 2.0, meio, 3.0);
}

TEST_P(Pintura, TwoLineNameSitsAtTheTopOfItsBlock) {
    placar.v->L2[1] = "Clube";
    placar.v->AtualizaTela();
    const QImage img = placar.Imagem();
    const QRect bloco(placar.Ponto(6120, 0), placar.Ponto(9600, 1275, -1, -1));
    const double pixels = 24 * Escala() * 96.0 / 72.0;
    // Rows holding blue text: two bands with a gap between them.
    std::vector<bool> linha;
    for (int y = bloco.top(); y <= bloco.bottom(); ++y)
        linha.push_back(!Caixa(img, QRect(bloco.left(), y, bloco.width(), 1), qRgb(0, 0, 255)).isEmpty());
    std::vector<int> inicios;
    for (size_t i = 0; i < linha.size(); ++i)
        if (linha[i] && (i == 0 || !linha[i - 1])) inicios.push_back(static_cast<int>(i));
    ASSERT_EQ(inicios.size(), 2u);
    // Top alignment: the first line's capitals start within a quarter of the font size of the top.
    EXPECT_LT(inicios[0], pixels * 0.25);
    // CR LF is one line break: the second line follows at one line's spacing, no blank line between.
    EXPECT_NEAR(inicios[1] - inicios[0], pixels * 1.15, pixels * 0.15);
}

TEST_P(Pintura, RightAlignedHintHugsItsRightEdge) {
    const QImage img = placar.Imagem();
    const QRect rotulo(placar.Ponto(0, 6960), placar.Ponto(720, 7215, -1, -1));
    // White text on the black window, smoothed at its edges: count the clearly light pixels.
    const QRect texto = Caixa(img, rotulo, [](QRgb c) { return qGray(c) > 128; });
    ASSERT_FALSE(texto.isEmpty());
    const int folgaDireita = rotulo.right() - texto.right();
    const int folgaEsquerda = texto.left() - rotulo.left();
    EXPECT_LE(folgaDireita, 3) << texto.left() << ".." << texto.right() << " in " << rotulo.left() << ".." << rotulo.right();
    EXPECT_GT(folgaEsquerda, folgaDireita + 4) << texto.left() << ".." << texto.right() << " in " << rotulo.left() << ".." << rotulo.right();
}

TEST_P(Pintura, PauseShowsCyanMessageAndResumeUncoversTheScore) {
    QTest::keyClick(placar.janela.get(), Qt::Key_Return);
    QTest::keyClick(placar.janela.get(), Qt::Key_Space);
    // Where the message line crosses the blue score block.
    const QPoint p = placar.Ponto(8775, 2535, -5, -4);
    EXPECT_COR(placar.Imagem(), p, 0, 255, 255);
    QTest::keyClick(placar.janela.get(), Qt::Key_Space);
    EXPECT_COR(placar.Imagem(), p, 0, 0, 255);
}

INSTANTIATE_TEST_SUITE_P(Telas, Pintura, testing::Values(Tela{640, 480}, Tela{1024, 768}, Tela{1920, 1080}), Nome);

}  // namespace
}  // namespace vantor::teste
