// The printed scoresheet: a long fight written by the real record (six rounds of two minutes, three judges and
// the operator busy, about 2,000 log lines), then turned into a PDF again and again, as the command line and the
// scoresheet window do: how long one takes, and how big the file is.
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <random>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "medidas.h"
#include "settings/arquivos.h"
#include "ui/sumula_pdf.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

size_t Linhas(const std::string& arquivo) {
    const std::string texto = LeArquivo(arquivo, size_t{64} << 20);
    return static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n'));
}

// Writes a fight of `rounds` rounds of `tempo` seconds until it is decided or its log has `linhas` lines; a judge
// presses on one poll in `apertos`, the operator acts on one second in `teclas`. Returns the log file.
std::string EscreveLuta(teste::FakePlataforma& plat, Vantor& v, int16_t rounds, int16_t tempo, size_t linhas,
                        unsigned apertos, unsigned teclas) {
    Ajustes a = v.Config();
    a.Rounds = rounds, a.Tempo = tempo, a.Intervalo = 30, a.Nome[Azul] = "Ana Beatriz Silva";
    a.Nome[Vermelho] = "Bia Souza", a.L2[Azul] = "Academia Norte", a.L2[Vermelho] = "Clube do Porto";
    v.DefineAjustes(a);
    v.Form_KeyDown(tecla::Esc, 0);  // a new fight, a new log
    plat.numSlots = 1;
    v.Timer_Joystick_Timer();
    v.Form_KeyDown(tecla::Enter, 0);
    std::mt19937 sorte(7);
    const int operador[] = {tecla::F12, tecla::F8, tecla::F11, tecla::F7, tecla::F9, tecla::F10, tecla::F5, tecla::F6};
    // Default map: the stick right and down are two judges' blue 2, buttons 1 and 2 two judges' red 1.
    const uint16_t juizes[] = {entrada::Direita, entrada::Baixo, entrada::Botao1, entrada::Botao2};
    while (Linhas(v.Log().ArquivoLog) < linhas && !v.Luta().LutaDecidida) {
        for (int poll = 0; poll < 20; ++poll) {
            plat.Avanca(50);
            plat.leituras[0] = sorte() % apertos == 0 ? juizes[sorte() % 4] : uint16_t{0};
            v.Timer_Joystick_Timer();
            for (int k = 1; k <= 18; ++k)
                if (v.Janela().Timer_Botao[static_cast<size_t>(k)].Enabled && sorte() % 40 == 0) v.Timer_Botao_Timer(k);
        }
        if (sorte() % teclas == 0) v.Form_KeyDown(operador[sorte() % 8], 0);
        if (v.Luta().Pausado && !v.Luta().LutaDecidida && sorte() % 5 == 0) v.Form_KeyDown(tecla::Espaco, 0);
        v.Timer_Luta_Timer();
    }
    return v.Log().ArquivoLog;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PastaTemporaria pasta;
    teste::FakePlataforma plat;
    plat.temp = pasta.Caminho() + "/";
    plat.pastaPrograma = pasta.Caminho();
    Vantor v(plat);
    v.Form_Load();
    // A tournament day's folder: 150 earlier logs of the same day, whose fights the sheet's number counts.
    const std::string anterior = EscreveLuta(plat, v, 3, 60, 1000, 90, 12);
    for (int i = 0; i < 150; ++i) {
        char nome[64];
        std::snprintf(nome, sizeof nome, "/LOG/LOG_2026-12-06_08-%02d-%02d.txt", i / 60, i % 60);
        GravaArquivo(pasta.Caminho() + nome, LeArquivo(anterior));
    }
    const std::string log = EscreveLuta(plat, v, 20, 120, 2000, 6, 4);
    const size_t linhas = Linhas(log);
    const QString pdf = QString::fromStdString(pasta.Caminho() + "/sumula.pdf");
    std::vector<double> ms;
    for (int i = 0; i < 21; ++i) {
        const Instante t0 = Relogio::now();
        QString erro;
        if (!ui::SumulaEmPdf(QString::fromStdString(log), pdf, 0, erro)) {
            std::printf("the scoresheet failed: %s\n", erro.toStdString().c_str());
            return 0;
        }
        ms.push_back(Ms(Relogio::now() - t0));
    }
    std::printf("scoresheet of a %zu-line log (%zu kB) among 150 logs of its day, as a PDF of %lld kB, 21 runs:\n",
                linhas, LeArquivo(log, size_t{64} << 20).size() / 1024,
                static_cast<long long>(QFile(pdf).size() / 1024));
    Figura("PDF written, median", Mediana(ms), "ms", 500);
    Figura("PDF written, slowest", Percentil(ms, 100), "ms", 500);
    // Given a folder, a fight of a usual pace is written and printed there, to look at.
    if (argc > 1) {
        const QString exemplo = QString::fromStdString(EscreveLuta(plat, v, 3, 60, 1000, 90, 12));
        QString erro;
        ui::SumulaEmPdf(exemplo, QString::fromLocal8Bit(argv[1]) + QStringLiteral("/exemplo.pdf"), 0, erro);
        QFile::copy(exemplo, QString::fromLocal8Bit(argv[1]) + QStringLiteral("/exemplo.txt"));
    }
    return 0;
}
