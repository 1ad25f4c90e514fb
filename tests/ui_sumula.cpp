// The printed scoresheet, through the program's own command line: a logged fight becomes a PDF whose text (pdftotext)
// and chart (pdftoppm's pixels) tell it; an old log still prints; logs that cannot be read give a message, no PDF.
#include <sys/stat.h>
#include <QImage>
#include <QProcess>
#include <filesystem>

#include "controllers/entradas.h"
#include "luta.h"
#include "settings/arquivos.h"
#include "ui/sumula_pdf.h"

namespace vantor::teste {
namespace {

namespace fs = std::filesystem;

struct Saida {
    int status = -1;  // -1: it crashed
    std::string texto;
};
Saida Roda(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            (p.readAllStandardOutput() + p.readAllStandardError()).toStdString()};
}

Saida Sumula(const std::string& log, const std::string& pdf) {
    return Roda(VANTOR_PROGRAMA, {"--sumula", QString::fromStdString(log), QString::fromStdString(pdf)});
}
std::string TextoDoPdf(const std::string& pdf) {
    return Roda(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")}).texto;
}

// Two judges' agreements, the operator's points and penalties, a rest, a pause and a result on points; the start
// time (the dialog's) differs from the round's, which the header says; a bout of the ring's list, with its event,
// ring and officials, and lines to sign.
TEST(Sumula, AFightTheBoardLoggedPrintsItsPeopleResultScoreEveryScoringLineAndBothScoreLines) {
    Luta luta;
    luta.Configura({.Rounds = 2, .Tempo = 5, .Intervalo = 2, .Azul = "Ana Silva", .Vermelho = "Bia Souza"});
    luta.plat.numSlots = 1;
    const auto aperta = [&](uint16_t e) {  // default map: sticks are judges 1 and 2's blue 2, bits 0-1 red 1
        luta.plat.leituras[0] = e, luta.v.Timer_Joystick_Timer();
        luta.plat.leituras[0] = 0, luta.v.Timer_Joystick_Timer();
    };
    Cena(luta.v, [](Ajustes& a) {
        a.L2 = {"", "Academia Norte", "Clube do Porto"};
        a.NumeroLuta = "12", a.Categoria = "Sub-21 -68 kg", a.Evento = "Copa Norte", a.Quadra = "2";
        a.Arbitro = "Rui Sá", a.NomesJuizes = "Eva Cruz / Davi Luz / Lia Reis";
    });
    luta.v.Timer_Joystick_Timer();  // the controllers at rest, as the poll first finds them
    Cena(luta.v, [](EstadoLuta& e) { e.TempoRestante = 4; });
    luta.Tecla(tecla::Enter), aperta(entrada::Direita | entrada::Baixo), aperta(0b0011);
    luta.Teclas({tecla::F12, tecla::F9, tecla::F8}), luta.Tick(9);  // the round, the rest, the pause
    luta.Tecla(tecla::Espaco), aperta(entrada::Direita | entrada::Baixo), luta.Tecla(tecla::F7), luta.Tick(6);
    ASSERT_EQ(luta.v.Tela().L_Msg.Caption, "AZUL");

    const std::string pdf = luta.pasta.Caminho() + "/sumula.pdf";
    ASSERT_EQ(Sumula(luta.v.Log().ArquivoLog, pdf).status, 0);
    const std::string texto = TextoDoPdf(pdf);
    for (const char* esperado :
         {"Ana Silva · Academia Norte", "Bia Souza · Clube do Porto",
          "Venceu: Azul (Ana Silva), por pontos ao fim do tempo [PTF]", "Placar 6 : 1", "Luta 12 · Sub-21 -68 kg",
          "Copa Norte · Quadra 2", "Rui Sá", "Eva Cruz / Davi Luz / Lia Reis", "Árbitro (assinatura)",
          "Mesário (assinatura)", "WTF regra 2017", "2 × 0:05 · Intervalo: 2 s · Árbitros: 3 · Início: Round 1, 0:04"})
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << " in\n" << texto;
    int pontuacoes = 0;
    for (std::string linha : luta.Log()) {
        if (linha.find("Pontos") == std::string::npos && linha.find("Falta ") == std::string::npos) continue;
        linha = linha.substr(linha.find("s, ") + 3);
        std::replace(linha.begin(), linha.end(), '\t', ' ');
        for (size_t i; (i = linha.find("  ")) != std::string::npos;) linha.erase(i, 1);
        EXPECT_NE(texto.find(linha), std::string::npos) << linha;
        ++pontuacoes;
    }
    EXPECT_EQ(pontuacoes, 7);

    // The chart on the first page at 72 dots an inch: both lines drawn, blue's above red's at the end.
    const QString png = QString::fromStdString(luta.pasta.Caminho() + "/p");
    ASSERT_EQ(
        Roda("pdftoppm", {"-r", "72", "-f", "1", "-l", "1", "-singlefile", "-png", QString::fromStdString(pdf), png})
            .status,
        0);
    const QImage pagina(png + ".png");
    const QRectF mm = ui::AreaDoGrafico();
    const QRect g((mm.topLeft() * 72 / 25.4).toPoint(), (mm.bottomRight() * 72 / 25.4).toPoint());
    ASSERT_TRUE(pagina.rect().contains(g));
    int alto[2] = {g.bottom(), g.bottom()}, pixels[2] = {0, 0};  // blue, red
    for (int y = g.top(); y <= g.bottom(); ++y)
        for (int x = g.left(); x <= g.right(); ++x) {
            const QColor c = pagina.pixelColor(x, y);
            for (int i : {0, 1}) {
                const int forte = i == 0 ? c.blue() : c.red(), fracas = c.green() + (i == 0 ? c.red() : c.blue());
                if (forte < 180 || fracas > 120) continue;
                ++pixels[i];
                if (x > g.right() - g.width() / 10) alto[i] = std::min(alto[i], y);
            }
        }
    EXPECT_GT(std::min(pixels[0], pixels[1]), g.width() / 2) << "both lines cross the chart";
    EXPECT_LT(alto[0] + 3, alto[1]) << "blue ends above red";
}

// Before the rules were recorded: Spanish, a locale's old stamps with two-digit years and the zone's brackets,
// the round's end named after the next round, the result written at every refresh.
TEST(Sumula, AnOldLogStillPrints) {
    const PastaTemporaria pasta;
    const std::string pdf = pasta.Caminho() + "/antiga.pdf";
    ASSERT_EQ(Sumula(std::string(VANTOR_CASOS_DIR) + "/sumula_antiga.log", pdf).status, 0);
    const std::string texto = TextoDoPdf(pdf);
    // The result a minute after the start, at 1:04 of the fight's time; a tie says no more than that.
    for (const char* esperado : {"Acta del combate", "Gómez", "Pérez", "Ganó: Azul (Gómez)", "Marcador 3 : 2", "1:04",
                                 "no registrado", "Punto: Azul 2 Gómez"})
        EXPECT_NE(texto.find(esperado), std::string::npos) << esperado << " in\n" << texto;
    ASSERT_EQ(Sumula(std::string(VANTOR_CASOS_DIR) + "/golden_ingles.log", pdf).status, 0);
    EXPECT_NE(TextoDoPdf(pdf).find("Empate · Score 0 : 0"), std::string::npos);
    // Best of three: the rounds won in the result, a line per round; a referee's decision named in the result.
    ASSERT_EQ(Sumula(std::string(VANTOR_CASOS_DIR) + "/melhor_de_tres.log", pdf).status, 0);
    const std::string rounds = TextoDoPdf(pdf);
    for (const char* esperado : {"WT 2022 (melhor de 3 rounds)", "por rounds ganhos", "Rounds 1 : 2",
                                 "0 : 0 · Azul (Silva), por superioridade", "0 : 5 · Vermelho (Souza), por faltas",
                                 "3 : 3 · Vermelho (Souza), empate: mais pontos de 3"})
        EXPECT_NE(rounds.find(esperado), std::string::npos) << esperado << " in\n" << rounds;
    ASSERT_EQ(Sumula(std::string(VANTOR_CASOS_DIR) + "/decisao_dsq.log", pdf).status, 0);
    EXPECT_NE(TextoDoPdf(pdf).find("Venceu: Vermelho (Souza), DSQ: desclassificação"), std::string::npos);
}

// The reason comes in the log's language where it shows one, else in the program's (Spanish here).
TEST(Sumula, ALogThatCannotBeReadGivesAMessageAndNoPdf) {
    const PastaTemporaria pasta;
    const std::string bom = LeArquivo(std::string(VANTOR_CASOS_DIR) + "/sumula_antiga.log");
    const std::string linha = "7/12/26 14:55:06 (),53\t";
    const std::pair<std::string, const char*> casos[] = {
        {"", "El registro está vacío"},
        {"\r\n\r\n", "El registro está vacío"},
        {"# Vantor\r\nA scoreboard.\r\n", "No es un registro de Vantor (línea 1)"},
        {bom.substr(0, bom.size() - 4), "El registro termina a mitad de una línea (línea 13)"},
        {bom + linha + "Round 1, Missing 3s, +1 Point Blue (Gómez)\r\n", "El registro mezcla idiomas (línea 14)"},
        {bom.substr(0, 200) + std::string("\xc0\xaf", 2) + bom.substr(200), "No es un registro de Vantor:"},
        {linha + "Luta zerada\r\n" + linha + "Ronda 1, Desaparecido 3s, Pausa encendido. - Pausa\r\n",
         "El combate no ha empezado"},
    };
    const std::string log = pasta.Caminho() + "/LOG_2026-12-07_14-55-05.txt", pdf = pasta.Caminho() + "/x.pdf";
    for (const auto& [conteudo, mensagem] : casos) {
        GravaArquivo(log, conteudo);
        QString erro;
        EXPECT_FALSE(ui::SumulaEmPdf(QString::fromStdString(log), QString::fromStdString(pdf), 1, erro)) << mensagem;
        EXPECT_TRUE(erro.startsWith(QString::fromUtf8(mensagem))) << erro.toStdString();
        EXPECT_FALSE(ExisteArquivo(pdf)) << mensagem;
    }
    const Saida s = Sumula(log, pdf);  // the command line says so too, and fails
    EXPECT_TRUE(s.status == 1 && s.texto.find("LOG_2026-12-07_14-55-05.txt") != std::string::npos) << s.texto;
    EXPECT_FALSE(ExisteArquivo(pdf));
    // A full disk (a 2 kB file-size limit) while the PDF is written: a failure, and no PDF, half or whole.
    const QString antiga = QStringLiteral(VANTOR_CASOS_DIR) + QStringLiteral("/sumula_antiga.log");
    const Saida cheio = Roda("sh", {"-c", R"(trap '' XFSZ; ulimit -f 4; exec "$0" --sumula "$1" "$2")", VANTOR_PROGRAMA,
                                    antiga, QString::fromStdString(pdf)});
    EXPECT_TRUE(cheio.status == 1 && cheio.texto.find("PDF") != std::string::npos) << cheio.texto;
    EXPECT_FALSE(ExisteArquivo(pdf));

    // The command never harms its input nor writes through a name that is not a plain new or regular file: the log
    // itself by another name or a hard link, a link to another file, a FIFO in or out, an endless device. (Not
    // /dev/full as the output: should the FIFO's rule break under root, a PDF would be renamed over the device.)
    const std::string& dir = pasta.Caminho();
    const std::string alvo = dir + "/alvo.txt";
    GravaArquivo(log, bom), GravaArquivo(alvo, "not ours to overwrite");
    fs::create_symlink(log, dir + "/outro_nome.pdf"), fs::create_hard_link(log, dir + "/ligado.pdf");
    fs::create_symlink(alvo, dir + "/link.pdf");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    for (const auto& [entrada, saida] : std::vector<std::pair<std::string, std::string>>{{log, log},
                                                                                         {log, dir + "/outro_nome.pdf"},
                                                                                         {log, dir + "/ligado.pdf"},
                                                                                         {log, dir + "/link.pdf"},
                                                                                         {dir + "/fifo", pdf},
                                                                                         {"/dev/zero", pdf},
                                                                                         {log, dir + "/fifo"}}) {
        const Saida s = Sumula(entrada, saida);
        EXPECT_EQ(s.status, 1) << entrada << " -> " << saida << ": " << s.texto;
        EXPECT_TRUE(LeArquivo(log) == bom && LeArquivo(alvo) == "not ours to overwrite" && !ExisteArquivo(pdf))
            << entrada << " -> " << saida;
    }
    EXPECT_TRUE(fs::is_fifo(dir + "/fifo"));
}

}  // namespace
}  // namespace vantor::teste
