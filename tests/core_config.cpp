// The settings file. The text-to-number rule is the fuzz target "numero"'s, with its seeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"

namespace vantor::teste {
namespace {

TEST(Config, ReadWrittenAndKeptOverARestartAndBadFilesReadSafely) {
    Luta luta;
    Vantor& v = luta.v;
    const auto carrega = [&](const std::string& texto) {
        std::ofstream(v.CaminhoConfig(), std::ios::binary) << texto;
        v.LeConfig();
        return v.Config();
    };
    EXPECT_FALSE(ExisteArquivo(v.CaminhoConfig())) << "reading creates nothing";
    EXPECT_EQ(luta.plat.preparos,
              (std::vector<std::vector<std::string>>{{"gongo.wav", "sino.wav", "sparkle.wav", "gongo.wav"}}));
    EXPECT_EQ(carrega("Som3 =x\r\nsOM1=  sino.wav \r\nLingua=2").Som, (std::array<std::string, 11>{"", "sino.wav"}))
        << "a key in any case, its value trimmed; missing keys empty their cues";
    for (const auto& [texto, lingua] : {std::pair{"2", 2}, {"1.5", 2}, {"abc", 0}, {"3", 0}, {"-1", 0}, {" 1\tx", 1}})
        EXPECT_EQ(carrega(std::string("Som1=a.wav\r\nLingua=") + texto).Lingua, lingua) << '"' << texto << '"';
    carrega("Som1=a.wav\r\nLingua=2\r\n");
    std::filesystem::resize_file(v.CaminhoConfig(), std::uintmax_t{8} << 30);  // sparse: no disk used
    v.LeConfig();
    EXPECT_EQ(v.Config().Lingua, 2) << "a huge file is read as far as its first megabyte";

    Cena(v, [](Ajustes& a) { a.Som = {"", "/x/gong.wav", "  /sons/meu sino.wav "}, a.Lingua = 2, a.Tempo = 120; });
    ASSERT_TRUE(v.GravaConfig());
    EXPECT_EQ(LeArquivo(v.CaminhoConfig()),
              "Som1=/x/gong.wav\r\nSom2=  /sons/meu sino.wav \r\nSom3=\r\nSom4=\r\nLingua=2");
    Vantor depois(luta.plat);
    depois.Form_Load();
    Ajustes esperado;
    esperado.Som = {"", "/x/gong.wav", "/sons/meu sino.wav", "", ""}, esperado.Lingua = 2, esperado.ContaLutas = 1;
    esperado.Nome = {"", "Blue", "Red"};
    EXPECT_TRUE(depois.Config() == esperado) << "sounds and language survive a restart, match settings do not";
    EXPECT_EQ(depois.tela().L_Config.Caption, "1 Round(s), 1:00. Rest Period: 15. Referees: 3");
    EXPECT_EQ(depois.tela().M_Sumula.Caption, "Precedent: \"S\"");
}

// What the dialog's window cannot do: leave the language list with no choice, which keeps the language. The start
// round and time apply to the next fight alone. The rest of the dialog is driven through its window in ui_programa.
TEST(Dialogo, NoLanguageChosenKeepsItAndTheStartAppliesToTheNextFightAlone) {
    Luta luta;
    luta.plat.aoMostrarConfiguracao = [](Form2& f) {
        f.L_Lingua.ListIndex = -1;
        f.T_RoundInicial.Text = "2", f.T_TempoInicial.Text = "45";
        f.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.v.Config().Lingua, lingua::Portugues);
    EXPECT_EQ(luta.v.tela().L_Round.Caption + " " + luta.v.tela().L_Tempo.Caption, "2 0:45");
    luta.Teclas({tecla::Enter, tecla::Esc});
    EXPECT_EQ(luta.v.tela().L_Round.Caption + " " + luta.v.tela().L_Tempo.Caption, "1 1:00");
}

}  // namespace
}  // namespace vantor::teste
