// The board painted in both views at every size, language and state, with the widest scores and longest names: each
// caption's ink inside its control, every digit of the scores, clock and count whole, and nothing over the penalty
// markers, the lamps, the round's title and number, the regular-time scores or the +/- signs.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <set>
#include <sstream>

#include "luta.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

const std::vector<std::string> kEstados = {"waiting",  "running", "paused",        "rest",   "rest-paused",
                                           "time-out", "golden",  "golden-paused", "result", "golden-result"};

// Reaches a state of the board through keys, polls and ticks (two rounds of 2 s, 1 s of rest), then sets both
// scores to `p`, or decides the fight by a lead of two, in regular time or in the golden round.
void Chega(Luta& l, const std::string& estado, int p) {
    const auto ate = [&l](bool (*pronto)(const EstadoLuta&)) {  // runs the clock, resuming each pause
        for (int passo = 0; passo < 40 && !pronto(l.v.Luta()); ++passo)
            l.v.Luta().Pausado ? l.Tecla(tecla::Espaco) : l.Tick();
    };
    const bool golden = estado.starts_with("golden");
    const int vermelho = !estado.ends_with("result") ? p : p >= 2 ? p - 2 : p + 2;
    l.plat.numSlots = 1, l.plat.duvidosos = estado == "running";  // the look-alike controllers' warning
    if (estado != "waiting") l.Tecla(tecla::Enter);
    if (estado == "running")  // a penalty, and button 1 lights lamp 3
        l.Tecla(tecla::F5), l.v.Timer_Joystick_Timer(), l.plat.leituras[0] = 1, l.v.Timer_Joystick_Timer();
    if (estado == "paused") l.Tecla(tecla::Espaco);
    if (estado == "time-out") l.Tecla(tecla::Um);
    if (estado.starts_with("rest")) ate([](const EstadoLuta& e) { return e.ContaIntervalo >= 0; });
    if (estado == "rest-paused") l.Tecla(tecla::S);
    if (estado == "result") {  // time runs out on a lead in the last round
        ate([](const EstadoLuta& e) { return e.RoundAtual == 2 && !e.Pausado && e.ContaIntervalo < 0; });
        Cena(l.v, [&](EstadoLuta& e) { e.PontosMarcados = {0, int16_t(p), int16_t(vermelho)}; });
        ate([](const EstadoLuta& e) { return e.LutaDecidida; });
    }
    if (golden) {  // a tie at p, blue's from red's penalty where there is a point to spare
        Cena(l.v, [&](EstadoLuta& e) {
            e.PontosMarcados = {0, int16_t(p > 0 ? p - 1 : p), int16_t(p)}, e.Faltas = {0, 0, int16_t(p > 0)};
        });
        ate([](const EstadoLuta& e) { return e.RoundAtual > 2 && !e.Pausado && e.ContaIntervalo < 0; });
    }
    if (estado == "golden")  // a log the disk refuses: the operator's warning, over the banner
        std::filesystem::remove(l.v.Log().ArquivoLog), std::filesystem::create_directory(l.v.Log().ArquivoLog),
            l.Tecla(tecla::F12);
    if (estado == "golden-paused") l.Tecla(tecla::Espaco);
    if (estado != "result")  // shown as p and `vermelho`, the penalties given included
        Cena(l.v, [&](EstadoLuta& e) {
            e.PontosMarcados = {0, int16_t(p - e.Faltas[Vermelho]), int16_t(vermelho - e.Faltas[Azul])};
        });
    const auto& e = l.v.Luta();
    const Placar& t = l.v.Tela();
    // A fight decided as the last round ends has its rest counting behind the result.
    ASSERT_EQ(std::tuple(e.ContaIntervalo >= 0 && !e.LutaDecidida, e.LutaDecidida, e.EmGolden, t.L_AvisoLog.Visible,
                         e.Pausado),
              std::tuple(estado.starts_with("rest"), estado.ends_with("result"), golden, estado == "golden",
                         estado.ends_with("paused") || estado.ends_with("result")))
        << estado;
    // The hall reads a result with the winner's name and how it was won, and never the operator's prompt.
    const std::string como = l.v.Traduz(golden ? txt::NoGolden : txt::PorPontos);
    EXPECT_EQ(t.L_MsgPlateia.Visible, t.L_Msg.Visible && estado != "waiting") << estado;
    EXPECT_TRUE(!e.LutaDecidida || (t.L_MsgPlateia.Caption.starts_with(l.v.Config().Nome[p >= 2 ? Azul : Vermelho]) &&
                                    t.L_MsgPlateia.Caption.ends_with(como)))
        << t.L_MsgPlateia.Caption;
    // The golden round started from the regular time's score, which stays in view through its result.
    EXPECT_EQ(t.L_Regular[Azul].Visible && t.L_Regular[Azul].Caption.ends_with("\n" + std::to_string(p)), golden);
}

