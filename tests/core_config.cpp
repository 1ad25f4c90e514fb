// The settings file, the text-to-number rule, and the configuration dialog's logic (presets, rule visibility,
// language preview, OK and Cancel); its windows and the sound-file chooser are in ui_dialogos.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"
#include "settings/numero.h"

namespace vantor::teste {
namespace {

// The one table of the number rule: leading number, blanks anywhere, halves to even, clamped to 16 bits.
TEST(Numero, TextToSixteenBitInteger) {
    const std::pair<std::string, int16_t> casos[] = {
        {"12abc", 12}, {" 1 2 ", 12}, {"\t-3.4x", -3},    {"+7", 7},           {"1.5.3", 2},     {"abc", 0},
        {"", 0},       {"-", 0},      {"1,5", 1},         {"- 4", -4},         {"--4", 0},       {".5", 0},
        {"2.5", 2},    {"3.5", 4},    {"-2.5", -2},       {"2.4999", 2},       {"40000", 32767}, {"-99999", -32768},
        {"4-", 4},     {"+-5", 0},    {"32767.4", 32767}, {"-32768.5", -32768}};
    EXPECT_EQ(Inteiro16(ValTexto(std::string(400, '9'))), 32767);
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(Inteiro16(ValTexto(texto)), esperado) << '"' << texto << '"';
}

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

// The dialog as the configuration sequence opens it, on a scoreboard with these settings.
struct Dialogo {
    explicit Dialogo(const std::function<void(Ajustes&)>& muda = [](Ajustes&) {}) {
        Cena(luta.v, muda);
        f = std::make_unique<Form2>(luta.v);
        f->Form_Load();
    }
    Luta luta;
    std::unique_ptr<Form2> f;
};

TEST(Dialogo, PresetsFillTheirBoxesAndTheRuleSystemsShowAndStoreOnlyWhatTheyUse) {
    for (const auto& [tempo, item] : {std::pair{90, 1}, {100, -1}})
        EXPECT_EQ(Dialogo([t = tempo](Ajustes& a) { a.Tempo = int16_t(t); }).f->L_Tempo.ListIndex, item) << tempo;
    const auto visiveis = [](const Form2& f) {
        return std::array<bool, 5>{f.C_Limite.Visible, f.T_Limite.Visible, f.C_Diferenca.Visible, f.T_Diferenca.Visible,
                                   f.C_GoldenMeia.Visible};
    };
    Dialogo d, velha;
    Form2& f = *d.f;
    EXPECT_EQ(visiveis(f), (std::array<bool, 5>{false, false, true, false, true}));
    f.T_RoundInicial.Text = f.T_TempoInicial.Text = "7";
    f.L_Round.ListIndex = 2, f.L_Tempo.ListIndex = 2, f.L_Intervalo.ListIndex = 3;
    f.L_Round_Click(), f.L_Tempo_Click(), f.L_Intervalo_Click();
    EXPECT_EQ(f.T_Round.Text + " " + f.T_RoundInicial.Text + " " + f.T_Tempo.Text + " " + f.T_TempoInicial.Text + " " +
                  f.T_Intervalo.Text,
              "3 1 120 120 50");
    f.Op_Fetesp_Click();
    f.C_Limite.Value = f.C_Diferenca.Value = true;
    f.C_Limite_Click(), f.C_Diferenca_Click();
    EXPECT_EQ(f.T_Limite.Text + " " + f.T_Diferenca.Text, "15 9") << "an empty box is filled when its rule is ticked";
    EXPECT_EQ(visiveis(f), (std::array<bool, 5>{true, true, true, true, true}));
    f.T_Round.Text = "2.5";  // the number rule
    f.Op_2017_Click();
    f.O_Click(f.O_23);
    f.B_Ok_Click();
    const Ajustes& a = d.luta.v.Config();
    EXPECT_EQ(std::make_tuple(a.Regra, a.Limite, a.Diferenca, a.Rounds, a.Pontos1, a.Pontos2, a.Pontos3),
              std::make_tuple(regra::Wtf2017, kSemLimite, 9, 2, 2, 3, 0))
        << "a limit only under the limit rules";
    velha.f->C_Diferenca.Value = velha.f->C_GoldenMeia.Value = true;
    velha.f->Op_WTF_Click();
    EXPECT_EQ(visiveis(*velha.f), (std::array<bool, 5>{false, false, false, false, false}));
    velha.f->B_Ok_Click();
    const Ajustes& b = velha.luta.v.Config();
    EXPECT_EQ(std::make_tuple(b.Regra, b.Diferenca, b.MeiaFaltaGolden),
              std::make_tuple(regra::WtfAntiga, kSemLimite, true))
        << "a hidden box keeps its tick";
}

TEST(Dialogo, TheLanguagePreviewsOnlyInTheDialogCancelChangesNothingAndOkStartsTheNextFightAlone) {
    Luta luta;
    luta.plat.respostaOkCancela = false;
    luta.plat.aoMostrarConfiguracao = [&](Form2& f) {
        f.L_Lingua.ListIndex = lingua::Ingles;
        f.L_Lingua_Click();
        EXPECT_EQ(std::make_tuple(f.Caption, f.Label9, f.Label11, f.Command2, luta.v.tela().M_Config.Caption),
                  std::make_tuple("Config", "End of Round:", "Start Kye-shi:", "Cancel", "Configuração: F1"));
        f.Command1_Click();  // the button assignment, declined: the dialog stays open
        f.Op_WTF_Click(), f.T_Round.Text = "3", f.T_Sons[1].Text = "x";
        f.Command2_Click();
    };
    luta.Tecla(tecla::F1);
    const Ajustes& a = luta.v.Config();
    EXPECT_EQ(std::make_tuple(a.Lingua, a.Regra, a.Rounds, a.Som[1]),
              std::make_tuple(0, regra::Wtf2017, 1, "gongo.wav"));
    EXPECT_FALSE(ExisteArquivo(luta.v.CaminhoConfig()));
    EXPECT_EQ(luta.plat.perguntas, std::vector<std::string>{"Confirma entrar no modo de configuração dos botões?"});
    EXPECT_TRUE(luta.plat.avisos.empty()) << "no assignment was asked for";

    luta.plat.aoMostrarConfiguracao = [&](Form2& f) {
        f.L_Lingua.ListIndex = lingua::Espanhol;
        f.T_Round.Text = "3", f.T_RoundInicial.Text = "2", f.T_TempoInicial.Text = "45", f.T_L2[2].Text = "Clube X";
        f.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.Log().at(3), Luta::L("14:03:27",
                                        "Configura\tRounds: 3\tIntervalo: 15\tRound: 60\tNome Azul: Azul"
                                        "\tL2 Azul: \tNome Vermelho: Vermelho\tL2 Vermelho: Clube X"
                                        "\tÁrbitros: 3"));
    EXPECT_EQ(luta.v.tela().M_Config.Caption + " " + luta.v.tela().L_Msg.Caption, "Config: F1 [ENTER] Inicio");
    EXPECT_EQ(LeArquivo(luta.v.CaminhoConfig()),
              "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=1");
    EXPECT_EQ(luta.v.tela().L_Round.Caption + " " + luta.v.tela().L_Tempo.Caption, "2 0:45");
    luta.plat.aoMostrarConfiguracao = [](Form2& f) {
        f.L_Lingua.ListIndex = -1;  // no selection keeps the language
        f.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.v.tela().L_Round.Caption + " " + luta.v.tela().L_Tempo.Caption, "2 0:45");
    EXPECT_EQ(luta.v.Config().Lingua, lingua::Espanhol);
    luta.plat.respostaOkCancela = true;
    luta.Teclas({tecla::Enter, tecla::Esc});
    EXPECT_EQ(luta.v.tela().L_Round.Caption + " " + luta.v.tela().L_Tempo.Caption, "1 1:00") << "the next fight alone";
}

}  // namespace
}  // namespace vantor::teste
