#include "ui/pintura.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace vantor::ui {

Vista VistaOperador(const Form1Controles& tela) {
    Vista v;
    v.area = QRect(0, 0, static_cast<int>(std::lround(tela.Width / kTwipsPorPixel)),
                   static_cast<int>(std::lround(tela.Height / kTwipsPorPixel)));
    return v;
}

Vista VistaPlateia(const Form1Controles& tela, QSize tamanho) {
    Vista v;
    v.operador = false;
    v.area = QRect(QPoint(0, 0), tamanho);
    if (tela.Width > 0 && tela.Height > 0) {
        v.x = tamanho.width() * kTwipsPorPixel / tela.Width;
        v.y = tamanho.height() * kTwipsPorPixel / tela.Height;
    }
    return v;
}

QColor CorQt(uint32_t cor) { return {Vermelho_de(cor), Verde_de(cor), Azul_de(cor)}; }

QRect RetanguloPixels(const Controle& c, const Vista& v) {
    const auto px = [](double twips, double escala) {
        return static_cast<int>(std::lround(twips / kTwipsPorPixel * escala));
    };
    const int x = px(c.Left, v.x), y = px(c.Top, v.y);
    return {x, y, px(c.Left + c.Width, v.x) - x, px(c.Top + c.Height, v.y) - y};
}

int PixelsDaFonte(double pontos) { return std::max(1, static_cast<int>(std::lround(pontos * 96.0 / 72.0))); }

