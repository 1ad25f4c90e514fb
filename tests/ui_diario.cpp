// The assembled program killed at seeded moments of a scripted fight, then continued: the board is the last state it
// saved, no older than the last event that ended, and the log goes on with every saved event's lines once, no more.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

#include "log/diario.h"
#include "log/leitura.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

struct Estado {
    std::vector<int> campos;  // as tests/roteiro_luta.cpp writes them
    std::string arquivo;
    uint64_t tamanho = 0;
    enum { Intervalo = 3, Minuto, Pausado, PausaLigada, P1 = 9, P2, F1, F2 };
    bool operator==(const Estado&) const = default;
};

Estado Le(const std::string& texto) {
    std::istringstream in(texto);
    Estado e{std::vector<int>(16), "", 0};
    for (int& c : e.campos) in >> c;
    return in >> e.arquivo >> e.tamanho, e;
}

// The script program's lines, and how it ended.
std::pair<std::vector<std::string>, int> Roda(const std::string& args) {
    FILE* p = ::popen(("exec " + std::string(VANTOR_ROTEIRO) + " " + args).c_str(), "r");  // no shell between
    std::vector<std::string> linhas;
    char b[4096];
    while (p && std::fgets(b, sizeof b, p)) linhas.emplace_back(b, std::strcspn(b, "\n"));
    return {linhas, p ? ::pclose(p) : -1};
}

class Matar : public testing::TestWithParam<int> {};

TEST_P(Matar, AfterAKillTheFightContinuesAsLastSavedAndItsLogLosesAndRepeatsNothing) {
    for (int i = 0; i < 10; ++i) {
        const unsigned long semente = 10UL * static_cast<unsigned>(GetParam()) + static_cast<unsigned>(i);
        std::mt19937 sorte(semente * 7919);
        QTemporaryDir pasta;
        const std::string dir = pasta.path().toStdString();
        // The seed, the folder, and the kill: so many µs after which event.
        const unsigned long evento = 1 + sorte() % 40, atraso = sorte() % 15000;
        char args[512];
        std::snprintf(args, sizeof args, "luta %lu %s %lu %lu", semente, dir.c_str(), evento, atraso);
        SCOPED_TRACE(args);
        const auto [linhas, fim] = Roda(args);
        ASSERT_TRUE(WIFSIGNALED(fim)) << "the script ended on its own: " << fim;
        // Every event ends saved, with its lines in the log: its state is the last one said before it.
        std::vector<Estado> salvos;
        size_t minimo = 0;  // the oldest saved state the restart may bring back
        for (const auto& l : linhas) {
            if (l.starts_with("G ")) salvos.push_back(Le(l.substr(2)));
            if (!l.starts_with("E ")) continue;
            ASSERT_FALSE(salvos.empty());
            EXPECT_EQ(Le(l.substr(l.find(' ', 2) + 1)), salvos.back()) << "an event not saved when it ended: " << l;
            minimo = salvos.size() - 1;
        }
        ASSERT_GE(salvos.size(), 2u);
        const std::string antes = LeArquivo(salvos.back().arquivo, size_t{64} << 20);

        const auto [saida, estado] = Roda("continua " + dir);
        ASSERT_EQ(estado, 0);
        ASSERT_EQ(saida.size(), 2u);
        EXPECT_EQ(saida[0], "P 1") << "the question must come once";
        const Estado r = Le(saida[1].substr(2));

        // The log: what was on disk at the kill, then the saved lines it lacked, then the continuation.
        const std::string log = LeArquivo(r.arquivo, size_t{64} << 20);
        ASSERT_TRUE(log.starts_with(antes)) << "lines were lost";
        const size_t continua = log.find("Luta continuada após uma interrupção", antes.size());
        ASSERT_NE(continua, std::string::npos);
        const size_t prefixo = log.rfind('\n', continua) + 1;  // the bytes before the continuation line
        // The state restored and the lines before the continuation are those of the last state said, or of the one
        // before it when the kill came before it replaced that one; never older.
        bool achado = false;
        for (size_t k = std::max(minimo, salvos.size() - 2); k < salvos.size(); ++k) {
            Estado esperado = salvos[k];
            if (esperado.campos[Estado::Intervalo] < 0 && esperado.campos[Estado::Minuto] < 0)
                esperado.campos[Estado::Pausado] = esperado.campos[Estado::PausaLigada] = 1;  // held
            achado |= esperado.campos == r.campos && esperado.arquivo == r.arquivo && esperado.tamanho == prefixo;
        }
        ASSERT_TRUE(achado) << "restored: " << saida[1] << " with " << prefixo << " bytes before the continuation";
        const LeituraLog lido = LeLog(log);
        ASSERT_EQ(lido.erro, 0) << "line " << lido.linha;
        EXPECT_EQ(lido.lutas.back().eventos.back().placar,
                  (std::array<long, 3>{0, r.campos[Estado::P1] + r.campos[Estado::F2],
                                       r.campos[Estado::P2] + r.campos[Estado::F1]}));
    }
}

