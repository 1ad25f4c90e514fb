// A tournament day's files: a list of a thousand bouts loaded (read, checked against the models, kept for the next
// start), and the day's results built from 150 bouts' logs (as at start-up, or by `vantor --resultados`). The logs
// are written by the record on the tests' fixed-clock platform, each bout walked with Page Down and fought with
// 200 point keys (a long bout's lines) to the referee's decision.
#include <cstdio>
#include <string>
#include <vector>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "log/resultados.h"
#include "medidas.h"
#include "settings/arquivos.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

// A list as a desk's spreadsheet writes it: semicolons, every column, quotes and accents.
std::string ListaDoDia(int lutas) {
    std::string s = "luta;categoria;azul;azul2;vermelho;vermelho2;modelo;evento;quadra;arbitro;juizes\r\n";
    for (int i = 1; i <= lutas; ++i) {
        const std::string n = std::to_string(i);
        s.append(n).append(";Adulto Masculino -").append(std::to_string(54 + i % 6 * 4));
        s.append(" kg;João Azul da Silva ").append(n).append(";\"Academia \"\"Leão\"\" - SP\";Émerson Vermelho ");
        s.append(n).append(";Clube Tigre - RJ;").append(i % 2 ? "wt-senior" : "wtf-2017");
        s.append(";Copa Regional 2026;").append(std::to_string(1 + i % 4));
        s.append(";Rui Sá;Ana Melo / Caio Dias / Lia Reis\r\n");
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    const long lutas = std::max(10L, Opcao(argc, argv, "--lutas", 1000));
    const long logs = std::max(2L, Opcao(argc, argv, "--logs", 150));
    // A long bout's log: two hundred scoring lines, as many as three rounds of judges' presses and points give.
    const long pontos = std::max(1L, Opcao(argc, argv, "--pontos", 200));
    PastaTemporaria pasta;
    teste::FakePlataforma plat;
    plat.temp = pasta.Caminho() + "/", plat.pastaPrograma = pasta.Caminho();
    GravaArquivo(pasta.Caminho() + "/modelos.ini",
                 "[wt-senior]\nRegra=3\nRounds=3\nTempo=120\nIntervalo=60\nDiferenca=12\n"
                 "[wtf-2017]\nRegra=2\nRounds=1\nTempo=60\nIntervalo=15\n");
    Vantor v(plat);
    v.Form_Load();
    const std::string lista = ListaDoDia(int(lutas));
    std::printf("bench_torneio: a list of %ld bouts (%.0f kB), results from %ld logs, in %s\n", lutas,
                double(lista.size()) / 1024.0, logs, pasta.Caminho().c_str());

    std::vector<double> carga;
    for (int i = 0; i < 20; ++i) {
        const Instante t0 = Relogio::now();
        const std::string erro = v.CarregaLista(lista);
        carga.push_back(Ms(Relogio::now() - t0));
        if (!erro.empty()) return std::printf("  the list was refused: %s\n", erro.c_str()), 1;
    }
    Informa("list loaded (read, checked, kept), p50", Mediana(carga), "ms");
    Figura("list loaded, max of 20", Percentil(carga, 100), "ms", 500);

    // The day's bouts: each loaded, started, its points given and ended by the referee's decision.
    for (long b = 0; b < logs; ++b) {
        plat.Avanca(60000);
        v.Form_KeyDown(tecla::PgDn, 0);
        v.Form_KeyDown(tecla::Enter, 0);
        for (long k = 0; k < pontos; ++k) plat.Avanca(500), v.Form_KeyDown(k % 3 ? tecla::F12 : tecla::F8, 0);
        for (int k : {tecla::R, tecla::A}) v.Form_KeyDown(k, 0);
    }
    v.EsperaDisco();
    const std::string pastaLogs = v.PastaDosLogs();
    long bytes = 0;
    for (const auto& e : std::filesystem::directory_iterator(pastaLogs))
        if (e.path().filename().string().starts_with("LOG_")) bytes += long(e.file_size());
    std::vector<double> resultados;
    std::string texto;
    for (int i = 0; i < 20; ++i) {
        const Instante t0 = Relogio::now();
        texto = ResultadosDaPasta(pastaLogs);
        resultados.push_back(Ms(Relogio::now() - t0));
    }
    long linhas = -1;
    for (char c : texto) linhas += c == '\n';
    Informa("logs read, kB", double(bytes) / 1024.0, "kB");
    Conta("result rows", linhas);
    Informa("results from the logs, p50", Mediana(resultados), "ms");
    Figura("results from the logs, max of 20", Percentil(resultados, 100), "ms", 500);
    return 0;
}
