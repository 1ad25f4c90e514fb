// Painting the core's controls: labels and rectangle shapes, as plain data, onto any QPainter.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>

#include "app/controles.h"

class QPainter;

namespace vantor::ui {

constexpr double kTwipsPorPixel = 15.0;

// A core colour (red in the low byte) as a Qt colour.
QColor CorQt(uint32_t cor);

// A control's rectangle in pixels. Edges are rounded, not sizes, so neighbours that touch in
// twips touch on screen too.
QRect RetanguloPixels(const Controle& c);

// Pixel size of a font given in points: points at 96 dots per inch, whatever the screen's DPI,
// so a layout scaled to the screen in pixels keeps its text in proportion.
int PixelsDaFonte(double pontos);

// A caption as Qt draws it: CR LF, a lone CR or a lone LF each break the line once.
QString TextoDoRotulo(const std::string& caption);

void PintaControle(QPainter& p, const Controle& c);

// The whole window: the background over `area`, then every visible control in painting order.
void PintaTela(QPainter& p, const Form1Controles& tela, const QRect& area);

}  // namespace vantor::ui
