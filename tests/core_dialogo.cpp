// The configuration dialog and the sound-file chooser, driven through their handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"
#include "settings/form2.h"

namespace vantor::teste {
namespace {

// The dialog as the configuration sequence opens it, on a fresh scoreboard.
struct Dialogo {
    Luta luta;
    Form2 f{luta.v};
    Dialogo() { f.Form_Load(); }
    Dialogo(int16_t tempo, int16_t limite) {
        luta.v.Tempo = tempo;
        luta.v.Limite = limite;
        luta.v.Regra = 1;
        f.Form_Load();
    }
};

TEST(Dialogo, OpensOnTheRecordWithMatchingPresetsSelected) {
    const struct {
        int16_t tempo;
        int item;
    } casos[] = {{90, 1}, {100, -1}, {12, 4}, {60, 0}};
    for (const auto& c : casos) {
        Dialogo d(c.tempo, 99);
        EXPECT_EQ(d.f.L_Tempo.ListIndex, c.item) << c.tempo;
        EXPECT_EQ(d.f.T_Tempo.Text, std::to_string(c.tempo));
    }
    Dialogo d;
    EXPECT_EQ(d.f.L_Round.ListIndex, 0);
    EXPECT_EQ(d.f.L_Intervalo.ListIndex, 0);
    EXPECT_EQ(d.f.T_Nome[2].Text, "Vermelho");
    EXPECT_EQ(d.f.T_Sons[3].Text, "sparkle.wav");
    EXPECT_TRUE(d.f.Op_2017.Value);
    EXPECT_TRUE(d.f.O_123.Value);
    EXPECT_FALSE(d.f.C_Limite.Value);
    EXPECT_EQ(d.f.T_Limite.Text, "");
}

TEST(Dialogo, PresetListsFillTheirBoxes) {
    Dialogo d;
    d.f.T_RoundInicial.Text = d.f.T_TempoInicial.Text = "7";
    d.f.L_Round.ListIndex = 2;
    d.f.L_Round_Click();
    EXPECT_EQ(d.f.T_Round.Text, "3");
    EXPECT_EQ(d.f.T_RoundInicial.Text, "1");
    d.f.L_Tempo.ListIndex = 2;
    d.f.L_Tempo_Click();
    EXPECT_EQ(d.f.T_Tempo.Text, "120");
    EXPECT_EQ(d.f.T_TempoInicial.Text, "120");
    d.f.L_Tempo.ListIndex = 4;
    d.f.L_Tempo_Click();
    EXPECT_EQ(d.f.T_Tempo.Text, "12");
    d.f.T_TempoInicial.Text = "7";
    d.f.L_Intervalo.ListIndex = 3;
    d.f.L_Intervalo_Click();
    EXPECT_EQ(d.f.T_Intervalo.Text, "50");
    EXPECT_EQ(d.f.T_TempoInicial.Text, "7");
}

TEST(Dialogo, NumbersFollowTheTextRuleAndClampToSixteenBits) {
    const std::pair<const char*, int16_t> casos[] = {{"2.5", 2}, {"3.5", 4}, {"12abc", 12}, {"1.5 min", 2},
                                                     {"", 0},    {" 4 0", 40}, {"40000", 32767}, {"-99999", -32768}};
    for (const auto& [texto, esperado] : casos) {
        Dialogo d;
        d.f.T_Round.Text = texto;
        d.f.B_Ok_Click();
        EXPECT_EQ(d.luta.v.Rounds, esperado) << '"' << texto << '"';
    }
}

TEST(Dialogo, RuleSystemsShowAndStoreOnlyWhatTheyUse) {
    auto visiveis = [](const Form2& f) {
        return std::array<bool, 5>{f.C_Limite.Visible, f.T_Limite.Visible, f.C_Diferenca.Visible,
                                   f.T_Diferenca.Visible, f.C_GoldenMeia.Visible};
    };
    Dialogo d;
    EXPECT_EQ(visiveis(d.f), (std::array<bool, 5>{false, false, true, false, true}));
    d.f.Op_Fetesp_Click();
    d.f.C_Limite.Value = true;
    d.f.C_Limite_Click();
    EXPECT_EQ(d.f.T_Limite.Text, "15") << "an empty box is filled when the limit is ticked";
    d.f.C_Diferenca.Value = true;
    d.f.C_Diferenca_Click();
    EXPECT_EQ(d.f.T_Diferenca.Text, "9");
    EXPECT_EQ(visiveis(d.f), (std::array<bool, 5>{true, true, true, true, true}));
    d.f.T_Limite.Text = "20";
    d.f.C_GoldenMeia.Value = true;
    d.f.Op_2017_Click();
    d.f.B_Ok_Click();
    EXPECT_EQ(d.luta.v.Limite, 99) << "a limit exists only under the limit-and-difference rules";
    EXPECT_EQ(d.luta.v.Diferenca, 9);
    EXPECT_EQ(d.luta.v.Regra, 2);

    Dialogo velha;
    velha.f.C_Diferenca.Value = true;
    velha.f.T_Diferenca.Text = "5";
    velha.f.C_GoldenMeia.Value = true;
    velha.f.Op_WTF_Click();
    EXPECT_EQ(visiveis(velha.f), (std::array<bool, 5>{false, false, false, false, false}));
    velha.f.O_Click(velha.f.O_13);
    velha.f.B_Ok_Click();
    EXPECT_EQ(velha.luta.v.Diferenca, 99);
    EXPECT_TRUE(velha.luta.v.MeiaFaltaGolden) << "the hidden box keeps its tick";
    EXPECT_EQ(velha.luta.v.Regra, 0);
    EXPECT_EQ(velha.luta.v.Pontos1 * 100 + velha.luta.v.Pontos2 * 10 + velha.luta.v.Pontos3, 130);

    Dialogo limite(60, 20);
    EXPECT_TRUE(limite.f.C_Limite.Value);
    EXPECT_EQ(limite.f.T_Limite.Text, "20");
    limite.f.T_Limite.Text = "";
    limite.f.C_Limite.Value = false;
    limite.f.C_Limite_Click();
    EXPECT_EQ(limite.f.T_Limite.Text, "20") << "refilled with the stored limit";
}

TEST(Dialogo, LanguagePreviewsAndOnlyOkStoresIt) {
    Dialogo d;
    d.f.L_Lingua.ListIndex = 2;
    d.f.L_Lingua_Click();
    EXPECT_EQ(d.f.Caption, "Config");
    EXPECT_EQ(d.f.Label9, "End of Round:");
    EXPECT_EQ(d.f.Label11, "Start Kye-shi:");
    EXPECT_EQ(d.f.Command2, "Cancel");
    EXPECT_EQ(d.luta.v.Lingua, 0);
    d.f.Command2_Click();
    EXPECT_FALSE(d.f.Aberto);
    EXPECT_FALSE(ExisteArquivo(d.luta.pasta.caminho() + "/vantor.ini"));

    Dialogo ok;
    ok.f.L_Lingua.ListIndex = -1;
    ok.f.B_Ok_Click();
    EXPECT_EQ(ok.luta.v.Lingua, 0) << "no selection keeps the language";
    ok.f.L_Lingua.ListIndex = 1;
    ok.f.B_Ok_Click();
    EXPECT_EQ(ok.luta.v.Lingua, 1);
    EXPECT_EQ(LeArquivo(ok.luta.pasta.caminho() + "/vantor.ini"),
              "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=1");
}

TEST(Dialogo, ConfirmingLogsWritesTheFileAndTheNextFightStartsAtTheStartRoundAndTime) {
    Luta luta;
    const std::string antigo = luta.v.ArquivoLog;
    luta.plat.aoMostrarConfiguracao = [](Form2& f) {
        f.T_Round.Text = "3";
        f.T_RoundInicial.Text = "2";
        f.T_TempoInicial.Text = "45";
        f.T_Nome[1].Text = " Silva ";
        f.T_L2[2].Text = "Clube X";
        f.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(LinhasDe(antigo).at(1), Luta::L("14:03:27", "Configura\tRounds: 3\tIntervalo: 15\tRound: 60\tNome Azul:  Silva "
                                                          "\tL2 Azul: \tNome Vermelho: Vermelho\tL2 Vermelho: Clube X"
                                                          "\tÁrbitros: 3"));
    EXPECT_EQ(LeArquivo(luta.pasta.caminho() + "/vantor.ini").size(), 73u);
    EXPECT_EQ(luta.v.RoundAtual, 2);
    EXPECT_EQ(luta.v.tela.L_Tempo.Caption, "0:45");
    EXPECT_EQ(luta.v.tela.L_Nome[2].Caption, "Vermelho\r\nClube X");
    luta.Tecla(tecla::Enter);
    luta.plat.respostaOkCancela = true;
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.v.RoundAtual, 1);
    EXPECT_EQ(luta.v.tela.L_Tempo.Caption, "1:00");

    luta.plat.aoMostrarConfiguracao = [](Form2& f) { f.Command2_Click(); };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.v.RoundAtual, 1) << "cancelling does not bring the start round back";
}

TEST(Dialogo, ButtonAssignmentIsAskedForOnlyOnOk) {
    Dialogo d;
    d.luta.plat.respostaOkCancela = false;
    d.f.Command1_Click();
    EXPECT_EQ(d.luta.v.Configurando_b, 0);
    d.luta.plat.respostaOkCancela = true;
    d.f.Command1_Click();
    EXPECT_EQ(d.luta.v.Configurando_b, 99);
    EXPECT_EQ(d.luta.plat.perguntas.back(), "Confirma entrar no modo de configuração dos botões?");
    EXPECT_TRUE(d.f.Aberto);
}

TEST(Escolha, FolderAndNameOfASoundPath) {
    EXPECT_EQ(ExtraiPasta("gongo.wav", "/opt/vantor"), "/opt/vantor/");
    EXPECT_EQ(ExtraiPasta("sons/x.wav", "/opt/vantor/"), "/opt/vantor/sons/");
    EXPECT_EQ(ExtraiPasta("/media/sons/apito.wav", "/opt/vantor"), "/media/sons/");
    EXPECT_EQ(ExtraiPasta("/x.wav", "/opt"), "/");
    EXPECT_EQ(ExtraiPasta("", "/opt"), "/opt/");
    EXPECT_EQ(ExtraiNome("/media/sons/apito.wav"), "apito.wav");
    EXPECT_EQ(ExtraiNome("apito.wav"), "apito.wav");
    EXPECT_EQ(ExtraiNome("/media/"), "");
    const auto volumes = Volumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "/");
}

