// Painting the core's controls: labels and rectangle shapes, as plain data, onto any QPainter, for the operator's
// view or the audience's.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "ui/controles.h"

class QPainter;

namespace vantor::ui {

constexpr double kTwipsPorPixel = 15.0;

// One view of the board: the record's layout (already scaled to the operator's screen) scaled again to the view,
// and whether the operator's aids are painted. Fonts follow the smaller of the two factors, as at start-up.
struct Vista {
    double x = 1, y = 1;  // layout pixels to view pixels
    bool operador = true;
    QRect area;  // the view's own rectangle; captions keep inside it

    double Fonte() const { return x < y ? x : y; }
    bool Mostra(const Controle& c) const { return operador ? !c.SoPlateia : !c.SoOperador; }
};

// The operator's view at the layout's own size, or the audience's scaled to `tamanho`.
Vista VistaOperador(const Form1Controles& tela);
Vista VistaPlateia(const Form1Controles& tela, QSize tamanho);

// A core colour (red in the low byte) as a Qt colour.
QColor CorQt(uint32_t cor);

// A control's rectangle in a view's pixels. Edges are rounded, not sizes, so neighbours that touch in twips touch
// on screen too.
QRect RetanguloPixels(const Controle& c, const Vista& v = {});

// Pixel size of a font given in points: points at 96 dots per inch, whatever the screen's DPI, so a layout scaled
// to the screen in pixels keeps its text in proportion.
int PixelsDaFonte(double pontos);

// A caption as Qt draws it: CR LF, a lone CR or a lone LF each break the line once.
QString TextoDoRotulo(const std::string& caption);

// Where a caption goes: the part of its control it keeps to, the font, and each line's baseline origin. The font
// is the control's, or the largest smaller one whose ink fits the part. Digits that are never covered take, of the
// free parts their control leaves around what shows over it, the one where they come out largest, centred there.
struct TextoPosto {
    QRect caixa;
    QFont fonte;
    std::vector<std::pair<QPointF, QString>> linhas;
};
TextoPosto PoeTexto(const Controle& c, const Vista& v);

void PintaControle(QPainter& p, const Controle& c, const Vista& v = {});

// The whole view: the background over its area, then every control it shows, in painting order.
void PintaTela(QPainter& p, const Form1Controles& tela, const Vista& v);

}  // namespace vantor::ui
