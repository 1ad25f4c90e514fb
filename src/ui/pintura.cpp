#include "ui/pintura.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vantor::ui {

QColor CorQt(uint32_t cor) { return {Vermelho_de(cor), Verde_de(cor), Azul_de(cor)}; }

QRect RetanguloPixels(const Controle& c) {
    const auto px = [](double twips) { return static_cast<int>(std::lround(twips / kTwipsPorPixel)); };
    const int x = px(c.Left), y = px(c.Top);
    return {x, y, px(c.Left + c.Width) - x, px(c.Top + c.Height) - y};
}

int PixelsDaFonte(double pontos) { return std::max(1, static_cast<int>(std::lround(pontos * 96.0 / 72.0))); }

QString TextoDoRotulo(const std::string& caption) {
    QString t = QString::fromStdString(caption);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

namespace {

void PintaRotulo(QPainter& p, const Controle& c, const QRect& r) {
    if (c.BackOpaque) p.fillRect(r, CorQt(c.BackColor));
    if (c.Caption.empty()) return;

    QFont fonte;
    // Liberation Sans has Arial's metrics, so captions fit their boxes as designed.
    fonte.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    fonte.setPixelSize(PixelsDaFonte(c.FontSize));
    fonte.setBold(c.FontBold);
    p.setFont(fonte);
    p.setPen(CorQt(c.ForeColor));

    int alinhamento = Qt::AlignTop;
    switch (c.Alignment) {
        case Alinhamento::Esquerda: alinhamento |= Qt::AlignLeft; break;
        case Alinhamento::Direita: alinhamento |= Qt::AlignRight; break;
        case Alinhamento::Centro: alinhamento |= Qt::AlignHCenter; break;
    }
    // Text never leaves its label; lines too wide are cut at the label's edges, not wrapped.
    p.save();
    p.setClipRect(r);
    p.drawText(r, alinhamento, TextoDoRotulo(c.Caption));
    p.restore();
}

void PintaForma(QPainter& p, const Controle& c, const QRect& r) {
    // Back colour under, fill over it, then the border drawn inside the bounds.
    if (c.BackOpaque) p.fillRect(r, CorQt(c.BackColor));
    if (c.FillSolid) p.fillRect(r, CorQt(c.FillColor));
    const int b = c.BorderWidth;
    if (b <= 0) return;
    const QColor preto(0, 0, 0);
    if (2 * b >= r.width() || 2 * b >= r.height()) {
        p.fillRect(r, preto);
        return;
    }
    p.fillRect(QRect(r.left(), r.top(), r.width(), b), preto);
    p.fillRect(QRect(r.left(), r.bottom() - b + 1, r.width(), b), preto);
    p.fillRect(QRect(r.left(), r.top() + b, b, r.height() - 2 * b), preto);
    p.fillRect(QRect(r.right() - b + 1, r.top() + b, b, r.height() - 2 * b), preto);
}

}  // namespace

void PintaControle(QPainter& p, const Controle& c) {
    if (!c.Visible) return;
    const QRect r = RetanguloPixels(c);
    if (r.isEmpty()) return;
    if (c.Kind == Tipo::Forma)
        PintaForma(p, c, r);
    else
        PintaRotulo(p, c, r);
}

void PintaTela(QPainter& p, const Form1Controles& tela, const QRect& area) {
    p.fillRect(area, CorQt(tela.BackColor));
    for (const Controle* c : tela.ordem) PintaControle(p, *c);
}

}  // namespace vantor::ui
