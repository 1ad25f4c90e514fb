// The operator's keys and clicks and when they act, and the log's folder and stamp. The layout scaling is checked
// on the painted window (ui_janela_pintura).
#include <gtest/gtest.h>

#include <filesystem>

#include "luta.h"

namespace vantor::teste {
namespace {

TEST(Teclas, FightKeysActOnlyDuringTheFightAndStartKeysOnlyBeforeIt) {
    Luta luta;
    const auto antes = std::make_pair(luta.v.Luta(), luta.Log().size());
    for (int k : {tecla::F5, tecla::F6, tecla::F7, tecla::F8, tecla::F9, tecla::F10, tecla::F11, tecla::F12,
                  tecla::Acima, tecla::Abaixo, tecla::Esquerda, tecla::Direita, tecla::Espaco, tecla::Um, tecla::Esc,
                  tecla::F4, 97, 0, 255, -5, 70000})
        luta.Tecla(k);
    for (const char* area : {"K_Amais", "K_Amenos", "K_VMais", "K_Vmenos", "K_FAMais", "K_FAMenos", "K_FVMais",
                             "K_FVMenos", "M_Minuto", "L_Tempo"})
        luta.v.Clique(area, Toque::Clique);
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == antes) << "before the start";

    luta.Tecla(tecla::Enter);
    const auto durante = std::make_pair(luta.v.Luta(), luta.Log().size());
    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::F1);
    luta.v.Clique("M_Config", Toque::Clique);
    luta.v.Clique("L_Pontos", Toque::DuploClique);
    luta.Tecla(97);  // the keypad's 1 is not the time-out key
    luta.Tecla(tecla::F4);
    luta.Tecla(tecla::F4, tecla::Alt | 1);
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == durante) << "during the fight";
    EXPECT_EQ(luta.plat.configuracoesMostradas, 0);
    EXPECT_TRUE(luta.plat.perguntas.empty());
    EXPECT_EQ(luta.plat.encerramentos, 0);
    luta.Tecla(tecla::F4, tecla::Alt);
    EXPECT_EQ(luta.plat.encerramentos, 1) << "Alt+F4 ends at once, with no question and no log line";
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == durante);
}

TEST(Cliques, EachAreaItsStepAndADoubleClickTwo) {
    Luta luta;
    EXPECT_TRUE(luta.v.Clique("L_Msg", Toque::Clique));
    EXPECT_TRUE(luta.v.Luta().LutaIniciada);
    luta.v.Clique("L_Msg", Toque::Clique);
    EXPECT_TRUE(luta.v.Luta().Pausado);
    luta.v.Clique("L_Tempo", Toque::Clique);
    EXPECT_FALSE(luta.v.Luta().Pausado);
    const struct {
        const char* area;
        std::array<int16_t, 3> pontos, faltas;
    } casos[] = {{"K_Amais", {0, 2, 0}, {0, 3, 3}},  {"K_Amenos", {0, -2, 0}, {0, 3, 3}},
                 {"K_VMais", {0, 0, 2}, {0, 3, 3}},  {"K_Vmenos", {0, 0, -2}, {0, 3, 3}},
                 {"K_FAMais", {}, {0, 5, 3}},        {"K_FAMenos", {}, {0, 1, 3}},
                 {"K_FVMais", {}, {0, 3, 5}},        {"K_FVMenos", {}, {0, 3, 1}}};
    for (const auto& c : casos) {
        Cena(luta.v, [](EstadoLuta& l) { l.PontosMarcados = {}, l.Faltas = {0, 3, 3}; });
        luta.v.Clique(c.area, Toque::Clique);  // a fast double click arrives as a click and then a double click
        luta.v.Clique(c.area, Toque::DuploClique);
        EXPECT_EQ(luta.v.Luta().PontosMarcados, c.pontos) << c.area;
        EXPECT_EQ(luta.v.Luta().Faltas, c.faltas) << c.area;
        EXPECT_EQ(luta.v.tela().L_Pontos[Azul].Caption, std::to_string(c.pontos[Azul] + c.faltas[Vermelho])) << c.area;
    }
    luta.v.Clique("M_Minuto", Toque::Clique);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, 59);
    luta.v.Clique("M_Sumula", Toque::Clique);
    EXPECT_EQ(luta.plat.editores.size(), 1u);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, -1);
    EXPECT_FALSE(luta.v.Clique("Label2", Toque::Clique));
    EXPECT_FALSE(luta.v.Clique("L_Msg", Toque::DuploClique));
}

TEST(Log, WithoutTempTheFolderIsLogHereAndTheStampUsesOneClockReading) {
    PastaTemporaria pasta;
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(pasta.caminho());
    {
        FakePlataforma plat;
        plat.pastaPrograma = pasta.caminho();
        Vantor v(plat);
        v.Form_Load();
        EXPECT_EQ(v.Log().ArquivoLog, "LOG/LOG_2026-12-06_14-03-27.txt");
        plat.agora.milissegundo = 999;
        v.GravaLog("a");
        EXPECT_EQ(LinhasDe(pasta.caminho() + "/" + v.Log().ArquivoLog),
                  (std::vector<std::string>{"06/12/2026 14:03:27,45\tLuta zerada", "06/12/2026 14:03:27,99\ta"}));
    }
    std::filesystem::current_path(antes);
}

}  // namespace
}  // namespace vantor::teste
