// The assembled program killed at seeded moments of a scripted fight, then continued: the board is the last state it
// saved, no older than the last event that ended, and the log goes on with every saved event's lines once, no more.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
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

}  // namespace
}  // namespace vantor::teste
