// A stalled sound server must not stall the scoreboard. The real window runs a round offscreen over a PulseAudio
// server of this program's own, which is stopped (SIGSTOP) for --parado seconds (default 60) in the middle of the
// round while a cue is called every five seconds and the settings are read again once (their cues prepared
// anew). Every tick of the match clock and every controller poll is timed throughout. Then the server goes on
// (SIGCONT), a cue is called, and parec records whether it is heard.
#include <csignal>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "placar_vivo.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

// Waits for the server at PULSE_SERVER to answer, five seconds at most.
bool Responde() {
    for (int i = 0; i < 50; ++i) {
        QProcess pactl;
        pactl.setStandardOutputFile(QProcess::nullDevice());
        pactl.setStandardErrorFile(QProcess::nullDevice());
        pactl.start("pactl", {"info"});
        if (pactl.waitForFinished(2000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0)
            return true;
        PlacarVivo::Espera(100);
    }
    return false;
}

void Resume(const char* nome, const std::vector<double>& v, double limiteP99, double limiteMax) {
    Informa(std::string(nome) + ", p50", Percentil(v, 50), "ms");
    Figura(std::string(nome) + ", p99", Percentil(v, 99), "ms", limiteP99);
    Figura(std::string(nome) + ", max", Percentil(v, 100), "ms", limiteMax);
}

}  // namespace