TEST(Escolha, ListsWavFilesAnyCasePlaysOnClickAndOkWritesThePath) {
    Dialogo d;
    const std::string raiz = d.luta.pasta.caminho();
    std::filesystem::create_directories(raiz + "/sons/sub");
    for (const char* nome : {"sons/b.WAV", "sons/a.wav", "sons/notas.txt", "sons/c.wavx"}) std::ofstream(raiz + "/" + nome);
    d.f.T_Sons[2].Text = raiz + "/sons/a.wav";
    d.luta.plat.aoEscolherSom = [&](FormSom& s) {
        EXPECT_EQ(s.Dir1, raiz + "/sons");
        EXPECT_EQ(s.Pastas, std::vector<std::string>{"sub"});
        EXPECT_EQ(s.File1, (std::vector<std::string>{"a.wav", "b.WAV"}));
        EXPECT_EQ(s.FileIndex, 0) << "the box's file is preselected";
        s.FileIndex = 1;
        s.File1_Click();
        s.Indice = "x";
        s.OKButton_Click();
        EXPECT_TRUE(s.Aberto) << "a bad index keeps the chooser open";
        s.Indice = "2";
        s.File1_DblClick();
        EXPECT_FALSE(s.Aberto);
    };
    d.f.T_Sons_DblClick(2);
    EXPECT_EQ(d.luta.plat.sons.back(), raiz + "/sons/b.WAV");
    EXPECT_EQ(d.f.T_Sons[2].Text, raiz + "/sons/b.WAV");

    d.luta.plat.aoEscolherSom = [](FormSom& s) {
        ASSERT_TRUE(s.MudaPasta("/"));
        EXPECT_EQ(s.Dir1, "/");
        s.OKButton_Click();  // no file selected: the folder itself
    };
    d.f.T_Sons_DblClick(1);
    EXPECT_EQ(d.f.T_Sons[1].Text, "/");

    d.luta.plat.aoEscolherSom = [](FormSom& s) {
        EXPECT_FALSE(s.MudaPasta("/no/such/folder"));
        s.CancelButton_Click();
    };
    d.f.T_Sons[3].Text = "/no/such/folder/x.wav";
    d.f.T_Sons_DblClick(3);
    EXPECT_EQ(d.f.T_Sons[3].Text, "/no/such/folder/x.wav");
    d.f.Command2_Click();
    EXPECT_EQ(d.luta.v.Som[2], "sino.wav") << "the choice counts only when the dialog is confirmed";
}

}  // namespace
}  // namespace vantor::teste