// A control painted alone where the board puts it, with room around a caption (`folga`); `r`: its place in the image.
QImage Sozinho(const Controle& c, const ui::Vista& v, QRect& r, bool folga = true) {
    r = ui::RetanguloPixels(c, v);
    const QPoint margem = c.Kind == Tipo::Forma || !folga ? QPoint() : QPoint(r.width() / 2 + 8, r.height() / 2 + 8);
    QImage img(r.size() + QSize(2 * margem.x(), 2 * margem.y()), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.translate(margem - r.topLeft());
    if (c.Kind == Tipo::Forma) ui::PintaControle(p, c, v);
    const ui::TextoPosto t = ui::PoeTexto(c, v);
    p.setFont(t.fonte);
    p.setPen(ui::CorQt(c.ForeColor));
    for (const auto& [origem, linha] : t.linhas) p.drawText(origem, linha);
    r.translate(margem - r.topLeft());
    return img;
}

// Pixels with some ink.
int Tinta(const QImage& a) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (const QRgb *p = reinterpret_cast<const QRgb*>(a.constScanLine(y)), *fim = p + a.width(); p < fim; ++p)
            n += qAlpha(*p) != 0;
    return n;
}

// Every caption's ink inside its control; a caption already seen at this scale is not drawn again.
void Legendas(const std::string& onde, const Form1Controles& tela, const ui::Vista& v, std::set<std::string>& vistos) {
    for (const Controle* c : tela.ordem) {
        if (!c->Visible || !v.Mostra(*c) || c->Kind != Tipo::Rotulo || c->Caption.empty()) continue;
        const std::string chave = c->Name + std::to_string(c->Index) + c->Caption + std::to_string(v.x + v.y * 1e4);
        if (!vistos.insert(chave + (v.operador ? "o" : "a")).second) continue;
        QRect r;
        const QImage tinta = Sozinho(*c, v, r);
        const int dentro = Tinta(tinta.copy(r)), fora = Tinta(tinta) - dentro;
        EXPECT_TRUE(fora == 0 && dentro > 0) << onde << ": " << c->Name << c->Index << " \"" << c->Caption << "\" inks "
                                             << fora << " px outside, " << dentro << " inside";
    }
}

// What must show (markers, lamps, the round, the signs, every digit the hall reads) as it looks painted alone.
void Visiveis(const std::string& onde, const Form1Controles& tela, const ui::Vista& v, const QImage& quadro) {
    for (const Controle* c : tela.ordem) {
        const bool aparece = (c->Kind == Tipo::Forma && c != &tela.S_Round) || c == &tela.L_RoundTitulo ||
                             c == &tela.L_Round || c->Name.starts_with("K_") || c->NuncaCoberto ||
                             c->Name == "L_Regular";
        if (!aparece || !c->Visible || !v.Mostra(*c)) continue;
        QRect r;
        const QImage so = Sozinho(*c, v, r, false);
        const QPoint de = ui::RetanguloPixels(*c, v).topLeft() - r.topLeft();  // from `so` to the frame
        // Neighbouring lamps share their border by design: a later one may overlap this one by that much.
        QRegion vizinhas;
        for (int k = c->Name == "S_Botao" ? c->Index + 1 : kBotoes + 1; k <= kBotoes; ++k)
            vizinhas += ui::RetanguloPixels(tela.S_Botao[size_t(k)], v);
        // Inside the ink only (its edge's coverage rounds apart by a few levels between a transparent and a painted
        // ground), and inside the control, where Legendas keeps the ink.
        const QRect area = r.intersected(so.rect().adjusted(1, 1, -1, -1));
        int escondidos = 0;
        const int largura = quadro.width();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (y + de.y() < 0 || y + de.y() >= quadro.height()) continue;  // off the view
            const auto* acima = reinterpret_cast<const QRgb*>(so.constScanLine(y - 1));
            const auto* linha = reinterpret_cast<const QRgb*>(so.constScanLine(y));
            const auto* abaixo = reinterpret_cast<const QRgb*>(so.constScanLine(y + 1));
            const auto* no = reinterpret_cast<const QRgb*>(quadro.constScanLine(y + de.y()));
            for (int x = area.left(); x <= area.right(); ++x) {
                const int fx = x + de.x();
                const QRgb p = linha[x];
                if (fx < 0 || fx >= largura || qAlpha(acima[x]) != 255 || qAlpha(abaixo[x]) != 255 ||
                    qAlpha(linha[x - 1]) != 255 || qAlpha(p) != 255 || qAlpha(linha[x + 1]) != 255)
                    continue;
                const int diferenca = std::abs(qRed(p) - qRed(no[fx])) + std::abs(qGreen(p) - qGreen(no[fx])) +
                                      std::abs(qBlue(p) - qBlue(no[fx]));
                escondidos += diferenca > 24 && (vizinhas.isEmpty() || !vizinhas.contains(QPoint(fx, y + de.y())));
            }
        }
        EXPECT_EQ(escondidos, 0) << onde << ": " << c->Name << c->Index << " is covered";
        if (!c->NuncaCoberto) continue;
        // The digits come out where they are largest, centred there: at least a fifth of the control's height, and
        // as much free room above their ink as below it.
        const ui::TextoPosto t = ui::PoeTexto(*c, v);
        const QFontMetricsF m(t.fonte);
        const QRectF tinta = m.tightBoundingRect(t.linhas[0].second).translated(t.linhas[0].first);
        EXPECT_TRUE(tinta.height() * 5 >= r.height() && std::abs(tinta.center().y() - t.caixa.center().y()) <= 2)
            << onde << ": " << c->Name << c->Index << " is " << tinta.height() << " px high in " << r.height()
            << ", its ink centred at " << tinta.center().y() << " in a free band centred at " << t.caixa.center().y();
    }
}

