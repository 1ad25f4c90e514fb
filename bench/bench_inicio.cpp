// Start-up: from the fork and exec of the real program to the end of its first paint of the
// scoreboard, offscreen. The program says when that paint is done (VANTOR_MARCA_QUADRO) and is
// then killed. Each run has a fresh folder.
#include <poll.h>
#include <sys/wait.h>
#include <csignal>

#include <cstdio>
#include <string>
#include <vector>

#include "lanca.h"
#include "medidas.h"

using namespace vantor::bench;

namespace {

const char* const kMarca = "vantor-bench-primeiro-quadro";

// Milliseconds from the fork to the mark on the child's stderr; negative when it never came.
double UmaPartida(const std::string& programa, std::string& erros) {
    PastaTemporaria pasta;
    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) return -1;
    const Instante t0 = Relogio::now();
    const pid_t pid = LancaVantor(programa, pasta.Caminho(), {std::string("VANTOR_MARCA_QUADRO=") + kMarca}, tubo[1]);
    ::close(tubo[1]);
    double ms = -1;
    std::string lido;
    while (pid > 0) {
        const double passou = Ms(Relogio::now() - t0);
        if (passou > 15000) break;
        pollfd p{tubo[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(15000 - passou) + 1) <= 0) break;
        char buf[4096];
        const ssize_t n = ::read(tubo[0], buf, sizeof buf);
        if (n <= 0) break;  // the program ended without painting
        lido.append(buf, static_cast<size_t>(n));
        if (lido.find(std::string(kMarca) + "\n") != std::string::npos) {
            ms = Ms(Relogio::now() - t0);
            break;
        }
    }
    if (pid > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    ::close(tubo[0]);
    if (ms < 0) erros = lido;
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const long vezes = std::max(1L, Opcao(argc, argv, "--vezes", 10));
    const std::string programa = OpcaoTexto(argc, argv, "--vantor", VANTOR_PROGRAMA);
    std::printf("bench_inicio: %s started %ld times offscreen, timed from fork to the end of its first paint\n",
                programa.c_str(), vezes);
    std::fflush(stdout);

    std::vector<double> tempos;
    long falhas = 0;
    for (long i = 0; i < vezes; ++i) {
        std::string erros;
        const double ms = UmaPartida(programa, erros);
        if (ms < 0) {
            ++falhas;
            std::printf("  run %ld: no first frame within 15 s; its stderr said:\n%s\n", i + 1, erros.c_str());
            continue;
        }
        std::printf("  run %2ld: %8.1f ms\n", i + 1, ms);
        tempos.push_back(ms);
    }
    if (tempos.empty()) {
        std::printf("  no run painted a frame: MISSED\n");
        return 0;
    }
    Informa("start-up to first frame, min", Percentil(tempos, 0), "ms");
    Figura("start-up to first frame, median", Mediana(tempos), "ms", 300);
    Informa("start-up to first frame, max", Percentil(tempos, 100), "ms");
    Nenhum("runs that never painted", falhas);
    return 0;
}
