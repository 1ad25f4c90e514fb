// Judge press to lamp: three virtual SDL controllers press at seeded random moments (a share of them
// 10 ms taps, shorter than a poll) on the real window offscreen. Each press is timed from the moment
// the device reports it to (a) its lamp lit in the record and (b) the first frame painted after that.
#include <SDL.h>

#include <QEventLoop>
#include <QTimer>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "controle_virtual.h"
#include "mapa_juizes.h"
#include "placar_vivo.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

struct Aperto {
    int juiz = 0, entrada = 0, botao = 0;
    bool toque = false;  // a 10 ms tap
    Instante quando{}, lampada{}, quadro{}, quadroPlateia{};
    bool acesa = false, pintada = false, pintadaPlateia = false;
};

}  // namespace

int main(int argc, char** argv) {
    const long total = std::max(1L, Opcao(argc, argv, "--apertos", 200));
    const auto semente = static_cast<unsigned>(Opcao(argc, argv, "--semente", 1));
    auto app = AplicacaoOffscreen(argc, argv);
    std::printf("bench_juizes: %ld presses by 3 virtual SDL controllers (seed %u), window offscreen (%s)\n", total,
                semente, qPrintable(QApplication::platformName()));
    std::fflush(stdout);

    auto placar = std::make_unique<PlacarVivo>(PlacarVivo::Opcoes{.segundosRound = 900, .botoes = MapaDeBotoes()});
    Vantor& v = *placar->v;
    if (SDL_NumJoysticks() > 0) {
        std::printf("  a real controller is plugged in; the slots would not be the virtual judges'. MISSED\n");
        return 0;
    }
    std::vector<std::unique_ptr<vantor::teste::Virtual>> juizes;
    for (const char* nome : {"Juiz 1", "Juiz 2", "Juiz 3"})
        juizes.push_back(std::make_unique<vantor::teste::Virtual>(nome));
    PlacarVivo::Espera(500);  // a few polls: each controller takes its slot
    if (placar->plataforma->ControlesConectados() != kJuizes) {
        std::printf("  the virtual controllers did not all take a slot (%d of 3). MISSED\n",
                    placar->plataforma->ControlesConectados());
        return 0;
    }
    placar->Tecla(Qt::Key_Return);

    std::vector<Aperto> apertos;
    apertos.reserve(static_cast<size_t>(total));
    std::vector<size_t> esperando;  // presses whose lamp or frame is still to come
    auto acesa = [&v](int k) { return v.Tela().S_Botao[static_cast<size_t>(k)].acesa; };

    ObservaTimers observa;
    observa.depois = [&](Instante) {
        const Instante agora = Relogio::now();
        for (size_t i : esperando) {
            Aperto& a = apertos[i];
            if (!a.acesa && acesa(a.botao)) {
                a.acesa = true;
                a.lampada = agora;
            }
        }
    };
    // The first frame of each window painted after the lamp lit.
    auto pintou = [&](bool plateia) {
        const Instante agora = Relogio::now();
        std::erase_if(esperando, [&](size_t i) {
            Aperto& a = apertos[i];
            if (!a.acesa) return false;
            bool& pintada = plateia ? a.pintadaPlateia : a.pintada;
            if (!pintada) (plateia ? a.quadroPlateia : a.quadro) = agora;
            pintada = true;
            return a.pintada && a.pintadaPlateia;
        });
    };
    placar->pintura.aposPintar = [&] { pintou(false); };
    placar->pinturaPlateia.aposPintar = [&] { pintou(true); };
    QApplication::instance()->installEventFilter(&observa);

    std::mt19937 sorte(semente);
    std::array<Instante, 19> ultimo{};
    std::array<bool, 19> usado{};
    QEventLoop laco;
    std::function<void()> aperta = [&] {
        const Instante agora = Relogio::now();
        // A lamp already lit would not show a new press; each button rests 2.1 s between presses.
        std::vector<std::pair<int, int>> livres;
        for (int j = 0; j < kJuizes; ++j)
            for (int e = 0; e < kEntradas; ++e) {
                const int k = BotaoDe(j, e);
                const bool descansou = !usado[static_cast<size_t>(k)] ||
                                       agora - ultimo[static_cast<size_t>(k)] >= std::chrono::milliseconds(2100);
                if (descansou && !acesa(k)) livres.emplace_back(j, e);
            }
        if (!livres.empty()) {
            const auto [j, e] = livres[std::uniform_int_distribution<size_t>(0, livres.size() - 1)(sorte)];
            Aperto a;
            a.juiz = j;
            a.entrada = e;
            a.botao = BotaoDe(j, e);
            a.toque = std::uniform_int_distribution<int>(0, 9)(sorte) < 3;
            const int segura = a.toque ? 10 : std::uniform_int_distribution<int>(40, 250)(sorte);
            a.quando = Relogio::now();
            juizes[static_cast<size_t>(j)]->Muda(e, true);
            ultimo[static_cast<size_t>(a.botao)] = a.quando;
            usado[static_cast<size_t>(a.botao)] = true;
            esperando.push_back(apertos.size());
            apertos.push_back(a);
            QTimer::singleShot(segura, Qt::PreciseTimer, [&juizes, juiz = j, entrada = e] {
                juizes[static_cast<size_t>(juiz)]->Muda(entrada, false);
            });
        }
        if (static_cast<long>(apertos.size()) < total)
            QTimer::singleShot(std::uniform_int_distribution<int>(100, 500)(sorte), Qt::PreciseTimer, aperta);
        else
            QTimer::singleShot(2500, &laco, &QEventLoop::quit);  // the last lamps light and are painted
    };
    QTimer::singleShot(200, Qt::PreciseTimer, aperta);
    laco.exec();
    QApplication::instance()->removeEventFilter(&observa);

    std::vector<double> ateLampada, ateQuadro, atePlateia;
    long perdidos = 0, semQuadro = 0, toques = 0;
    for (const Aperto& a : apertos) {
        toques += a.toque;
        if (!a.acesa) {
            ++perdidos;
            continue;
        }
        ateLampada.push_back(Ms(a.lampada - a.quando));
        if (a.pintadaPlateia) atePlateia.push_back(Ms(a.quadroPlateia - a.quando));
        if (a.pintada) ateQuadro.push_back(Ms(a.quadro - a.quando));
        semQuadro += !a.pintada || !a.pintadaPlateia;
    }
    Conta("presses", static_cast<long>(apertos.size()));
    Conta("of them 10 ms taps", toques);
    Conta("points the judges agreed on (blue + red)", v.Luta().PontosMarcados[1] + v.Luta().PontosMarcados[2]);
    Informa("press to lamp lit in the record, p50", Percentil(ateLampada, 50), "ms");
    Figura("press to lamp lit in the record, p99", Percentil(ateLampada, 99), "ms", 60);
    Informa("press to lamp lit in the record, max", Percentil(ateLampada, 100), "ms");
    Informa("press to frame painted with it, p50", Percentil(ateQuadro, 50), "ms");
    Figura("press to frame painted with it, p99", Percentil(ateQuadro, 99), "ms", 60);
    Informa("press to frame painted with it, max", Percentil(ateQuadro, 100), "ms");
    Informa("press to the audience's frame painted with it, p50", Percentil(atePlateia, 50), "ms");
    Figura("press to the audience's frame painted with it, p99", Percentil(atePlateia, 99), "ms", 60);
    Informa("press to the audience's frame painted with it, max", Percentil(atePlateia, 100), "ms");
    Nenhum("presses lost (lamp never lit)", perdidos);
    Conta("lamps lit but never painted in one of the windows", semQuadro);

    juizes.clear();  // before the controllers' layer closes SDL
    placar.reset();
    return 0;
}