INSTANTIATE_TEST_SUITE_P(Sementes, Matar, testing::Range(0, 5));

std::map<std::string, std::string> Arquivos(const std::string& pasta) {
    std::map<std::string, std::string> r;
    for (const auto& e : std::filesystem::recursive_directory_iterator(pasta))
        if (e.is_regular_file()) r[e.path().string()] = LeArquivo(e.path().string(), size_t{64} << 20);
    return r;
}

// A second start while a fight runs (a double click on the menu entry): it reaches the running program and ends at
// once, and no file of the folder changes by a byte. A killed program's lock goes with it: the next start takes
// the folder and offers the fight back.
TEST(Duplo, ASecondStartLeavesTheRunningFightAloneAndADeadOnesLockNeverBlocks) {
    QTemporaryDir pasta;
    const std::string dir = pasta.path().toStdString();
    FILE* primeiro = ::popen(("exec " + std::string(VANTOR_ROTEIRO) + " espera " + dir).c_str(), "r");
    ASSERT_NE(primeiro, nullptr);
    char b[256] = "";
    ASSERT_TRUE(std::fgets(b, sizeof b, primeiro) && std::strncmp(b, "PRONTO ", 7) == 0) << b;
    const pid_t pid = std::atoi(b + 7);
    const auto antes = Arquivos(dir);
    const auto inicio = std::chrono::steady_clock::now();
    const std::string segundo =
        "cd '" + dir + "' && TEMP='" + dir + "/' timeout 20 " + VANTOR_PROGRAMA + " 2>/dev/null";
    const int estado = std::system(segundo.c_str());
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "it did not reach the running board: " << estado;
    EXPECT_LT(s, 5.0) << "the second start took its time to end";
    std::printf("second start ended in %.2f s\n", s);
    EXPECT_EQ(Arquivos(dir), antes);
    ::kill(pid, SIGKILL);
    ::pclose(primeiro);
    const auto [saida, fim] = Roda("continua " + dir);
    ASSERT_EQ(fim, 0);
    ASSERT_FALSE(saida.empty());
    EXPECT_EQ(saida[0], "P 1") << "the dead program's fight is offered back";
}

// The script program under strace, every fsync and fdatasync delayed by 50 ms. LeakSanitizer cannot run under
// ptrace; the sanitized build's other checks still do.
FILE* Lento(const std::string& modo, const std::string& pasta) {
    const std::string comando =
        "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -f -qq --seccomp-bpf -o /dev/null "
        "-e trace=fsync,fdatasync -e inject=fsync,fdatasync:delay_exit=50000 " +
        std::string(VANTOR_ROTEIRO) + " " + modo + " " + pasta;
    return ::popen(comando.c_str(), "r");
}

// Every fsync and fdatasync delayed by 50 ms (a USB stick, an SD card) while a point is given or taken back 20 times
// a second through a 60 s round: the clock keeps its time, and once the disk catches up every line is in the log and
// the saved fight is the board's. (The figures, precisely: docs/benchmarks.md.)
TEST(Disco, ASlowDiskNeverHoldsTheClockAndLosesNothing) {
    QTemporaryDir pasta;
    FILE* p = Lento("lento", pasta.path().toStdString());
    ASSERT_NE(p, nullptr);
    double fim = 0, atraso = 0;
    long teclas = 0, linhas = 0;
    int salvo = 0;
    char b[256] = "";
    while (std::fgets(b, sizeof b, p))
        if (std::sscanf(b, "FIM %lf %lf %ld %ld %d", &fim, &atraso, &teclas, &linhas, &salvo) == 5) break;
    ASSERT_EQ(::pclose(p), 0) << b;
    std::printf("round ended %.0f ms after Enter; latest second %.0f ms late; %ld keys\n", fim, atraso, teclas);
    // With the disk's work on the window's thread the board took a third of the keys, each waiting for its syncs.
    EXPECT_NEAR(fim, 60000, 2000);
    EXPECT_GT(teclas, 1000);
    EXPECT_EQ(linhas, teclas) << "a point's log line is missing";
    EXPECT_EQ(salvo, 1) << "the saved fight is not the board's";
}

// Alt+F4 ends the program at once, but not before the slow disk has taken what the last events made.
TEST(Disco, AltF4RightAfterTheEventsLosesNoneOfThem) {
    QTemporaryDir pasta;
    const std::string dir = pasta.path().toStdString();
    ASSERT_EQ(::pclose(Lento("sai", dir)), 0);
    std::string log;
    for (const auto& e : std::filesystem::directory_iterator(dir + "/LOG"))
        if (e.path().filename().string().starts_with("LOG_")) log = LeArquivo(e.path().string());
    EXPECT_TRUE(log.ends_with("+1 Pontos Azul (Azul)\r\n")) << log;
    Diario d;
    ASSERT_EQ(LeDiario(LeArquivo(dir + "/LOG/vantor-luta.estado"), dir + "/LOG/LOG_", d), 0);
    EXPECT_EQ(d.luta.PontosMarcados[Azul], 10);
}

}  // namespace
}  // namespace vantor::teste
