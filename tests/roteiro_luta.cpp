// The assembled program under a seeded script, for the kill test (tests/ui_diario.cpp). "luta SEED FOLDER N US": says
// "G <state>" for each state about to be saved and "E <n> <state>" after each event; killed US µs after event N.
// "continua FOLDER": start-up, Enter to the question; says "P <questions>" and "R <state>". A state: the fight's
// fields, its log, and the log's size once the saved lines are in it.
#include <unistd.h>

#include <csignal>

#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <random>
#include <string>
#include <thread>

#include "controle_virtual.h"
#include "settings/arquivos.h"
#include "ui/montagem.h"

using namespace vantor;

namespace {

uint64_t Tamanho(const std::string& arquivo) { return LeArquivo(arquivo, size_t{64} << 20).size(); }

std::string Estado(const EstadoLuta& l, const std::string& arquivo, uint64_t tamanho) {
    std::string s;
    for (int v : {int(l.LutaIniciada), int(l.TempoRestante), int(l.RoundAtual), int(l.ContaIntervalo),
                  int(l.ContaMinuto), int(l.Pausado), int(l.PausaLigada), int(l.LutaDecidida), int(l.EmGolden),
                  int(l.PontosMarcados[1]), int(l.PontosMarcados[2]), int(l.Faltas[1]), int(l.Faltas[2]),
                  int(l.MeiaFalta[1]), int(l.MeiaFalta[2]), int(l.ResultadoLogado)})
        s += std::to_string(v) + " ";
    return s + arquivo + " " + std::to_string(tamanho);
}

void Diz(const std::string& linha) {
    const std::string s = linha + "\n";
    (void)!::write(1, s.data(), s.size());  // unbuffered: the kill must not swallow what was said
}

int Luta(unsigned semente, int ate, unsigned atraso, ui::Montagem& m) {
    Vantor& v = m.Placar();
    // Judge 1 on the first controller, judge 2 on the second: button 1 scores blue, button 2 red, one point.
    teste::Virtual j1("Juiz 1"), j2("Juiz 2");
    if (!QTest::qWaitFor([&] { return m.Plataforma().ControlesConectados() == 2; }, 5000)) return 3;
    v.aoGuardar = [](const Diario& d) {  // its lines are not in the log yet
        uint64_t tamanho = Tamanho(d.arquivoLog);
        for (const auto& p : d.pendentes) tamanho += p.arquivo == d.arquivoLog ? p.linha.size() : 0;
        Diz("G " + Estado(d.luta, d.arquivoLog, tamanho));
    };
    const auto agora = [&] { return Estado(v.Luta(), v.Log().ArquivoLog, Tamanho(v.Log().ArquivoLog)); };
    Diz("G " + agora());  // start-up's, already saved
    std::mt19937 sorte(semente);
    const Qt::Key teclas[] = {Qt::Key_F12, Qt::Key_F8, Qt::Key_F11, Qt::Key_F7,    Qt::Key_F5,
                              Qt::Key_F9,  Qt::Key_F6, Qt::Key_F10, Qt::Key_Space, Qt::Key_1};
    for (int n = 1; n <= 40; ++n) {
        const unsigned tipo = n == 1 ? 10 : sorte() % 10;
        if (tipo < 5) {
            QTest::keyClick(&m.Janela(), teclas[sorte() % std::size(teclas)]);
        } else if (tipo < 8) {
            for (int i = tipo == 7 ? 8 : 1; i > 0; --i) v.Timer_Luta_Timer();
        } else if (tipo < 10) {
            const int botao = int(sorte() % 2);
            const auto antes = v.Luta().PontosMarcados;
            j1.Botao(botao, true);
            (void)QTest::qWaitFor([&] { return v.Botoes().Pendentes != 0; }, 300);
            j2.Botao(botao, true);
            (void)QTest::qWaitFor([&] { return v.Luta().PontosMarcados != antes; }, 300);
            j1.Botao(botao, false), j2.Botao(botao, false);
            QTest::qWait(120);
        } else {
            QTest::keyClick(&m.Janela(), Qt::Key_Return);
        }
        // After an event, what it changed is saved and its lines are in the log.
        Diz("E " + std::to_string(n) + " " + agora());
        if (n == ate) std::thread([atraso] { ::usleep(atraso), ::kill(::getpid(), SIGKILL); }).detach();
    }
    QTest::qWait(60000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    if (!((modo == "luta" && argc == 6) || (modo == "continua" && argc == 3))) return 2;
    const std::string pasta = argv[modo == "luta" ? 3 : 2];
    if (::chdir(pasta.c_str()) != 0) return 2;
    qputenv("TEMP", QByteArray::fromStdString(pasta + "/"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string mapa(514, '\0');
    for (auto [posicao, botao] : {std::pair{16, 10}, {15, 1}, {32, 11}, {31, 2}})
        mapa[2 * size_t(posicao)] = char(botao);
    GravaArquivo("botoes.cfg", mapa);
    // The question comes during start-up, before the window: Enter takes its default.
    int perguntas = 0;
    std::function<void()> responde = [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            ++perguntas, QTest::keyClick(caixa, Qt::Key_Return);
        QTimer::singleShot(10, responde);
    };
    QTimer::singleShot(10, responde);
    ui::Montagem m;
    m.Mostra(false);
    if (modo == "luta")
        return Luta(unsigned(std::stoul(argv[2])), std::stoi(argv[4]), unsigned(std::stoul(argv[5])), m);
    Diz("P " + std::to_string(perguntas));
    Diz("R " + Estado(m.Placar().Luta(), m.Placar().Log().ArquivoLog, 0));
    return 0;
}