int main(int argc, char** argv) {
    const long parado = std::max(1L, Opcao(argc, argv, "--parado", 60));
    auto app = AplicacaoOffscreen(argc, argv);
    std::printf("bench_som: a round on a private PulseAudio server stopped for %ld s, window offscreen (%s)\n", parado,
                qPrintable(QApplication::platformName()));
    std::fflush(stdout);

    // The server, private: a null sink and a socket in a folder of our own.
    QTemporaryDir pasta;
    const QString socket = pasta.filePath("nativo");
    QProcess servidor;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("HOME", pasta.path());
    ambiente.insert("XDG_RUNTIME_DIR", pasta.path());
    servidor.setProcessEnvironment(ambiente);
    servidor.setStandardOutputFile(QProcess::nullDevice());
    servidor.setStandardErrorFile(QProcess::nullDevice());
    servidor.start("pulseaudio", {"--daemonize=no", "--system=no", "--use-pid-file=no", "-n", "--exit-idle-time=-1",
                                  "--disallow-exit", "--realtime=no", "--high-priority=no",
                                  "--load=module-null-sink sink_name=vantor_nula rate=44100 channels=2",
                                  "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    ::setenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit().constData(), 1);
    if (!servidor.waitForStarted(5000) || !Responde()) {
        std::printf("  PulseAudio did not start: MISSED\n");
        return 0;
    }

    auto vivo =
        std::make_unique<PlacarVivo>(PlacarVivo::Opcoes{.segundosRound = static_cast<int>(parado) + 60, .botoes = ""});
    PlacarVivo& placar = *vivo;
    // The cues beside the program are in the build folder; the working folder is looked in first.
    for (const char* nome : {"gongo.wav", "sino.wav", "sparkle.wav"})
        std::filesystem::copy_file(std::filesystem::path(VANTOR_SONS) / nome, nome);
    // What reading the settings does with the cues: prepares them again.
    const auto prepara = [&placar] {
        const auto& s = placar.v->Config().Som;
        placar.plataforma->PreparaSons({s[1], s[2], s[3], s[4]});
    };
    prepara();

    const ui::TimerVinculado& relogio = placar.janela->TimerLuta();
    ObservaTimers observa;
    int64_t proximoAntes = 0;
    Instante prazoAntes{};
    bool parou = false;
    std::vector<double> atrasosParado, atrasosFora, lacunasParado, chamadas;
    long saltados = 0;
    Instante ultimoPoll{};
    observa.antes = [&] { proximoAntes = relogio.Agenda().Proximo(), prazoAntes = relogio.Agenda().Prazo(); };
    observa.depois = [&](Instante inicio) {
        const int64_t proximo = relogio.Agenda().Proximo();
        if (proximo == proximoAntes || !placar.v->Luta().LutaIniciada) return;
        saltados += proximo - proximoAntes - 1;
        (parou ? atrasosParado : atrasosFora).push_back(Ms(inicio - prazoAntes));
    };
    QObject::connect(&placar.janela->TimerJoystick(), &ui::TimerVinculado::Disparou, [&] {
        const Instante agora = Relogio::now();
        if (parou && ultimoPoll != Instante{}) lacunasParado.push_back(Ms(agora - ultimoPoll));
        ultimoPoll = agora;
    });
    QApplication::instance()->installEventFilter(&observa);

    PlacarVivo::Espera(1500);
    placar.Tecla(Qt::Key_Return);
    PlacarVivo::Espera(5000);
    placar.plataforma->TocaWav(placar.v->Config().Som[1]);  // the device is open and playing when the server stops
    PlacarVivo::Espera(500);

    // The server goes on by itself after the stall, on a thread of its own: a window frozen by the stall must not
    // keep it stopped.
    const auto pidServidor = static_cast<pid_t>(servidor.processId());
    ::kill(pidServidor, SIGSTOP);
    std::thread segue([&] {
        std::this_thread::sleep_for(std::chrono::seconds(parado));
        ::kill(pidServidor, SIGCONT);
    });
    parou = true;
    int vez = 0;
    QTimer cues;
    QObject::connect(&cues, &QTimer::timeout, [&] {
        const Instante antes = Relogio::now();
        if (++vez == 3)
            prepara();
        else
            placar.plataforma->TocaWav(placar.v->Config().Som[static_cast<size_t>(1 + vez % 3)]);
        chamadas.push_back(Ms(Relogio::now() - antes));
    });
    cues.start(5000);
    PlacarVivo::Espera(static_cast<int>(parado * 1000));
    cues.stop();
    parou = false;
    segue.join();
    PlacarVivo::Espera(5000);
    QApplication::instance()->removeEventFilter(&observa);

    // Heard again? Recorded from the sink's monitor: exact zeros while nothing plays.
    QProcess parec;
    parec.start("parec", {"-d", "@DEFAULT_MONITOR@", "--format=s16le", "--rate=44100", "--channels=1"});
    PlacarVivo::Espera(1000);
    parec.readAllStandardOutput();
    placar.plataforma->TocaWav(placar.v->Config().Som[1]);
    PlacarVivo::Espera(3000);
    const QByteArray gravado = parec.readAllStandardOutput();
    parec.kill();
    parec.waitForFinished(2000);
    int pico = 0;
    for (qsizetype i = 0; i + 1 < gravado.size(); i += 2) {
        const auto s = static_cast<int16_t>(uint8_t(gravado[i]) | uint8_t(gravado[i + 1]) << 8);
        pico = std::max(pico, std::abs(int(s)));
    }

    Conta("ticks while the server was stopped", static_cast<long>(atrasosParado.size()));
    Conta("ticks skipped by the schedule", saltados);
    Resume("tick lateness, server stopped", atrasosParado, 5, 50);
    Informa("tick lateness otherwise, max", Percentil(atrasosFora, 100), "ms");
    Conta("controller polls while stopped (50 ms apart)", static_cast<long>(lacunasParado.size()) + 1);
    Resume("gap between polls, server stopped", lacunasParado, 60, 100);
    Conta("cues called while stopped (one: settings)", static_cast<long>(chamadas.size()));
    Figura("longest of those calls", Percentil(chamadas, 100), "ms", 5);
    Informa("cue after SIGCONT: recorded peak (of 32767)", pico, "");
    std::printf("  %-44s %10s        target heard             %s\n", "cue after SIGCONT heard",
                pico > 1000 ? "yes" : "no", pico > 1000 ? "met" : "MISSED");

    vivo.reset();  // lets go of the device while the server still answers
    servidor.kill();
    servidor.waitForFinished(2000);
    ::unsetenv("PULSE_SERVER");
    return 0;
}
