// The board as the hall reads it, painted in both views. At every size, in every language and state, with the
// widest scores and the longest names, each caption's ink stays inside its control and nothing covers the penalty
// markers, the lamps, the round's title and number or the +/- signs.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <set>
#include <sstream>
#include <tuple>

#include "luta.h"
#include "settings/form2.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

const std::vector<std::string> kEstados = {"waiting", "running", "paused", "rest", "time-out", "golden", "result"};

// Reaches a state of the board through keys, polls and ticks (two rounds of 2 s, 1 s of rest), then sets both
// scores to `p`, or decides the golden round.
void Chega(Luta& l, const std::string& estado, int p) {
    const auto ate = [&l](bool (*pronto)(const EstadoLuta&)) {  // runs the clock, resuming each pause
        for (int passo = 0; passo < 40 && !pronto(l.v.Luta()); ++passo)
            l.v.Luta().Pausado ? l.Tecla(tecla::Espaco) : l.Tick();
    };
    l.plat.numSlots = 1, l.plat.duvidosos = estado == "running";  // the look-alike controllers' warning
    if (estado != "waiting") l.Tecla(tecla::Enter);
    if (estado == "running")  // a penalty, and button 1 lights lamp 3
        l.Tecla(tecla::F5), l.v.Timer_Joystick_Timer(), l.plat.leituras[0].botoes = 1, l.v.Timer_Joystick_Timer();
    if (estado == "paused") l.Tecla(tecla::Espaco);
    if (estado == "time-out") l.Tecla(tecla::Um);
    if (estado == "rest") ate([](const EstadoLuta& e) { return e.ContaIntervalo >= 0; });
    if (estado == "golden" || estado == "result")
        ate([](const EstadoLuta& e) { return e.RoundAtual > 2 && !e.Pausado && e.ContaIntervalo < 0; });
    if (estado == "golden")  // a log the disk refuses: the operator's warning, over the banner
        std::filesystem::remove(l.v.Log().ArquivoLog), std::filesystem::create_directory(l.v.Log().ArquivoLog),
            l.Tecla(tecla::F12);
    const int vermelho = estado != "result" ? p : p >= 2 ? p - 2 : p + 2;  // the golden round is won by two
    Cena(l.v, [&](EstadoLuta& e) { e.PontosMarcados = {0, int16_t(p), int16_t(vermelho)}; });
    ASSERT_EQ(
        std::tuple(l.v.Luta().ContaIntervalo >= 0, l.v.Luta().LutaDecidida, l.v.Luta().RoundAtual > 2,
                   l.v.tela().L_AvisoLog.Visible),
        std::tuple(estado == "rest", estado == "result", estado == "golden" || estado == "result", estado == "golden"))
        << estado;
}

// A control painted alone where the board puts it, with room around it; a caption without the board's clip. `r` is
// the control's place in that image.
QImage Sozinho(const Controle& c, const ui::Vista& v, QRect& r) {
    r = ui::RetanguloPixels(c, v);
    const QPoint margem = c.Kind == Tipo::Forma ? QPoint() : QPoint(r.width() / 2 + 8, r.height() / 2 + 8);
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

// Pixels of `a` that `conta` counts.
template <typename F>
int Conta(const QImage& a, F conta) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) n += conta({x, y}, linha[x]);
    }
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
        const int tudo = Conta(tinta, [](QPoint, QRgb p) { return qAlpha(p) != 0; });
        const int dentro = Conta(tinta.copy(r), [](QPoint, QRgb p) { return qAlpha(p) != 0; }), fora = tudo - dentro;
        EXPECT_TRUE(fora == 0 && dentro > 0) << onde << ": " << c->Name << c->Index << " \"" << c->Caption << "\" inks "
                                             << fora << " px outside, " << dentro << " inside";
    }
}

// The markers, the lamps, the round's title and number and the signs as they look painted alone.
void Visiveis(const std::string& onde, const Form1Controles& tela, const ui::Vista& v, const QImage& quadro) {
    for (const Controle* c : tela.ordem) {
        const bool aparece = (c->Kind == Tipo::Forma && c != &tela.Shape1) || c == &tela.Label5 || c == &tela.L_Round ||
                             c->Name.starts_with("K_");
        if (!aparece || !c->Visible || !v.Mostra(*c)) continue;
        QRect r;
        const QImage so = Sozinho(*c, v, r);
        const QPoint de = ui::RetanguloPixels(*c, v).topLeft() - r.topLeft();  // from `so` to the frame
        // Neighbouring lamps share their border by design: a later one may overlap this one by that much.
        QRegion vizinhas;
        for (int k = c->Name == "S_Botao" ? c->Index + 1 : 19; k <= 18; ++k)
            vizinhas += ui::RetanguloPixels(tela.S_Botao[size_t(k)], v);
        const int escondidos = Conta(so, [&](QPoint q, QRgb p) {
            if (!quadro.valid(q + de)) return false;  // off the view
            const QRgb no = quadro.pixel(q + de);
            // Formats round the edges' coverage apart by a few levels: what differs more is covered.
            return qAlpha(p) == 255 &&
                   std::abs(qRed(p) - qRed(no)) + std::abs(qGreen(p) - qGreen(no)) + std::abs(qBlue(p) - qBlue(no)) >
                       24 &&
                   !vizinhas.contains(q + de);
        });
        EXPECT_EQ(escondidos, 0) << onde << ": " << c->Name << c->Index << " is covered";
    }
}

TEST(Legibilidade, EveryCaptionFitsAndNothingCoversWhatMustShowAtEverySizeLanguageScoreAndState) {
    const std::vector<std::pair<int, int>> telas = {{640, 480}, {1024, 768}, {1920, 1080}, {3840, 2160}};
    const std::string nome(kMaiorNome, 'W'), segunda(kMaiorNome, 'M');
    for (size_t t = 0; t < telas.size(); ++t) {
        std::set<std::string> vistos;
        for (int16_t lingua : {lingua::Portugues, lingua::Espanhol, lingua::Ingles})
            for (int pontos : {0, 9, 10, 99, 100, 999})
                for (const std::string& estado : kEstados) {
                    Luta l(lingua, telas[t]);
                    l.Configura({.Rounds = 2, .Tempo = 2, .Intervalo = 1});
                    Cena(l.v, [&](Ajustes& a) { a.Nome = {"", nome, nome}, a.L2 = {"", segunda, segunda}; });
                    Chega(l, estado, pontos);
                    // The audience's screen is the next size of the list: its own scale, not the operator's.
                    const auto& [w, h] = telas[(t + 1) % telas.size()];
                    for (const ui::Vista& v :
                         {ui::VistaOperador(l.v.tela()), ui::VistaPlateia(l.v.tela(), QSize(w, h))}) {
                        std::ostringstream onde;
                        onde << (v.operador ? "operator " : "audience ") << v.area.width() << "x" << v.area.height()
                             << ", language " << lingua << ", score " << pontos << ", " << estado;
                        QImage quadro(v.area.size(), QImage::Format_RGB32);
                        QPainter p(&quadro);
                        ui::PintaTela(p, l.v.tela(), v);
                        Legendas(onde.str(), l.v.tela(), v, vistos);
                        Visiveis(onde.str(), l.v.tela(), v, quadro);
                        if (::testing::Test::HasFailure()) return;
                    }
                }
    }
}

}  // namespace
}  // namespace vantor::teste
