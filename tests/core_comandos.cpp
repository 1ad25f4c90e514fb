// The operator's keys and clicks, the log's folder and stamp, and the layout scaling.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "luta.h"

namespace vantor::teste {
namespace {

// The parts of the record a command may change.
struct Foto {
    bool iniciada, pausado;
    int16_t tempo, round, azul, vermelho, faltasAzul, faltasVermelho, minuto;
    size_t linhas;
    bool operator==(const Foto&) const = default;
};

Foto Tira(const Luta& l) {
    const Vantor& v = l.v;
    return {v.LutaIniciada, v.Pausado, v.TempoRestante, v.RoundAtual, v.PontosMarcados[1], v.PontosMarcados[2],
            v.Faltas[1], v.Faltas[2], v.ContaMinuto, l.Log().size()};
}

TEST(Teclas, FightKeysDoNothingBeforeTheStart) {
    Luta luta;
    const Foto antes = Tira(luta);
    for (int k : {tecla::F5, tecla::F6, tecla::F7, tecla::F8, tecla::F9, tecla::F10, tecla::F11, tecla::F12,
                  tecla::Acima, tecla::Abaixo, tecla::Esquerda, tecla::Direita, tecla::Espaco, tecla::Um, tecla::Esc,
                  tecla::F4, 97, 0, 255, -5, 70000})
        luta.Tecla(k);
    for (const char* area : {"K_Amais", "K_Amenos", "K_VMais", "K_Vmenos", "K_FAMais", "K_FAMenos", "K_FVMais",
                             "K_FVMenos", "M_Minuto", "L_Tempo"})
        luta.v.Clique(area, Toque::Clique);
    EXPECT_EQ(Tira(luta), antes);
    EXPECT_TRUE(luta.plat.perguntas.empty());
    EXPECT_EQ(luta.plat.encerramentos, 0);
}

TEST(Teclas, StartAndConfigurationKeysDoNothingDuringTheFight) {
    Luta luta;
    luta.Tecla(tecla::Enter);
    const Foto antes = Tira(luta);
    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::F1);
    luta.v.Clique("M_Config", Toque::Clique);
    luta.v.Clique("L_Pontos", Toque::DuploClique);
    luta.Tecla(97);  // the keypad's 1 is not the time-out key
    EXPECT_EQ(Tira(luta), antes);
    EXPECT_EQ(luta.plat.configuracoesMostradas, 0);
}

TEST(Teclas, AltF4EndsAtOnceEvenDuringAFight) {
    Luta luta;
    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::F4);
    luta.Tecla(tecla::F4, tecla::Alt | 1);
    EXPECT_EQ(luta.plat.encerramentos, 0);
    const size_t linhas = luta.Log().size();
    luta.Tecla(tecla::F4, tecla::Alt);
    EXPECT_EQ(luta.plat.encerramentos, 1);
    EXPECT_TRUE(luta.plat.perguntas.empty());
    EXPECT_EQ(luta.Log().size(), linhas);
}

TEST(Cliques, MessageLineStartsThenPausesAndDoubleClicksGiveTwoSteps) {
    Luta luta;
    EXPECT_TRUE(luta.v.Clique("L_Msg", Toque::Clique));
    EXPECT_TRUE(luta.v.LutaIniciada);
    luta.v.Clique("L_Msg", Toque::Clique);
    EXPECT_TRUE(luta.v.Pausado);
    luta.v.Clique("L_Tempo", Toque::Clique);
    EXPECT_FALSE(luta.v.Pausado);

    // A fast double click arrives as a click and then a double click.
    luta.v.Clique("K_Amais", Toque::Clique);
    luta.v.Clique("K_Amais", Toque::DuploClique);
    EXPECT_EQ(luta.v.tela.L_Pontos[1].Caption, "2");
    luta.v.Clique("K_FVMais", Toque::Clique);
    luta.v.Clique("K_FVMais", Toque::DuploClique);
    EXPECT_EQ(luta.v.Faltas[2], 2);
    EXPECT_EQ(luta.v.tela.L_Pontos[1].Caption, "4");
    for (const char* area : {"K_Vmenos", "K_FAMenos", "K_FVMenos", "K_Amenos", "K_VMais", "K_FAMais"})
        luta.v.Clique(area, Toque::Clique);
    EXPECT_EQ(luta.v.PontosMarcados[1], 1);
    EXPECT_EQ(luta.v.PontosMarcados[2], 0);
    EXPECT_EQ(luta.v.Faltas[1], 1);
    EXPECT_EQ(luta.v.Faltas[2], 1);

    luta.v.Clique("M_Minuto", Toque::Clique);
    EXPECT_EQ(luta.v.ContaMinuto, 59);
    luta.v.Clique("M_Sumula", Toque::Clique);
    EXPECT_EQ(luta.plat.editores.size(), 1u);
    EXPECT_EQ(luta.v.ContaMinuto, -1);
    EXPECT_FALSE(luta.v.Clique("Label2", Toque::Clique));
    EXPECT_FALSE(luta.v.Clique("L_Msg", Toque::DuploClique));
}

