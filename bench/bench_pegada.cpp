// Footprint: CPU and peak memory of a running round with the controllers polled. Measured in this
// process (the real window, record and Qt platform, a fight started with Enter), and for comparison
// on the real program in its own process, which runs its clock and polls but has no fight started
// (nothing outside it can press its keys).
#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "lanca.h"
#include "placar_vivo.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

double CpuProprio() {
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// User and system time of another process, all its threads, in seconds; -1 when it is gone.
double CpuDe(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string linha;
    if (!std::getline(in, linha)) return -1;
    // The fields after the command name, which may hold spaces, start after its closing parenthesis.
    std::istringstream resto(linha.substr(linha.rfind(')') + 2));
    std::string campo;
    double utime = 0, stime = 0;
    for (int i = 3; i <= 15 && resto >> campo; ++i) {
        if (i == 14) utime = std::stod(campo);
        if (i == 15) stime = std::stod(campo);
    }
    return (utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
    const long segundos = std::max(1L, Opcao(argc, argv, "--segundos", 60));
    const std::string programa = OpcaoTexto(argc, argv, "--vantor", VANTOR_PROGRAMA);

    // The separate program is started first, while this process has no threads yet.
    PastaTemporaria pastaPrograma;
    const pid_t outro = LancaVantor(programa, pastaPrograma.Caminho(), {}, -1);

    auto app = AplicacaoOffscreen(argc, argv);
    std::printf("bench_pegada: %ld s of a running round, window offscreen (%s), 16 controller slots polled\n", segundos,
                qPrintable(QApplication::platformName()));
    std::fflush(stdout);
    PlacarVivo placar({.segundosRound = static_cast<int>(segundos) + 60, .botoes = ""});
    placar.Tecla(Qt::Key_Return);
    PlacarVivo::Espera(2000);  // start-up work is not what is measured

    const long polls0 = placar.polls, quadros0 = placar.pintura.quadros, plateia0 = placar.pinturaPlateia.quadros;
    const auto pintando0 = placar.pintura.pintando + placar.pinturaPlateia.pintando;
    const double cpu0 = CpuProprio(), outro0 = CpuDe(outro);
    const Instante t0 = Relogio::now();
    PlacarVivo::Espera(static_cast<int>(segundos * 1000));
    const double cpu1 = CpuProprio(), outro1 = CpuDe(outro);
    const double parede = Ms(Relogio::now() - t0) / 1000.0;
    const double picoOutro = PicoResidenteMB(std::to_string(outro));
    ::kill(outro, SIGKILL);
    ::waitpid(outro, nullptr, 0);

    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    std::printf(
        "  in this process, fight started, the operator's %dx%d and the audience's %dx%d windows open"
        " (round clock at %d s, %ld polls):\n",
        placar.janela->width(), placar.janela->height(), placar.plateia->width(), placar.plateia->height(),
        placar.v->Luta().TempoRestante, placar.polls - polls0);
    Figura("CPU, % of one core", (cpu1 - cpu0) / parede * 100.0, "%", 1);
    const long quadros = placar.pintura.quadros - quadros0, plateia = placar.pinturaPlateia.quadros - plateia0;
    const double pintando = Ms(placar.pintura.pintando + placar.pinturaPlateia.pintando - pintando0);
    Informa("frames painted per second, operator's window", static_cast<double>(quadros) / parede, "/s");
    Informa("frames painted per second, audience's window", static_cast<double>(plateia) / parede, "/s");
    Informa("time in one paint, mean", quadros + plateia ? pintando / static_cast<double>(quadros + plateia) : 0.0,
            "ms");
    Informa("time in paints, % of one core", pintando / (parede * 1000.0) * 100.0, "%");
    Figura("peak resident memory (VmHWM)", PicoResidenteMB(), "MB", 80);
    Informa("peak resident memory (ru_maxrss)", static_cast<double>(r.ru_maxrss) / 1024.0, "MB");
    std::printf("  the real program in its own process, before the start (clock and polls running):\n");
    if (outro0 < 0 || outro1 < 0 || picoOutro < 0) {
        std::printf("  it could not be measured (did it start? %s)\n", programa.c_str());
        return 0;
    }
    Figura("CPU, % of one core", (outro1 - outro0) / parede * 100.0, "%", 1);
    Figura("peak resident memory (VmHWM)", picoOutro, "MB", 80);
    return 0;
}