class Legibilidade : public ::testing::TestWithParam<size_t> {};

const std::vector<std::pair<int, int>> kTelas = {{640, 480}, {1024, 768}, {1280, 720}, {1920, 1080}, {3840, 2160}};

TEST_P(Legibilidade, EveryCaptionFitsAndEveryDigitShowsWholeInEveryLanguageScoreAndState) {
    const size_t t = GetParam();
    const std::string nome(kMaiorNome, 'W'), segunda(kMaiorNome, 'M');
    std::set<std::string> vistos;
    // Every digit, one to three of them.
    for (int16_t lingua : {lingua::Portugues, lingua::Espanhol, lingua::Ingles})
        for (int pontos : {0, 7, 13, 15, 88, 100, 246, 999})
            for (const std::string& estado : kEstados) {
                Luta l(lingua, kTelas[t]);
                l.Configura({.Rounds = 2, .Tempo = 2, .Intervalo = 1});
                // Half the cases with five value groups' lamps and review cards after the second line.
                Cena(l.v, [&](Ajustes& a) {
                    a.Nome = {"", nome, nome}, a.L2 = {"", segunda, segunda};
                    a.Pontos4 = a.Pontos5 = a.CartoesRevisao = static_cast<int16_t>(pontos % 2 ? 5 : 0);
                });
                l.v.PlateiaNaTela(pontos % 2 == 0);
                Chega(l, estado, pontos);
                // The audience's screen is the next size of the list: its own scale, not the operator's.
                Form1Controles tela;
                tela.Escala(kTelas[t].first, kTelas[t].second);
                tela.Mostra(l.v.Tela());
                // The colours say what the core says: the winner's on the message line, the golden round's number.
                if (estado.ends_with("result"))
                    EXPECT_EQ(tela.L_Msg.BackColor, pontos >= 2 ? cor::Azul : cor::Vermelho);
                else
                    EXPECT_EQ(tela.L_Round.BackColor,
                              estado.starts_with("golden") ? cor::LaranjaClaro : cor::CinzaClaro);
                const auto& [w, h] = kTelas[(t + 1) % kTelas.size()];
                for (const ui::Vista& v : {ui::VistaOperador(tela), ui::VistaPlateia(tela, QSize(w, h))}) {
                    std::ostringstream onde;
                    onde << (v.operador ? "operator " : "audience ") << v.area.width() << "x" << v.area.height()
                         << ", language " << lingua << ", score " << pontos << ", " << estado;
                    QImage quadro(v.area.size(), QImage::Format_RGB32);
                    QPainter p(&quadro);
                    ui::PintaTela(p, tela, v);
                    Legendas(onde.str(), tela, v, vistos);
                    Visiveis(onde.str(), tela, v, quadro);
                    if (::testing::Test::HasFailure()) return;
                }
            }
}

INSTANTIATE_TEST_SUITE_P(Telas, Legibilidade, ::testing::Range<size_t>(0, kTelas.size()), [](const auto& i) {
    return std::to_string(kTelas[i.param].first) + "x" + std::to_string(kTelas[i.param].second);
});

}  // namespace
}  // namespace vantor::teste
