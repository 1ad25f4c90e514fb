// The scoreboard program: the assembly, shown full screen; or, with --sumula, a fight log's scoresheet as a PDF,
// with no window.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "settings/ajustes.h"
#include "settings/arquivos.h"
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

constexpr const char* kUso =
    "usage: vantor                                the scoreboard, full screen\n"
    "       vantor --modelo NAME                  the same, its settings first taken from the model NAME\n"
    "       vantor --sumula LOG_....txt FILE.pdf  a fight log's scoresheet as a PDF, with no window\n"
    "       vantor --help | --version\n"
    "\n"
    "The keys are listed in the manual page (man vantor) and in the README.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--sumula") == 0) return Sumula(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return std::fputs(kUso, stdout) < 0;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return std::printf("Vantor %s\n", VANTOR_VERSAO) < 0;
    const bool comModelo = argc == 3 && std::strcmp(argv[1], "--modelo") == 0;
    // Anything else on the command line is a slip: say so rather than run a board the operator did not ask for.
    if (argc > 1 && !comModelo) {
        std::fprintf(stderr, "vantor: unknown option %s\n%s", argv[1], kUso);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    vantor::Modelos modelos;
    const vantor::Modelo* modelo = nullptr;
    if (comModelo) {
        const auto ambiente = [](const std::string& nome) { return qgetenv(nome.c_str()).toStdString(); };
        modelos = vantor::ModelosDe(QCoreApplication::applicationDirPath().toStdString(), ambiente);
        modelo = modelos.Acha(argv[2]);
        if (modelo) {
            vantor::Ajustes prova;
            vantor::AplicaModelo(*modelo, prova, &modelos.avisos);
        }
        for (const std::string& aviso : modelos.avisos) std::fprintf(stderr, "vantor: %s\n", aviso.c_str());
        if (!modelo) {
            std::string nomes;
            for (const vantor::Modelo& m : modelos.lista) nomes += " " + m.nome;
            std::fprintf(stderr, "vantor: no model named \"%s\"; the models are:%s\n", argv[2],
                         nomes.empty() ? " none (no modelos.ini found)" : nomes.c_str());
            return 1;
        }
    }
    vantor::ui::Montagem programa;
    // A second start for the same logs folder brings the running board forward and ends, having written nothing.
    if (programa.Duplicado()) return programa.ChamaOOutro() ? 0 : 1;
    // A fight continued after a crash keeps its own settings: the model waits for the next bout, by F1.
    if (modelo && !programa.Placar().UsaModelo(*modelo))
        std::fprintf(stderr, "vantor: a fight is running; the model %s was not applied\n", modelo->nome.c_str());
    programa.Mostra(true);
    // Closing the window is the last window closing: the event loop ends and so does the program.
    return app.exec();
}
