// The board read from the back of the hall: at every size, in every language and state, with the widest scores and
// the longest names, each caption's ink stays inside its control, and nothing covers the penalty markers, the
// lamps, the round's title and number or the +/- signs. In the operator's view and in the audience's.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <set>
#include <sstream>

#include "luta.h"
#include "settings/form2.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

void Placar(Luta& l, int azul, int vermelho) {
    Cena(l.v, [&](EstadoLuta& e) {
        e.PontosMarcados[Azul] = static_cast<int16_t>(azul),
        e.PontosMarcados[Vermelho] = static_cast<int16_t>(vermelho);
    });
}

// Runs the clock (resuming each pause) until `pronto`; two rounds of 2 s with 1 s of rest.
void Ate(Luta& l, const std::function<bool(const EstadoLuta&)>& pronto) {
    for (int passo = 0; passo < 40 && !pronto(l.v.Luta()); ++passo)
        l.v.Luta().Pausado ? l.Tecla(tecla::Espaco) : l.Tick();
    ASSERT_TRUE(pronto(l.v.Luta()));
}

// Each state the board can be in, reached through keys and ticks; then the scores are put in place.
const std::vector<std::pair<const char*, std::function<void(Luta&, int)>>> kEstados = {
    {"waiting", [](Luta& l, int p) { Placar(l, p, p); }},
    {"running",
     [](Luta& l, int p) {
         l.plat.duvidosos = true;  // the look-alike controllers' warning, over the key hints
         l.Tecla(tecla::Enter), l.v.Timer_Joystick_Timer(), Placar(l, p, p);
     }},
    {"paused",
     [](Luta& l, int p) {
         l.Teclas({tecla::Enter, tecla::Espaco}), Placar(l, p, p);
     }},
    {"rest",
     [](Luta& l, int p) {
         l.Tecla(tecla::Enter), Ate(l, [](const EstadoLuta& e) { return e.ContaIntervalo >= 0; }), Placar(l, p, p);
     }},
    {"time-out",
     [](Luta& l, int p) {
         l.Teclas({tecla::Enter, tecla::Um}), Placar(l, p, p);
     }},
    {"golden",
     [](Luta& l, int p) {
         l.Tecla(tecla::Enter), Ate(l, [](const EstadoLuta& e) { return e.RoundAtual > 2 && !e.Pausado; });
         Placar(l, p, p);
     }},
    {"result",
     [](Luta& l, int p) {
         l.Tecla(tecla::Enter), Ate(l, [](const EstadoLuta& e) { return e.RoundAtual > 2 && !e.Pausado; });
         Placar(l, p, p == 0 ? 1 : p - 1);
         ASSERT_TRUE(l.v.Luta().LutaDecidida);
     }},
};

QImage Vazia(QSize s) {
    QImage i(s, QImage::Format_ARGB32_Premultiplied);
    i.fill(Qt::transparent);
    return i;
}

// A caption drawn where the board puts it, without the board's clip, onto a margin around its control: the
// pixels it inks, in the control's coordinates.
QImage Tinta(const Controle& c, const ui::Vista& v, QRect& r) {
    r = ui::RetanguloPixels(c, v);
    const QPoint margem(r.width() / 2 + 8, r.height() / 2 + 8);
    QImage img = Vazia(r.size() + QSize(2 * margem.x(), 2 * margem.y()));
    QPainter p(&img);
    const ui::TextoPosto t = ui::PoeTexto(c, v);
    p.setFont(t.fonte);
    p.setPen(Qt::black);
    p.translate(margem - r.topLeft());
    for (const auto& [origem, linha] : t.linhas) p.drawText(origem, linha);
    r.translate(margem - r.topLeft());
    return img;
}

struct Render {
    std::string onde;
    const Form1Controles& tela;
    ui::Vista v;
    QImage quadro;
    std::set<std::string>& vistos;

    // The ink of every caption inside its control; captions already seen at this size are not drawn again.
    void Legendas() {
        for (const Controle* c : tela.ordem) {
            if (!c->Visible || !v.Mostra(*c) || c->Kind != Tipo::Rotulo || c->Caption.empty()) continue;
            std::ostringstream chave;
            chave << c->Name << c->Index << '|' << c->Caption << '|' << v.x << v.y << v.operador;
            if (!vistos.insert(chave.str()).second) continue;
            QRect r;
            const QImage tinta = Tinta(*c, v, r);
            int fora = 0, dentro = 0;
            for (int y = 0; y < tinta.height(); ++y) {
                const auto* linha = reinterpret_cast<const QRgb*>(tinta.constScanLine(y));
                for (int x = 0; x < tinta.width(); ++x)
                    if (qAlpha(linha[x])) ++(r.contains(x, y) ? dentro : fora);
            }
            EXPECT_TRUE(fora == 0 && dentro > 0) << onde << ": " << c->Name << c->Index << " \"" << c->Caption
                                                 << "\" inks " << fora << " px outside, " << dentro << " inside";
        }
    }

