// The scoreboard program: the assembly, shown full screen; or, with --sumula, a fight log's scoresheet as a PDF,
// with no window.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "log/resultados.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"
#include "settings/lutas.h"
#include "settings/modelos.h"
#include "ui/montagem.h"
#include "ui/sumula_pdf.h"

namespace {

int Sumula(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s --sumula LOG_....txt scoresheet.pdf\n", argv[0]);
        return 2;
    }
    // Messages about a log that tells no language of its own come in the program's.
    vantor::Ajustes ajustes;
    const auto ambiente = [](const std::string& nome) { return qgetenv(nome.c_str()).toStdString(); };
    vantor::LeTextoConfig(ajustes, vantor::LeArquivo(vantor::CaminhoConfigDe(
                                       QCoreApplication::applicationDirPath().toStdString(), ambiente)));
    QString erro;
    if (!vantor::ui::SumulaEmPdf(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), ajustes.Lingua,
                                 erro)) {
        std::fprintf(stderr, "%s\n", erro.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// The day's results file built from the logs alone, with no window.
int Resultados(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s --resultados LOGFOLDER out.csv [YYYY-MM-DD]\n", argv[0]);
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(argv[2], ec)) {
        std::fprintf(stderr, "vantor: %s is not a folder\n", argv[2]);
        return 1;
    }
    if (!vantor::GravaArquivo(argv[3], vantor::ResultadosDaPasta(argv[2], argc == 5 ? argv[4] : ""))) {
        std::fprintf(stderr, "vantor: %s could not be written\n", argv[3]);
        return 1;
    }
    return 0;
}

constexpr const char* kUso =
    "usage: vantor                                the scoreboard, full screen\n"
    "       vantor --modelo NAME                  the same, its settings first taken from the model NAME\n"
    "       vantor --lutas FILE.csv               the same, with the ring's list of bouts FILE.csv loaded\n"
    "       vantor --resultados LOGFOLDER OUT.csv [YYYY-MM-DD]\n"
    "                                             the results of the logs in LOGFOLDER (of that day only, when\n"
    "                                             given) written to OUT.csv, with no window\n"
    "       vantor --sumula LOG_....txt FILE.pdf  a fight log's scoresheet as a PDF, with no window\n"
    "       vantor --help | --version\n"
    "\n"
    "The keys are listed in the manual page (man vantor) and in the README.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--sumula") == 0) return Sumula(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--resultados") == 0) return Resultados(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return std::fputs(kUso, stdout) < 0;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return std::printf("Vantor %s\n", VANTOR_VERSAO) < 0;
    // --modelo NAME and --lutas FILE, each at most once, in either order.
    const char* nomeModelo = nullptr;
    const char* arquivoLista = nullptr;
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        const char** destino = std::strcmp(argv[i], "--modelo") == 0  ? &nomeModelo
                               : std::strcmp(argv[i], "--lutas") == 0 ? &arquivoLista
                                                                      : nullptr;
        if (!destino || *destino) break;
        *destino = argv[i + 1];
    }
    const bool comModelo = nomeModelo != nullptr, comLista = arquivoLista != nullptr;
    // Anything else on the command line is a slip: say so rather than run a board the operator did not ask for.
    if (i < argc) {
        std::fprintf(stderr, "vantor: unknown option %s\n%s", argv[i], kUso);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    const auto ambiente = [](const std::string& nome) { return qgetenv(nome.c_str()).toStdString(); };
    vantor::Modelos modelos;
    if (comModelo || comLista)
        modelos = vantor::ModelosDe(QCoreApplication::applicationDirPath().toStdString(), ambiente);
    const vantor::Modelo* modelo = nullptr;
    if (comModelo) {
        modelo = modelos.Acha(nomeModelo);
        if (modelo) {
            vantor::Ajustes prova;
            vantor::AplicaModelo(*modelo, prova, &modelos.avisos);
        }
        for (const std::string& aviso : modelos.avisos) std::fprintf(stderr, "vantor: %s\n", aviso.c_str());
        if (!modelo) {
            std::string nomes;
            for (const vantor::Modelo& m : modelos.lista) nomes += " " + m.nome;
            std::fprintf(stderr, "vantor: no model named \"%s\"; the models are:%s\n", nomeModelo,
                         nomes.empty() ? " none (no modelos.ini found)" : nomes.c_str());
            return 1;
        }
    }
    // A list with a fault is refused before anything starts, naming its line; the list loaded before stays.
    std::string lista;
    if (comLista) {
        lista = vantor::LeArquivo(arquivoLista, vantor::kMaiorLista + 1);
        vantor::LeituraDaLista r =
            lista.empty() && !vantor::ExisteArquivo(arquivoLista)
                ? vantor::LeituraDaLista{{}, vantor::txt::ListaIlegivel, 0, arquivoLista}
                : vantor::LeListaDeLutas(lista, [&](const std::string& n) { return modelos.Acha(n) != nullptr; });
        if (r.erro) {
            vantor::TabelaIdioma tabela;
            tabela.Carrega();
            std::fprintf(stderr, "vantor: %s\n", vantor::ExplicaLista(r, tabela, vantor::lingua::Ingles).c_str());
            return 1;
        }
    }
    vantor::ui::Montagem programa;
    // A second start for the same logs folder brings the running board forward and ends, having written nothing.
    if (programa.Duplicado()) return programa.ChamaOOutro() ? 0 : 1;
    // A fight continued after a crash keeps its own settings: the model waits for the next bout, by F1.
    if (modelo && !programa.Placar().UsaModelo(*modelo))
        std::fprintf(stderr, "vantor: a fight is running; the model %s was not applied\n", modelo->nome.c_str());
    if (comLista)
        if (const std::string erro = programa.Placar().CarregaLista(lista); !erro.empty())
            std::fprintf(stderr, "vantor: %s\n", erro.c_str());
    programa.Mostra(true);
    // Closing the window is the last window closing: the event loop ends and so does the program.
    return app.exec();
}
