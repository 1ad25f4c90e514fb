// Small pieces every benchmark program shares: the clock, percentiles, a private folder, a busy
// neighbour process, and one way of printing a figure beside its target.
#pragma once

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantor::bench {

using Relogio = std::chrono::steady_clock;
using Instante = Relogio::time_point;

inline double Ms(Relogio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Nearest-rank percentile (p in 0..100) of a sample; NaN for an empty one.
inline double Percentil(std::vector<double> amostra, double p) {
    if (amostra.empty()) return std::nan("");
    std::sort(amostra.begin(), amostra.end());
    auto posicao = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(amostra.size())));
    posicao = std::clamp<size_t>(posicao, 1, amostra.size());
    return amostra[posicao - 1];
}

inline double Mediana(const std::vector<double>& amostra) { return Percentil(amostra, 50); }

// One figure, its target ("value under limit") and the verdict. A miss says by how much; the
// program still exits 0, since a benchmark reports and the reader judges.
inline bool Figura(const std::string& nome, double valor, const std::string& unidade, double limite) {
    const bool cumpre = valor < limite;
    std::printf("  %-44s %10.2f %-6s target < %-8g %-6s", nome.c_str(), valor, unidade.c_str(), limite,
                unidade.c_str());
    if (cumpre)
        std::printf(" met\n");
    else
        std::printf(" MISSED by %.2f %s\n", valor - limite, unidade.c_str());
    return cumpre;
}

// A figure reported for context, without a target.
inline void Informa(const std::string& nome, double valor, const std::string& unidade) {
    std::printf("  %-44s %10.2f %-6s\n", nome.c_str(), valor, unidade.c_str());
}

// A count whose target is none at all.
inline bool Nenhum(const std::string& nome, long valor) {
    std::printf("  %-44s %7ld        target 0                 %s\n", nome.c_str(), valor,
                valor == 0 ? "met" : "MISSED");
    return valor == 0;
}

// A count, reported for context.
inline void Conta(const std::string& nome, long valor) { std::printf("  %-44s %7ld\n", nome.c_str(), valor); }

inline void Nota(const std::string& texto) { std::printf("  (%s)\n", texto.c_str()); }

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class PastaTemporaria {
public:
    explicit PastaTemporaria(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string modelo = (base / "vantor-bench-XXXXXX").string();
        if (!::mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp failed");
        caminho_ = modelo;
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::string& Caminho() const { return caminho_; }

private:
    std::string caminho_;
};

// A child process that keeps one core busy until it is killed: the scoreboard must keep time on a
// machine that is doing something else too.
class VizinhoOcupado {
public:
    VizinhoOcupado() {
        const pid_t pai = ::getpid();
        pid_ = ::fork();
        if (pid_ == 0) {
            // Never outlive the benchmark, even when it dies before it can kill us.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != pai) ::_exit(0);
            volatile unsigned long n = 0;
            for (;;) n = n + 1;
        }
        if (pid_ < 0) throw std::runtime_error("fork failed");
    }
    ~VizinhoOcupado() { Para(); }
    VizinhoOcupado(const VizinhoOcupado&) = delete;
    VizinhoOcupado& operator=(const VizinhoOcupado&) = delete;
    void Para() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// Peak resident set of this process (or another's), from /proc; -1 when unreadable.
inline double PicoResidenteMB(const std::string& processo = "self") {
    std::ifstream status("/proc/" + processo + "/status");
    std::string linha;
    while (std::getline(status, linha))
        if (linha.rfind("VmHWM:", 0) == 0) return std::strtod(linha.c_str() + 6, nullptr) / 1024.0;
    return -1;
}

// Integer option "--nome N" from the command line, or the default.
inline long Opcao(int argc, char** argv, const std::string& nome, long padrao) {
    for (int i = 1; i + 1 < argc; ++i)
        if (nome == argv[i]) return std::strtol(argv[i + 1], nullptr, 10);
    return padrao;
}

inline std::string OpcaoTexto(int argc, char** argv, const std::string& nome, const std::string& padrao) {
    for (int i = 1; i + 1 < argc; ++i)
        if (nome == argv[i]) return argv[i + 1];
    return padrao;
}

}  // namespace vantor::bench
