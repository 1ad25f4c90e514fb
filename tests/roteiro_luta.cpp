// The assembled program under a seeded script, for the kill test (tests/ui_diario.cpp). "luta SEED FOLDER N US": says
// "G <state>" for each state about to be saved and "E <n> <state>" after each event; killed US µs after event N.
// "continua FOLDER": start-up, Enter to the question; says "P <questions>" and "R <state>". A state: the fight's
// fields, its log, and the log's size once the saved lines are in it.
#include <unistd.h>

#include <csignal>

#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "controle_virtual.h"
#include "log/diario.h"
#include "settings/arquivos.h"
#include "ui/montagem.h"

using namespace vantor;

namespace {

uint64_t Tamanho(const std::string& arquivo) { return LeArquivo(arquivo, size_t{64} << 20).size(); }

std::string Estado(const EstadoLuta& l, const std::string& arquivo, uint64_t tamanho) {
    std::string s;
    for (int v : {int(l.LutaIniciada), int(l.TempoRestante), int(l.RoundAtual), int(l.ContaIntervalo),
                  int(l.ContaMinuto), int(l.Pausado), int(l.Pausado), int(l.LutaDecidida), int(l.EmGolden),
                  int(l.PontosMarcados[1]), int(l.PontosMarcados[2]), int(l.Faltas[1]), int(l.Faltas[2]),
                  int(l.MeiaFalta[1]), int(l.MeiaFalta[2]), int(l.ResultadoLogado)})
        s += std::to_string(v) + " ";
    return s + arquivo + " " + std::to_string(tamanho);
}

void Diz(const std::string& linha) {
    const std::string s = linha + "\n";
    (void)!::write(1, s.data(), s.size());  // unbuffered: the kill must not swallow what was said
}

// Judges 1 and 2 press button `botao` (0: blue's, 1: red's one point) one after the other, each waited for at most
// `limite` ms as the poll sees it (a press in a rest opens no window), and let go for `solta` ms.
void Acordo(Vantor& v, teste::Virtual& j1, teste::Virtual& j2, int botao, int limite, int solta) {
    const auto antes = v.Luta().PontosMarcados;
    j1.Botao(botao, true);
    (void)QTest::qWaitFor([&] { return v.Botoes().Pendentes != 0; }, limite);
    j2.Botao(botao, true);
    (void)QTest::qWaitFor([&] { return v.Luta().PontosMarcados != antes; }, limite);
    j1.Botao(botao, false), j2.Botao(botao, false);
    QTest::qWait(solta);
}

int Lutando(unsigned semente, int ate, unsigned atraso, ui::Montagem& m) {
    Vantor& v = m.Placar();
    // Judge 1 on the first controller, judge 2 on the second: button 1 scores blue, button 2 red, one point.
    teste::Virtual j1("Juiz 1"), j2("Juiz 2");
    if (!QTest::qWaitFor([&] { return m.Plataforma().ControlesConectados() == 2; }, 5000)) return 3;
    v.AoGuardar([](const Diario& d) {  // its lines are not in the log yet
        uint64_t tamanho = Tamanho(d.arquivoLog);
        for (const auto& p : d.pendentes) tamanho += p.arquivo == d.arquivoLog ? p.linha.size() : 0;
        Diz("G " + Estado(d.luta, d.arquivoLog, tamanho));
    });
    const auto agora = [&] { return Estado(v.Luta(), v.Log().ArquivoLog, Tamanho(v.Log().ArquivoLog)); };
    // Short rounds and rests, so that the script reaches rests, time-outs called in them and later rounds.
    Ajustes a = v.Config();
    a.Tempo = a.TempoInicial = 12, a.Intervalo = 20, a.Rounds = 3;
    v.ConfirmaConfiguracao(a);
    EstadoLuta nova = v.Luta();  // the fight the new settings begin
    nova.TempoRestante = a.Tempo;
    v.RestauraLuta(nova);
    v.EsperaDisco();
    Diz("G " + agora());  // start-up's, already saved
    std::mt19937 sorte(semente);
    // The time-out ("1") only in the rest: one in the round would take the script's ticks for its minute.
    const Qt::Key teclas[] = {Qt::Key_F12, Qt::Key_F8, Qt::Key_F11, Qt::Key_F7,   Qt::Key_F5,
                              Qt::Key_F9,  Qt::Key_F6, Qt::Key_F10, Qt::Key_Space};
    for (int n = 1; n <= 40; ++n) {
        const unsigned tipo = n == 1 ? 10 : sorte() % 10;
        if (v.Luta().ContaIntervalo >= 0 && v.Luta().ContaMinuto < 0 && sorte() % 2 == 0) {
            QTest::keyClick(&m.Janela(), Qt::Key_1);  // a time-out called in the rest
        } else if (tipo < 5) {
            QTest::keyClick(&m.Janela(), teclas[sorte() % std::size(teclas)]);
        } else if (tipo < 8) {
            for (int i = tipo == 7 ? 8 : 1; i > 0; --i) v.Timer_Luta_Timer();
        } else if (tipo < 10) {
            Acordo(v, j1, j2, int(sorte() % 2), 300, 120);
        } else {
            QTest::keyClick(&m.Janela(), Qt::Key_Return);
        }
        // Once the disk has caught up after an event, what it changed is saved and its lines are in the log.
        v.EsperaDisco();
        Diz("E " + std::to_string(n) + " " + agora());
        if (n == ate) std::thread([atraso] { ::usleep(atraso), ::kill(::getpid(), SIGKILL); }).detach();
    }
    QTest::qWait(60000);
    return 0;
}

// A fight under way, paused, for a second start to find: says "PRONTO <pid>" once its files are written, then waits.
int Espera(ui::Montagem& m) {
    for (auto k : {Qt::Key_Return, Qt::Key_F12, Qt::Key_F12, Qt::Key_F8, Qt::Key_Space})
        QTest::keyClick(&m.Janela(), k);
    m.Placar().EsperaDisco();
    Diz("PRONTO " + std::to_string(::getpid()));
    QTest::qWait(60000);
    return 0;
}

// A 60 s round on the real clock with a point given or taken back 20 times a second. Says "FIM <ms from Enter to
// the round's end> <latest tick's lateness, ms> <keys> <their log lines> <saved state exact: 1>".
int Lento(ui::Montagem& m) {
    Vantor& v = m.Placar();
    Ajustes a = v.Config();
    a.Tempo = a.TempoInicial = 60;
    v.ConfirmaConfiguracao(a);
    EstadoLuta nova = v.Luta();
    nova.TempoRestante = a.Tempo;
    v.RestauraLuta(nova);
    using Relogio = std::chrono::steady_clock;
    QTest::keyClick(&m.Janela(), Qt::Key_Return);
    const auto inicio = Relogio::now();
    auto proxima = inicio;
    long teclas = 0;
    double atraso = 0;  // the worst moment a second of the clock showed late
    int16_t mostrado = v.Luta().TempoRestante;
    while (v.Luta().ContaIntervalo < 0 && v.Luta().TempoRestante > 0 &&
           Relogio::now() - inicio < std::chrono::seconds(90)) {
        if (Relogio::now() >= proxima) {
            QTest::keyClick(&m.Janela(), teclas++ % 2 ? Qt::Key_F11 : Qt::Key_F12);
            proxima += std::chrono::milliseconds(50);
        }
        QTest::qWait(2);
        if (v.Luta().TempoRestante != mostrado) {
            mostrado = v.Luta().TempoRestante;
            const double ms = std::chrono::duration<double, std::milli>(Relogio::now() - inicio).count();
            atraso = std::max(atraso, ms - 1000.0 * (60 - mostrado));
        }
    }
    const double fim = std::chrono::duration<double, std::milli>(Relogio::now() - inicio).count();
    v.EsperaDisco();
    long linhas = 0;
    const std::string log = LeArquivo(v.Log().ArquivoLog, size_t{64} << 20);
    for (const char* ponto : {"s, +1 ", "s, -1 "})
        for (size_t i = log.find(ponto); i != std::string::npos; i = log.find(ponto, i + 1)) ++linhas;
    Diario d;
    const bool salvo =
        LeDiario(LeArquivo(v.CaminhoDiario(), size_t{64} << 20), v.Log().PastaLog, d) == 0 && d.luta == v.Luta();
    char b[160];
    std::snprintf(b, sizeof b, "FIM %.0f %.0f %ld %ld %d", fim, atraso, teclas, linhas, salvo ? 1 : 0);
    Diz(b);
    return 0;
}

// Ten points for blue, then Alt+F4 at once (the program ends by _Exit): what the disk had still to take must be in.
int Sai(ui::Montagem& m) {
    QTest::keyClick(&m.Janela(), Qt::Key_Return);
    for (int i = 0; i < 10; ++i) QTest::keyClick(&m.Janela(), Qt::Key_F12);
    QTest::keyClick(&m.Janela(), Qt::Key_F4, Qt::AltModifier);
    return 5;  // not reached
}

// "dia SEED FOLDER LUTAS N US": a day of LUTAS bouts from the list in FOLDER, walked with Page Down, each fought with
// keys and judges' presses to its result (on points, by rounds, on the referee's word); says "E <n> <bout>
// <decided>" after each event; killed US µs after event N (0: never; it then says "FIM" at the day's end).
int Dia(unsigned semente, int lutas, int ate, unsigned atraso, ui::Montagem& m) {
    Vantor& v = m.Placar();
    teste::Virtual j1("Juiz 1"), j2("Juiz 2");
    if (!QTest::qWaitFor([&] { return m.Plataforma().ControlesConectados() == 2; }, 5000)) return 3;
    std::mt19937 sorte(semente);
    if (!v.CarregaLista(LeArquivo("lista.csv")).empty()) return 3;
    int n = 0;
    const auto evento = [&](auto&& faz) {
        faz();
        v.EsperaDisco();
        Diz("E " + std::to_string(++n) + " " + v.Config().NumeroLuta + " " + std::to_string(v.Luta().LutaDecidida));
        if (n == ate) std::thread([atraso] { ::usleep(atraso), ::kill(::getpid(), SIGKILL); }).detach();
    };
    const auto tecla = [&](Qt::Key k) { evento([&] { QTest::keyClick(&m.Janela(), k); }); };
    // Two judges agree on blue's (0) or red's (1) one-point button.
    const auto juizes = [&](int botao) {
        evento([&] {
            Acordo(v, j1, j2, botao, 2000, 60);
            // Two seconds pass for the lamps, as the script's ticks pass for the clock: the next press opens a window
            // of its own whatever the wall clock did meanwhile.
            for (int k = 1; k <= kBotoes; ++k)
                if (v.Janela().Timer_Botao[static_cast<size_t>(k)].Enabled) v.Timer_Botao_Timer(k);
        });
    };
    const auto segundos = [&](int s) {
        evento([&] {
            for (int i = 0; i < s; ++i) v.Timer_Luta_Timer();
        });
    };
    for (int b = 1; b <= lutas; ++b) {
        tecla(Qt::Key_PageDown);
        tecla(Qt::Key_Return);
        for (unsigned k = sorte() % 4; k > 0; --k) sorte() % 2 ? juizes(int(sorte() % 2)) : tecla(Qt::Key_F12);
        if (b % 5 == 0) {
            // The referee ends it; the question is answered by Enter.
            tecla(b % 10 ? Qt::Key_R : Qt::Key_W);
            tecla(sorte() % 2 ? Qt::Key_A : Qt::Key_V);
        } else if (v.Config().Regra == regra::Wt2022) {
            // Each round to the first with the point gap, half of it by the judges.
            while (!v.Luta().LutaDecidida) {
                const int vence = int(sorte() % 2);
                const auto& p = v.Luta().PontosMarcados;
                while (std::abs(p[1] - p[2]) < v.Config().Diferenca && !v.Luta().LutaDecidida)
                    sorte() % 2 ? juizes(vence) : tecla(vence == 0 ? Qt::Key_F12 : Qt::Key_F8);
                if (!v.Luta().LutaDecidida) segundos(v.Config().Intervalo + 1), tecla(Qt::Key_Space);
            }
        } else {
            if (v.Luta().PontosMarcados[1] == v.Luta().PontosMarcados[2]) tecla(Qt::Key_F8);
            segundos(v.Config().Tempo + 1);  // the round ends on the tick after 0:00
        }
    }
    Diz("FIM");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    if (!((modo == "luta" && argc == 6) || (modo == "dia" && argc == 7) ||
          (argc == 3 && (modo == "continua" || modo == "espera" || modo == "lento" || modo == "sai"))))
        return 2;
    const std::string pasta = argv[modo == "luta" || modo == "dia" ? 3 : 2];
    if (::chdir(pasta.c_str()) != 0) return 2;
    qputenv("TEMP", QByteArray::fromStdString(pasta + "/"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string mapa(514, '\0');
    for (auto [posicao, botao] : {std::pair{16, 10}, {15, 1}, {32, 11}, {31, 2}})
        mapa[2 * size_t(posicao)] = char(botao);
    // Installed (a day's script runs a copy of its own with ../share/vantor), the map is in the user's folder.
    GravaArquivo(
        ProgramaInstalado(QCoreApplication::applicationDirPath().toStdString())
            ? PastaXdg(false, [](const std::string& n) { return qgetenv(n.c_str()).toStdString(); }) + "/botoes.cfg"
            : "botoes.cfg",
        mapa);
    // The question comes during start-up, before the window: Enter takes its default.
    int perguntas = 0;
    std::function<void()> responde = [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            ++perguntas, QTest::keyClick(caixa, Qt::Key_Return);
        QTimer::singleShot(10, responde);
    };
    QTimer::singleShot(10, responde);
    ui::Montagem m;
    if (m.Duplicado()) return Diz("D"), 4;
    m.Mostra(false);
    if (modo == "espera") return Espera(m);
    if (modo == "lento") return Lento(m);
    if (modo == "sai") return Sai(m);
    if (modo == "luta")
        return Lutando(unsigned(std::stoul(argv[2])), std::stoi(argv[4]), unsigned(std::stoul(argv[5])), m);
    if (modo == "dia")
        return Dia(unsigned(std::stoul(argv[2])), std::stoi(argv[4]), std::stoi(argv[5]), unsigned(std::stoul(argv[6])),
                   m);
    m.Placar().EsperaDisco();
    Diz("P " + std::to_string(perguntas));
    Diz("R " + Estado(m.Placar().Luta(), m.Placar().Log().ArquivoLog, 0));
    if (!m.Placar().Lista().lutas.empty()) Diz("L " + m.Placar().Config().NumeroLuta);
    return 0;
}
