// The assembled program under a seeded script of keys, clock ticks and judges' agreements on virtual controllers,
// for the kill test (tests/ui_diario.cpp), which kills it at random moments and starts it again.
//
//   vantor_roteiro luta SEED FOLDER   the script; prints "G <state>" for every state about to be saved (the first
//                                      one, after start-up, already saved) and "E <n> <state>" after every event
//   vantor_roteiro continua FOLDER    start-up only, answering the question with Enter; prints "P <n>" (questions
//                                      seen) and "R <state>", then ends
//
// A state is "<fields of the fight> <log file> <the log's size once the saved lines are in it>".
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <cstdio>
#include <random>
#include <string>

#include "controle_virtual.h"
#include "settings/arquivos.h"
#include "ui/montagem.h"

using namespace vantor;

namespace {

std::string Estado(const EstadoLuta& l, const std::string& arquivo, uint64_t tamanho) {
    std::string s;
    for (int v : {int(l.LutaIniciada), int(l.TempoRestante), int(l.RoundAtual), int(l.ContaIntervalo),
                  int(l.ContaMinuto), int(l.Pausado), int(l.PausaLigada), int(l.LutaDecidida), int(l.EmGolden),
                  int(l.PontosMarcados[1]), int(l.PontosMarcados[2]), int(l.Faltas[1]), int(l.Faltas[2]),
                  int(l.MeiaFalta[1]), int(l.MeiaFalta[2]), int(l.ResultadoLogado)})
        s += std::to_string(v) + " ";
    return s + arquivo + " " + std::to_string(tamanho);
}

uint64_t Tamanho(const std::string& arquivo) {
    struct stat st {};
    return ::stat(arquivo.c_str(), &st) == 0 ? uint64_t(st.st_size) : 0;
}

void Diz(const std::string& linha) {
    const std::string s = linha + "\n";
    (void)!::write(1, s.data(), s.size());  // unbuffered: a kill must not swallow what was said
}

// Judge 1 on the first controller, judge 2 on the second: button 1 scores blue, button 2 red, one point.
std::string Mapa() {
    std::string m(514, '\0');
    for (auto [posicao, botao] : {std::pair{16, 10}, {15, 1}, {32, 11}, {31, 2}}) m[size_t(2 * posicao)] = char(botao);
    return m;
}

int Luta(unsigned semente, ui::Montagem& m) {
    Vantor& v = m.Placar();
    ui::JanelaPlacar& janela = m.Janela();
    teste::Virtual j1("Juiz 1"), j2("Juiz 2");
    if (!QTest::qWaitFor([&] { return m.Plataforma().ControlesConectados() == 2; }, 5000)) return 3;
    v.aoGuardar = [](const Diario& d) {
        uint64_t tamanho = 0;
        for (const auto& [arquivo, antes] : d.tamanhos)
            if (arquivo == d.arquivoLog) tamanho = antes;
        for (const auto& p : d.pendentes)
            if (p.arquivo == d.arquivoLog) tamanho += p.linha.size();
        if (d.tamanhos.empty()) tamanho = Tamanho(d.arquivoLog);
        Diz("G " + Estado(d.luta, d.arquivoLog, tamanho));
    };
    Diz("G " + Estado(v.Luta(), v.Log().ArquivoLog, Tamanho(v.Log().ArquivoLog)));

    std::mt19937 sorte(semente);
    const Qt::Key teclas[] = {Qt::Key_F12, Qt::Key_F8, Qt::Key_F11, Qt::Key_F7, Qt::Key_F5, Qt::Key_F9,
                              Qt::Key_F6,  Qt::Key_F10, Qt::Key_Space, Qt::Key_1};
    // After an event, what it changed is saved and its lines are in the log.
    const auto feito = [&](int n) {
        Diz("E " + std::to_string(n) + " " + Estado(v.Luta(), v.Log().ArquivoLog, Tamanho(v.Log().ArquivoLog)));
    };
    QTest::keyClick(&janela, Qt::Key_Return);
    feito(1);
    for (int n = 2; n <= 40; ++n) {
        const unsigned tipo = sorte() % 10;
        if (tipo < 5) {
            QTest::keyClick(&janela, teclas[sorte() % std::size(teclas)]);
        } else if (tipo < 7) {
            v.Timer_Luta_Timer();
        } else if (tipo == 7) {
            for (int i = 0; i < 8; ++i) v.Timer_Luta_Timer();
        } else {
            const int botao = int(sorte() % 2);
            const auto antes = v.Luta().PontosMarcados;
            j1.Botao(botao, true);
            (void)QTest::qWaitFor([&] { return v.Botoes().Pendentes != 0; }, 300);
            j2.Botao(botao, true);
            (void)QTest::qWaitFor([&] { return v.Luta().PontosMarcados != antes; }, 300);
            j1.Botao(botao, false), j2.Botao(botao, false);
            QTest::qWait(120);
        }
        feito(n);
    }
    Diz("FIM");
    QTest::qWait(60000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    if (!((modo == "luta" && argc == 4) || (modo == "continua" && argc == 3))) {
        std::fprintf(stderr, "usage: %s luta SEED FOLDER | continua FOLDER\n", argv[0]);
        return 2;
    }
    const std::string pasta = argv[argc - 1];
    if (::chdir(pasta.c_str()) != 0) return 2;
    qputenv("TEMP", QByteArray::fromStdString(pasta + "/"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GravaArquivo("botoes.cfg", Mapa());
    // The question comes during start-up, before the window: Enter takes its default.
    int perguntas = 0;
    std::function<void()> responde = [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++perguntas;
            QTest::keyClick(caixa, Qt::Key_Return);
        }
        QTimer::singleShot(10, responde);
    };
    QTimer::singleShot(10, responde);
    ui::Montagem m;
    m.Mostra(false);
    if (modo == "luta") return Luta(unsigned(std::stoul(argv[2])), m);
    Diz("P " + std::to_string(perguntas));
    Diz("R " + Estado(m.Placar().Luta(), m.Placar().Log().ArquivoLog, 0));
    return 0;
}
