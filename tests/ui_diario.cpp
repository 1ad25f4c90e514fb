// The assembled program killed (SIGKILL) at seeded random moments of a scripted fight, then started again and told
// to continue: the board must be the last state it saved, which must be no older than the last event that finished,
// and the log must go on in the same file with every line of the saved events once and nothing after them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <random>
#include <sstream>

#include "log/leitura.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

struct Estado {
    std::vector<int> campos;  // as tests/roteiro_luta.cpp writes them
    std::string arquivo;
    uint64_t tamanho = 0;
    enum { Iniciada, Tempo, Round, Intervalo, Minuto, Pausado, PausaLigada, Decidida, Golden, P1, P2, F1, F2 };
};

Estado Le(const std::string& texto) {
    std::istringstream in(texto);
    Estado e;
    e.campos.resize(16);
    for (int& c : e.campos) in >> c;
    in >> e.arquivo >> e.tamanho;
    return e;
}

// Runs the script program with `args`; kills it right after it says `ate` plus `atraso` µs when `ate` is given.
// Every line it wrote before it ended, and how it ended.
std::pair<std::vector<std::string>, int> Roda(std::vector<std::string> args, const std::string& ate = "",
                                               useconds_t atraso = 0) {
    int canal[2];
    if (::pipe(canal) != 0) return {{}, -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(canal[1], 1);
        ::close(canal[0]);
        std::vector<char*> argv{const_cast<char*>(VANTOR_ROTEIRO)};
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(VANTOR_ROTEIRO, argv.data());
        ::_exit(127);
    }
    ::close(canal[1]);
    std::string lido;
    std::vector<std::string> linhas;
    bool morto = ate.empty();
    char b[4096];
    for (ssize_t n; (n = ::read(canal[0], b, sizeof b)) > 0;) {
        lido.append(b, size_t(n));
        for (size_t nl; (nl = lido.find('\n')) != std::string::npos; lido.erase(0, nl + 1)) {
            linhas.push_back(lido.substr(0, nl));
            if (!morto && (linhas.back().starts_with(ate) || linhas.back() == "FIM")) {
                ::usleep(atraso);
                ::kill(pid, SIGKILL);
                morto = true;
            }
        }
    }
    ::close(canal[0]);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    return {linhas, estado};
}

class Matar : public testing::TestWithParam<int> {};

TEST_P(Matar, AfterAKillTheFightContinuesAsLastSavedAndItsLogLosesAndRepeatsNothing) {
    for (int i = 0; i < 10; ++i) {
        const unsigned semente = unsigned(GetParam() * 10 + i);
        std::mt19937 sorte(semente * 7919u);
        const std::string ate = "E " + std::to_string(1 + sorte() % 40) + " ";
        const auto atraso = useconds_t(std::uniform_int_distribution<>(0, 15000)(sorte));
        SCOPED_TRACE("seed " + std::to_string(semente) + ", killed " + std::to_string(atraso) + " µs after " + ate);
        QTemporaryDir pasta;
        const std::string dir = pasta.path().toStdString();
        const auto [linhas, fim] = Roda({"luta", std::to_string(semente), dir}, ate, atraso);
        ASSERT_TRUE(WIFSIGNALED(fim)) << "the script ended on its own: " << fim;
        // Every event ends saved, with its lines in the log: its state is the last one said before it.
        std::vector<Estado> salvos;
        size_t minimo = 0;  // the oldest saved state the restart may bring back
        for (const auto& l : linhas) {
            if (l.starts_with("G ")) salvos.push_back(Le(l.substr(2)));
            if (!l.starts_with("E ")) continue;
            ASSERT_FALSE(salvos.empty());
            const Estado e = Le(l.substr(l.find(' ', 2) + 1));
            EXPECT_TRUE(e.campos == salvos.back().campos && e.arquivo == salvos.back().arquivo &&
                        e.tamanho == salvos.back().tamanho)
                << "an event's state or lines were not saved when it ended: " << l;
            minimo = salvos.size() - 1;
        }
        ASSERT_GE(salvos.size(), 2u);
        const std::string antes = LeArquivo(salvos.back().arquivo, size_t{64} << 20);

        const auto [saida, estado] = Roda({"continua", dir});
        ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
        ASSERT_EQ(saida.size(), 2u);
        EXPECT_EQ(saida[0], "P 1") << "the question must come once";
        const Estado r = Le(saida[1].substr(2));

        // The last state said, or the one before when the kill came before it replaced that one; never older.
        const Estado* achado = nullptr;
        for (size_t k = std::max(minimo, salvos.size() - 2); k < salvos.size(); ++k) {
            Estado esperado = salvos[k];
            const bool corre = esperado.campos[Estado::Intervalo] < 0 && esperado.campos[Estado::Minuto] < 0;
            if (corre) esperado.campos[Estado::Pausado] = esperado.campos[Estado::PausaLigada] = 1;  // held
            if (esperado.campos == r.campos && esperado.arquivo == r.arquivo) achado = &salvos[k];
        }
        ASSERT_NE(achado, nullptr) << "restored: " << saida[1] << "\nlast saved: "
                                   << linhas[size_t(std::find_if(linhas.rbegin(), linhas.rend(),
                                                                 [](auto& l) { return l.starts_with("G "); }) -
                                                    linhas.rbegin())];

        // The log: what was on disk at the kill, the saved lines it lacked, then the continuation.
        const std::string log = LeArquivo(r.arquivo, size_t{64} << 20);
        ASSERT_TRUE(log.starts_with(antes)) << "lines were lost";
        ASSERT_LE(antes.size(), achado->tamanho) << "lines of an unsaved state reached the log";
        ASSERT_GT(log.size(), achado->tamanho);
        const size_t fimLinha = log.find('\n', achado->tamanho);
        EXPECT_NE(log.substr(achado->tamanho, fimLinha - achado->tamanho).find("Luta continuada após uma interrupção"),
                  std::string::npos)
            << log.substr(achado->tamanho);
        const LeituraLog lido = LeLog(log);
        ASSERT_EQ(lido.erro, 0) << "line " << lido.linha;
        const auto& placar = lido.lutas.back().eventos.back().placar;
        EXPECT_EQ(placar[1], r.campos[Estado::P1] + r.campos[Estado::F2]);
        EXPECT_EQ(placar[2], r.campos[Estado::P2] + r.campos[Estado::F1]);
    }
}

INSTANTIATE_TEST_SUITE_P(Sementes, Matar, testing::Range(0, 5));

}  // namespace
}  // namespace vantor::teste