    // Shapes as they look painted alone; a caption's solid ink in its own colour.
    void Visiveis() {
        std::vector<const Controle*> todos;
        for (const auto* grupo : {&tela.F1, &tela.F2})
            for (size_t i = 1; i <= 10; ++i) todos.push_back(&(*grupo)[i]);
        for (size_t k = 1; k <= 18; ++k) todos.push_back(&tela.S_Botao[k]);
        for (const Controle* c : {&tela.Label5, &tela.L_Round, &tela.K_Amais, &tela.K_Amenos, &tela.K_VMais,
                                  &tela.K_Vmenos, &tela.K_FAMais, &tela.K_FAMenos, &tela.K_FVMais, &tela.K_FVMenos})
            todos.push_back(c);
        for (const Controle* c : todos) {
            if (!c->Visible || !v.Mostra(*c)) continue;
            int escondidos = 0;
            if (c->Kind == Tipo::Forma) {
                const QRect r = ui::RetanguloPixels(*c, v) & quadro.rect();
                QImage so = Vazia(r.size());
                QPainter p(&so);
                p.translate(-r.topLeft());
                ui::PintaControle(p, *c, v);
                p.end();
                // Neighbouring lamps share their border by design: a later one may overlap this one by that much.
                QRegion vizinhas;
                for (int k = c->Name == "S_Botao" ? c->Index + 1 : 19; k <= 18; ++k)
                    vizinhas += ui::RetanguloPixels(tela.S_Botao[static_cast<size_t>(k)], v);
                for (int y = 0; y < r.height(); ++y) {
                    const auto* de = reinterpret_cast<const QRgb*>(so.constScanLine(y));
                    const auto* em = reinterpret_cast<const QRgb*>(quadro.constScanLine(r.top() + y)) + r.left();
                    for (int x = 0; x < r.width(); ++x)
                        escondidos += de[x] != em[x] && !vizinhas.contains(r.topLeft() + QPoint(x, y));
                }
            } else {
                QRect r;
                const QImage tinta = Tinta(*c, v, r);
                const QPoint de = ui::RetanguloPixels(*c, v).topLeft() - r.topLeft();
                const QRgb cor = ui::CorQt(c->ForeColor).rgb();
                for (int y = 0; y < tinta.height(); ++y) {
                    const auto* linha = reinterpret_cast<const QRgb*>(tinta.constScanLine(y));
                    for (int x = 0; x < tinta.width(); ++x)
                        escondidos += qAlpha(linha[x]) == 255 && quadro.pixel(QPoint(x, y) + de) != cor;
                }
            }
            EXPECT_EQ(escondidos, 0) << onde << ": " << c->Name << c->Index << " is covered";
        }
    }
};

TEST(Legibilidade, EveryCaptionFitsAndNothingCoversWhatMustShowAtEverySizeLanguageScoreAndState) {
    const std::vector<std::pair<int, int>> telas = {{640, 480}, {1024, 768}, {1920, 1080}, {3840, 2160}};
    const std::string nome(kMaiorNome, 'W'), segunda(kMaiorNome, 'M');
    for (size_t t = 0; t < telas.size(); ++t) {
        std::set<std::string> vistos;
        for (int16_t lingua : {lingua::Portugues, lingua::Espanhol, lingua::Ingles}) {
            for (int pontos : {0, 9, 10, 99, 100, 999}) {
                for (const auto& [estado, chega] : kEstados) {
                    Luta l(lingua, telas[t]);
                    l.Configura({.Rounds = 2, .Tempo = 2, .Intervalo = 1});
                    Cena(l.v, [&](Ajustes& a) { a.Nome = {"", nome, nome}, a.L2 = {"", segunda, segunda}; });
                    chega(l, pontos);
                    // The audience's screen is the next size of the list: its own scale, not the operator's.
                    const auto& [w, h] = telas[(t + 1) % telas.size()];
                    for (const ui::Vista& v :
                         {ui::VistaOperador(l.v.tela()), ui::VistaPlateia(l.v.tela(), QSize(w, h))}) {
                        std::ostringstream onde;
                        onde << (v.operador ? "operator " : "audience ") << v.area.width() << "x" << v.area.height()
                             << ", language " << lingua << ", score " << pontos << ", " << estado;
                        Render r{onde.str(), l.v.tela(), v, QImage(v.area.size(), QImage::Format_RGB32), vistos};
                        QPainter p(&r.quadro);
                        ui::PintaTela(p, l.v.tela(), v);
                        p.end();
                        r.Legendas();
                        r.Visiveis();
                        if (::testing::Test::HasFailure()) return;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace vantor::teste