TEST(Log, FirstLineCreatesTheFolderAndTheStampUsesOneClockReading) {
    Luta luta;
    EXPECT_TRUE(std::filesystem::is_directory(luta.pasta.caminho() + "/LOG"));
    EXPECT_EQ(luta.v.PastaLog, luta.pasta.caminho() + "/LOG/LOG_");
    luta.plat.agora.milissegundo = 999;
    luta.v.GravaLog("a");
    luta.plat.agora.milissegundo = 5;
    luta.v.GravaLog("b");
    const auto linhas = luta.Log();
    EXPECT_EQ(linhas.at(1), "06/12/2026 14:03:27,99\ta");
    EXPECT_EQ(linhas.at(2), "06/12/2026 14:03:27,00\tb");
}

TEST(Log, WithoutTempTheFolderIsLogInTheCurrentFolder) {
    PastaTemporaria pasta;
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(pasta.caminho());
    {
        FakePlataforma plat;
        plat.pastaPrograma = pasta.caminho();
        Vantor v(plat);
        v.Form_Load();
        EXPECT_EQ(v.ArquivoLog, "LOG/LOG_2026-12-06_14-03-27.txt");
        EXPECT_EQ(LinhasDe(pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-27.txt").size(), 1u);
    }
    std::filesystem::current_path(antes);
}

TEST(Log, AnUnusableFolderLosesLinesButNotTheFight) {
    FakePlataforma plat;
    PastaTemporaria pasta;
    std::ofstream(pasta.caminho() + "/xLOG") << "a file where the folder should be";
    plat.temp = pasta.caminho() + "/x";
    Vantor v(plat);
    v.Form_Load();
    v.Form_KeyDown(tecla::Enter, 0);
    v.Form_KeyDown(tecla::F12, 0);
    v.Form_KeyDown(tecla::S, 0);
    EXPECT_EQ(v.PontosMarcados[1], 1);
    EXPECT_EQ(v.tela.L_Pontos[1].Caption, "1");
    EXPECT_TRUE(v.Pausado);
    EXPECT_FALSE(std::filesystem::exists(v.ArquivoLog));
}

TEST(Tela, ScalesPositionsPerAxisAndFontsByTheSmallerFactor) {
    {
        Luta luta;  // 640 x 480: nothing changes
        EXPECT_EQ(luta.v.tela.L_Pontos[1].Left, 4800);
        EXPECT_EQ(luta.v.tela.L_Pontos[1].FontSize, 249.75);
        EXPECT_EQ(luta.v.tela.Width, 9600);
    }
    struct {
        int largura, altura;
        double h, vfac, fonte;
    } telas[] = {{1024, 768, 1.6, 1.6, 1.6}, {1920, 1080, 3.0, 2.25, 2.25}, {800, 1280, 1.25, 2.6666667, 1.25}};
    for (const auto& t : telas) {
        FakePlataforma plat;
        PastaTemporaria pasta;
        plat.temp = pasta.caminho() + "/";
        plat.largura = t.largura;
        plat.altura = t.altura;
        Vantor v(plat);
        v.Form_Load();
        EXPECT_NEAR(v.tela.Width, 9600 * t.h, 0.01);
        EXPECT_NEAR(v.tela.Height, 7200 * t.vfac, 0.01);
        EXPECT_NEAR(v.tela.L_Pontos[1].Left, 4800 * t.h, 0.01);
        EXPECT_NEAR(v.tela.L_Pontos[1].Top, 720 * t.vfac, 0.01);
        EXPECT_NEAR(v.tela.L_Pontos[1].Width, 3975 * t.h, 0.01);
        EXPECT_NEAR(v.tela.L_Pontos[1].Height, 4935 * t.vfac, 0.01);
        EXPECT_NEAR(v.tela.L_Pontos[1].FontSize, 249.75 * t.fonte, 0.01);
        EXPECT_NEAR(v.tela.S_Botao[18].Height, 855 * t.vfac, 0.01);
        EXPECT_EQ(v.tela.S_Botao[18].FontSize, 0) << "shapes have no font";
    }
}

TEST(Tela, MessageLineColoursAndHiding) {
    Luta luta;
    Controle& l = luta.v.tela.L_Msg;
    luta.v.Mensagem("X", 0, RGB(1, 2, 3));
    EXPECT_TRUE(l.Visible);
    EXPECT_FALSE(l.BackOpaque) << "a background of 0 shows the window through";
    EXPECT_EQ(l.ForeColor, RGB(1, 2, 3));
    luta.v.Mensagem("Y", RGB(255, 255, 255), 0);
    EXPECT_TRUE(l.BackOpaque);
    EXPECT_EQ(l.BackColor, RGB(255, 255, 255));
    luta.v.Mensagem("", RGB(9, 9, 9), RGB(9, 9, 9));
    EXPECT_FALSE(l.Visible);
    EXPECT_EQ(l.Caption, "");
    EXPECT_EQ(l.BackColor, RGB(255, 255, 255)) << "clearing leaves the colours";
}

}  // namespace
}  // namespace vantor::teste