QString TextoDoRotulo(const std::string& caption) {
    QString t = QString::fromStdString(caption);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

namespace {

// `r` without the part `fora` covers: of the four pieces of `r` around the overlap, the largest.
QRect Sem(const QRect& r, const QRect& fora) {
    const QRect i = r & fora;
    if (i.isEmpty()) return r;
    const QRect pedacos[4] = {
        QRect(QPoint(r.left(), r.top()), QPoint(i.left() - 1, r.bottom())),
        QRect(QPoint(i.right() + 1, r.top()), QPoint(r.right(), r.bottom())),
        QRect(QPoint(r.left(), r.top()), QPoint(r.right(), i.top() - 1)),
        QRect(QPoint(r.left(), i.bottom() + 1), QPoint(r.right(), r.bottom())),
    };
    QRect melhor;
    for (const QRect& q : pedacos)
        if (q.isValid() && q.width() * q.height() > melhor.width() * melhor.height()) melhor = q;
    return melhor;
}

QRect Livre(QRect r, const std::vector<const Controle*>& evita, const Vista& v) {
    for (const Controle* e : evita)
        if (e->Visible && v.Mostra(*e)) r = Sem(r, RetanguloPixels(*e, v));
    return r;
}

// The bands of rows of `r` that none of the shown controls of `evita` covers.
std::vector<QRect> Faixas(const QRect& r, const std::vector<const Controle*>& evita, const Vista& v) {
    std::vector<QRect> faixas{r};
    for (const Controle* e : evita) {
        if (!e->Visible || !v.Mostra(*e)) continue;
        const QRect fora = RetanguloPixels(*e, v);
        std::vector<QRect> resto;
        for (const QRect& f : faixas) {
            if (!f.intersects(fora)) {
                resto.push_back(f);
                continue;
            }
            if (fora.top() > f.top()) resto.emplace_back(QPoint(f.left(), f.top()), QPoint(f.right(), fora.top() - 1));
            if (fora.bottom() < f.bottom())
                resto.emplace_back(QPoint(f.left(), fora.bottom() + 1), QPoint(f.right(), f.bottom()));
        }
        faixas = std::move(resto);
    }
    return faixas;
}

QFont FonteBase(const Controle& c) {
    QFont fonte;
    // Liberation Sans has Arial's metrics, so captions keep the proportions they were designed with.
    fonte.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    fonte.setBold(c.FontBold);
    return fonte;
}

// The lines of a caption at one pixel size, top-aligned in `caixa` with the control's alignment; false when
// some line's ink leaves the box, less a margin. Lines are aligned by their ink, not their advance, so a right-aligned
// text ends at the edge and a centred one sits in the middle whatever its side bearings.
// Digits that are never covered sit centred both ways, not at the top of a box they were shrunk into.
bool Dispoe(const Controle& c, const QStringList& linhas, const QRect& caixa, int pixels, TextoPosto* posto) {
    QFont fonte = FonteBase(c);
    fonte.setPixelSize(pixels);
    const QFontMetricsF m(fonte);
    // A margin of a twenty-fifth keeps big captions of neighbouring controls (the two scores) apart.
    const int margem = std::min(caixa.width(), caixa.height()) / 25;
    const QRectF dentro(caixa.adjusted(margem, margem, -margem, -margem));
    bool cabe = true;
    double base = dentro.top() + m.ascent();
    for (int i = 0; i < linhas.size(); ++i) {
        const QRectF tinta = m.tightBoundingRect(linhas[i]);
        // An accent above the font's ascent would leave the box at every size: the text comes down instead.
        if (i == 0 && !tinta.isEmpty()) base = std::max(base, dentro.top() - tinta.top());
        if (c.NuncaCoberto && linhas.size() == 1 && !tinta.isEmpty()) base = dentro.center().y() - tinta.center().y();
        double x = dentro.left() - tinta.left();
        if (c.Alignment == Alinhamento::Centro) x = dentro.center().x() - tinta.center().x();
        if (c.Alignment == Alinhamento::Direita) x = dentro.right() - tinta.right();
        const QPointF origem(x, base + i * m.lineSpacing());
        if (!tinta.isEmpty() && !dentro.contains(tinta.translated(origem))) cabe = false;
        if (posto) posto->linhas.emplace_back(origem, linhas[i]);
    }
    if (posto) posto->fonte = fonte;
    return cabe;
}

// Sizes found, by caption, font and box: a board repaints the same captions over and over.
int TamanhoQueCabe(const Controle& c, const QStringList& linhas, const QRect& caixa, int maior) {
    static std::unordered_map<std::string, int> achados;
    std::string chave = c.Caption;
    for (int n : {maior, (c.FontBold ? 1 : 0) | (c.NuncaCoberto ? 2 : 0), static_cast<int>(c.Alignment), caixa.width(),
                  caixa.height()})
        chave += '\x1f' + std::to_string(n);
    if (const auto it = achados.find(chave); it != achados.end()) return it->second;
    // The largest size that fits: the ink grows with the size, so halving finds it. At one pixel it is drawn anyway.
    int menor = 1, cima = maior;
    if (Dispoe(c, linhas, caixa, maior, nullptr)) menor = maior;
    while (cima - menor > 1) {
        const int meio = (menor + cima) / 2;
        (Dispoe(c, linhas, caixa, meio, nullptr) ? menor : cima) = meio;
    }
    if (achados.size() > 4096) achados.clear();
    return achados[chave] = menor;
}

void PintaRotulo(QPainter& p, const Controle& c, const QRect& fundo, const Vista& v) {
    if (c.BackOpaque) p.fillRect(fundo, CorQt(c.BackColor));
    if (c.Caption.empty()) return;
    const TextoPosto t = PoeTexto(c, v);
    p.setFont(t.fonte);
    p.setPen(CorQt(c.ForeColor));
    // What still does not fit at one pixel stays inside the control.
    p.save();
    p.setClipRect(t.caixa);
    for (const auto& [origem, linha] : t.linhas) p.drawText(origem, linha);
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

TextoPosto PoeTexto(const Controle& c, const Vista& v) {
    TextoPosto t;
    const QStringList linhas = TextoDoRotulo(c.Caption).split(QLatin1Char('\n'));
    const int maior = PixelsDaFonte(c.FontSize * v.Fonte());
    QRect caixa = Livre(Livre(RetanguloPixels(c, v), c.TodoEvita, v), c.TextoEvita, v);
    if (!v.area.isEmpty()) caixa &= v.area;
    int tamanho = 0;
    // Digits that are never covered: of the free bands, the one where they come out largest; of equals, the taller.
    for (const QRect& faixa : c.NuncaCoberto ? Faixas(caixa, c.FaixaEvita, v) : std::vector<QRect>{caixa}) {
        const int n = TamanhoQueCabe(c, linhas, faixa, maior);
        if (t.caixa.isNull() || n > tamanho || (n == tamanho && faixa.height() > t.caixa.height()))
            t.caixa = faixa, tamanho = n;
    }
    Dispoe(c, linhas, t.caixa, std::max(tamanho, 1), &t);
    return t;
}

void PintaControle(QPainter& p, const Controle& c, const Vista& v) {
    if (!c.Visible || !v.Mostra(c)) return;
    const QRect r = Livre(RetanguloPixels(c, v), c.TodoEvita, v);
    if (r.isEmpty()) return;
    if (c.Kind == Tipo::Forma)
        PintaForma(p, c, r);
    else
        PintaRotulo(p, c, r, v);
}

void PintaTela(QPainter& p, const Form1Controles& tela, const Vista& v) {
    p.fillRect(v.area, CorQt(tela.BackColor));
    for (const Controle* c : tela.ordem) PintaControle(p, *c, v);
}

}  // namespace vantor::ui
