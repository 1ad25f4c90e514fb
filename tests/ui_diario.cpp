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
#include "log/resultados.h"
#include "luta.h"
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
std::pair<std::vector<std::string>, int> Roda(const std::string& args, const std::string& programa = VANTOR_ROTEIRO) {
    FILE* p = ::popen(("exec " + programa + " " + args).c_str(), "r");  // no shell between
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

// A tournament day: the script program as installed in `dir` (bin/ beside share/vantor, the user's folders there
// too), so that its settings, list, models and button map are the run's own; a list of `lutas` bouts under two
// short models, on points (one round of 4 s) and by rounds (best of three, a gap of 3 ends a round).
std::string DiaEm(const std::string& dir, int lutas) {
    std::filesystem::create_directories(dir + "/bin");
    std::filesystem::create_directories(dir + "/share/vantor");
    std::filesystem::create_directories(dir + "/config/vantor");
    std::filesystem::create_hard_link(VANTOR_ROTEIRO, dir + "/bin/vantor_roteiro");
    for (const char* v : {"XDG_CONFIG_HOME=config", "XDG_DATA_HOME=dados", "HOME="})
        ::setenv(std::string(v).substr(0, std::strchr(v, '=') - v).c_str(),
                 (dir + "/" + (std::strchr(v, '=') + 1)).c_str(), 1);
    GravaArquivo(dir + "/config/vantor/modelos.ini",
                 "[pontos]\nRegra=2\nRounds=1\nTempo=4\nIntervalo=1\nDiferenca=99\n"
                 "[rounds]\nRegra=3\nRounds=3\nTempo=30\nIntervalo=1\nDiferenca=3\n");
    std::string lista = "luta;categoria;azul;vermelho;modelo\n";
    for (int i = 1; i <= lutas; ++i)
        lista += std::to_string(i) + ";Cat " + std::to_string(i % 3) + ";Azul " + std::to_string(i) + ";Vermelho " +
                 std::to_string(i) + (i % 2 ? ";pontos\n" : ";rounds\n");
    GravaArquivo(dir + "/lista.csv", lista);
    return dir + "/bin/vantor_roteiro";
}

// The day's results file in the logs' folder, and its rows' bout numbers.
std::pair<std::string, std::vector<int>> ResultadosEm(const std::string& logs) {
    std::pair<std::string, std::vector<int>> r;
    for (const auto& e : std::filesystem::directory_iterator(logs))
        if (e.path().filename().string().starts_with("resultados_")) r.first = LeArquivo(e.path().string());
    for (size_t i = r.first.find("\r\n"); i != std::string::npos && i + 2 < r.first.size();
         i = r.first.find("\r\n", i + 2))
        r.second.push_back(std::atoi(r.first.c_str() + i + 2));
    return r;
}

// Twenty bouts through the assembled program, keys and judges' presses: the results file is the expected one (the
// clock's times and the logs' names aside), the logs alone give it byte for byte (`vantor --resultados`), and
// Python's csv module reads it as one table of 16 columns.
TEST(Dia, TwentyBoutsGiveTheExpectedResultsAndTheLogsAloneGiveTheSameFile) {
    QTemporaryDir pasta;
    const std::string dir = pasta.path().toStdString(), programa = DiaEm(dir, 20);
    const auto [linhas, fim] = Roda("dia 7 " + dir + " 20 0 0", programa);
    ASSERT_EQ(fim, 0);
    ASSERT_EQ(linhas.back(), "FIM");
    const auto [texto, lutas] = ResultadosEm(dir + "/LOG");
    std::vector<std::string> semHoras;  // the start and end times and the log's name vary with the clock
    for (size_t i = 0, f; (f = texto.find("\r\n", i)) != std::string::npos; i = f + 2) {
        std::string l = texto.substr(i, f - i);
        for (int k = 0; k < 3 && i > 0; ++k) l.resize(l.rfind(','));
        semHoras.push_back(l);
    }
    ConfereLog(semHoras, "dia_resultados.csv");
    const std::string saida = dir + "/saida.csv";
    ASSERT_EQ(
        std::system(("'" + std::string(VANTOR_PROGRAMA) + "' --resultados '" + dir + "/LOG' '" + saida + "'").c_str()),
        0);
    EXPECT_EQ(LeArquivo(saida), texto);
    FILE* p = ::popen(("python3 -c 'import csv,sys; t=list(csv.reader(open(sys.argv[1], encoding=\"utf-8-sig\", "
                       "newline=\"\"))); print(len(t), {len(r) for r in t}, t[0][0], t[1][0])' '" +
                       saida + "'")
                          .c_str(),
                      "r");
    char b[256] = "";
    ASSERT_TRUE(p && std::fgets(b, sizeof b, p));
    ::pclose(p);
    EXPECT_STREQ(b, "21 {16} luta 1\n");
}

class MatarNoDia : public testing::TestWithParam<int> {};

// Killed at a seeded moment of a day of six bouts, then started again: the results file is what the logs give, one
// row per bout; every bout said decided has its row, every bout before the one loaded after the restart too, and
// none after it; the bout loaded is the last one said, or the next when the kill came after Page Down.
TEST_P(MatarNoDia, TheListsPositionAndTheResultsAgreeAfterAKill) {
    for (int i = 0; i < 2; ++i) {
        const unsigned semente = 2 * static_cast<unsigned>(GetParam()) + static_cast<unsigned>(i);
        std::mt19937 sorte(static_cast<unsigned long>(semente) * 104729);
        QTemporaryDir pasta;
        const std::string dir = pasta.path().toStdString(), programa = DiaEm(dir, 6);
        char args[512];
        std::snprintf(args, sizeof args, "dia %u %s 6 %lu %lu", semente, dir.c_str(), 1 + sorte() % 50,
                      sorte() % 15000);
        SCOPED_TRACE(args);
        const auto [linhas, fim] = Roda(args, programa);
        ASSERT_TRUE(WIFSIGNALED(fim)) << "the script ended on its own: " << fim;
        int dita = 0;
        std::vector<int> decididas;
        for (const auto& l : linhas) {
            int n = 0, luta = 0, decidida = 0;
            if (std::sscanf(l.c_str(), "E %d %d %d", &n, &luta, &decidida) != 3) continue;
            dita = luta;
            if (decidida) decididas.push_back(luta);
        }
        const auto [saida, estado] = Roda("continua " + dir, programa);
        ASSERT_EQ(estado, 0);
        ASSERT_TRUE(!saida.empty() && saida.back().starts_with("L ")) << (saida.empty() ? "" : saida.back());
        const int carregada = std::atoi(saida.back().c_str() + 2);
        EXPECT_TRUE(carregada == dita || carregada == dita + 1) << "loaded " << carregada << ", said " << dita;
        const auto [texto, lutas] = ResultadosEm(dir + "/LOG");
        // No file before the day's first result: then the logs hold none either.
        EXPECT_EQ(texto.empty() ? TextoResultados({}) : texto, ResultadosDaPasta(dir + "/LOG"))
            << "the results file is not what the logs give";
        std::vector<int> esperadas;
        for (int b = 1; b < carregada; ++b) esperadas.push_back(b);
        if (std::find(decididas.begin(), decididas.end(), carregada) != decididas.end()) esperadas.push_back(carregada);
        std::vector<int> achadas = lutas;
        if (!achadas.empty() && achadas.back() == carregada && esperadas.size() < achadas.size())
            esperadas.push_back(carregada);  // decided as the kill came, before it was said
        EXPECT_EQ(achadas, esperadas);
    }
}

INSTANTIATE_TEST_SUITE_P(Sementes, MatarNoDia, testing::Range(0, 4));

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
