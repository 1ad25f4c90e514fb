// The configuration dialog (presets, rule visibility, language preview, OK and Cancel, the button assignment
// request) and the sound-file chooser, driven through their handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// The dialog as the configuration sequence opens it, on a scoreboard with these settings.
struct Dialogo {
    Luta luta;
    std::unique_ptr<Form2> f;
    explicit Dialogo(const std::function<void(Ajustes&)>& muda = [](Ajustes&) {}) {
        Cena(luta.v, muda);
        f = std::make_unique<Form2>(luta.v);
        f->Form_Load();
    }
};

TEST(Dialogo, OpensOnTheSettingsWithMatchingPresetsAndThePresetsFillTheirBoxes) {
    for (const auto& [tempo, item] : {std::pair{90, 1}, {100, -1}, {12, 4}, {60, 0}}) {
        Dialogo d([&](Ajustes& a) { a.Tempo = static_cast<int16_t>(tempo); });
        EXPECT_EQ(d.f->L_Tempo.ListIndex, item) << tempo;
        EXPECT_EQ(d.f->T_Tempo.Text, std::to_string(tempo));
    }
    Dialogo d;
    Form2& f = *d.f;
    EXPECT_EQ(std::make_tuple(f.L_Round.ListIndex, f.L_Intervalo.ListIndex, f.T_Nome[2].Text, f.T_Sons[3].Text),
              std::make_tuple(0, 0, "Vermelho", "sparkle.wav"));
    EXPECT_TRUE(f.Op_2017.Value && f.O_123.Value && !f.C_Limite.Value && f.T_Limite.Text.empty());
    f.T_RoundInicial.Text = f.T_TempoInicial.Text = "7";
    f.L_Round.ListIndex = 2;
    f.L_Round_Click();
    EXPECT_EQ(std::make_tuple(f.T_Round.Text, f.T_RoundInicial.Text), std::make_tuple("3", "1"));
    f.L_Tempo.ListIndex = 2;
    f.L_Tempo_Click();
    EXPECT_EQ(std::make_tuple(f.T_Tempo.Text, f.T_TempoInicial.Text), std::make_tuple("120", "120"));
    f.L_Tempo.ListIndex = 4;
    f.L_Tempo_Click();
    EXPECT_EQ(f.T_Tempo.Text, "12");
    f.L_Intervalo.ListIndex = 3;
    f.L_Intervalo_Click();
    EXPECT_EQ(std::make_tuple(f.T_Intervalo.Text, f.T_TempoInicial.Text), std::make_tuple("50", "12"));
}

TEST(Dialogo, RuleSystemsShowAndStoreOnlyWhatTheyUse) {
    const auto visiveis = [](const Form2& f) {
        return std::array<bool, 5>{f.C_Limite.Visible, f.T_Limite.Visible, f.C_Diferenca.Visible,
                                   f.T_Diferenca.Visible, f.C_GoldenMeia.Visible};
    };
    Dialogo d;
    EXPECT_EQ(visiveis(*d.f), (std::array<bool, 5>{false, false, true, false, true}));
    d.f->Op_Fetesp_Click();
    d.f->C_Limite.Value = d.f->C_Diferenca.Value = d.f->C_GoldenMeia.Value = true;
    d.f->C_Limite_Click();
    d.f->C_Diferenca_Click();
    EXPECT_EQ(std::make_tuple(d.f->T_Limite.Text, d.f->T_Diferenca.Text), std::make_tuple("15", "9"))
        << "an empty box is filled when its rule is ticked";
    EXPECT_EQ(visiveis(*d.f), (std::array<bool, 5>{true, true, true, true, true}));
    d.f->T_Limite.Text = "20";
    d.f->T_Round.Text = "2.5";  // the number rule
    d.f->Op_2017_Click();
    d.f->B_Ok_Click();
    const Ajustes& a = d.luta.v.Config();
    EXPECT_EQ(std::make_tuple(a.Regra, a.Limite, a.Diferenca, a.Rounds), std::make_tuple(regra::Wtf2017, kSemLimite, 9, 2))
        << "a limit exists only under the limit-and-difference rules";

    Dialogo velha;
    velha.f->C_Diferenca.Value = velha.f->C_GoldenMeia.Value = true;
    velha.f->T_Diferenca.Text = "5";
    velha.f->Op_WTF_Click();
    EXPECT_EQ(visiveis(*velha.f), (std::array<bool, 5>{false, false, false, false, false}));
    velha.f->O_Click(velha.f->O_13);
    velha.f->B_Ok_Click();
    const Ajustes& b = velha.luta.v.Config();
    EXPECT_EQ(std::make_tuple(b.Regra, b.Diferenca, b.MeiaFaltaGolden, b.Pontos1, b.Pontos2, b.Pontos3),
              std::make_tuple(regra::WtfAntiga, kSemLimite, true, 1, 3, 0)) << "a hidden box keeps its tick";

    Dialogo limite([](Ajustes& a) { a.Regra = regra::LimiteDiferenca, a.Limite = 20; });
    EXPECT_TRUE(limite.f->C_Limite.Value);
    limite.f->T_Limite.Text = "";
    limite.f->C_Limite_Click();
    EXPECT_EQ(limite.f->T_Limite.Text, "20") << "refilled with the stored limit";
}

TEST(Dialogo, TheLanguagePreviewsOnlyInTheDialogAndCancelChangesNothing) {
    Dialogo d;
    const Ajustes antes = d.luta.v.Config();
    Form2& f = *d.f;
    f.L_Lingua.ListIndex = lingua::Ingles;
    f.L_Lingua_Click();
    EXPECT_EQ(std::make_tuple(f.Caption, f.Label9, f.Label11, f.Command2),
              std::make_tuple("Config", "End of Round:", "Start Kye-shi:", "Cancel"));
    EXPECT_EQ(d.luta.v.Config().Lingua, lingua::Portugues);
    EXPECT_EQ(d.luta.v.tela().M_Config.Caption, "Configuração: F1");
    f.L_Round.ListIndex = 2;
    f.L_Round_Click();
    f.Op_WTF_Click();
    f.T_Sons[1].Text = f.T_Nome[1].Text = "x";
    f.Command1_Click();  // asks for the button assignment: the dialog stays open
    EXPECT_TRUE(f.Aberto);
    EXPECT_EQ(d.luta.plat.perguntas.back(), "Confirma entrar no modo de configuração dos botões?");
    f.Command2_Click();
    EXPECT_FALSE(f.Aberto);
    EXPECT_TRUE(d.luta.v.Config() == antes);
    EXPECT_FALSE(ExisteArquivo(d.luta.v.CaminhoConfig()));

    // Through the configuration sequence: the board's captions follow the language only after OK.
    Luta luta;
    luta.plat.respostaOkCancela = false;
    luta.plat.aoMostrarConfiguracao = [&](Form2& g) {
        g.Command1_Click();  // declined: no assignment
        g.L_Lingua.ListIndex = lingua::Espanhol;
        g.L_Lingua_Click();
        EXPECT_EQ(luta.v.tela().M_Config.Caption, "Configuração: F1");
        g.B_Ok_Click();
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.v.Config().Lingua, lingua::Espanhol);
    EXPECT_EQ(luta.v.tela().M_Config.Caption, "Config: F1");
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "[ENTER] Inicio");
    EXPECT_EQ(LeArquivo(luta.v.CaminhoConfig()),
              "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=1");
    EXPECT_TRUE(luta.plat.avisos.empty()) << "no assignment was asked for";
}

TEST(Dialogo, OkLogsAndTheNextFightAloneStartsAtTheStartRoundAndTime) {
    Luta luta;
    const std::string antigo = luta.v.Log().ArquivoLog;
    luta.plat.aoMostrarConfiguracao = [](Form2& f) {
        f.L_Lingua.ListIndex = -1;  // no selection keeps the language
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
    EXPECT_EQ(luta.v.Config().Lingua, lingua::Portugues);
    EXPECT_EQ(luta.v.Luta().RoundAtual, 2);
    EXPECT_EQ(luta.v.tela().L_Tempo.Caption, "0:45");
    EXPECT_EQ(luta.v.tela().L_Nome[2].Caption, "Vermelho\r\nClube X");
    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.v.Luta().RoundAtual, 1);
    EXPECT_EQ(luta.v.tela().L_Tempo.Caption, "1:00");
    luta.plat.aoMostrarConfiguracao = [](Form2& f) { f.Command2_Click(); };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.v.Luta().RoundAtual, 1) << "cancelling does not bring the start round back";
}

TEST(Escolha, ListsWavFilesAnyCasePlaysOnClickAndOkWritesThePath) {
    EXPECT_EQ(ExtraiPasta("gongo.wav", "/opt/vantor") + ExtraiPasta("sons/x.wav", "/opt/vantor/"),
              "/opt/vantor//opt/vantor/sons/");
    EXPECT_EQ(ExtraiPasta("/media/sons/apito.wav", "/opt") + ExtraiPasta("/x.wav", "/opt") + ExtraiPasta("", "/o"), "/media/sons///o/");
    EXPECT_EQ(ExtraiNome("/media/sons/apito.wav") + "|" + ExtraiNome("apito.wav") + "|" + ExtraiNome("/media/"), "apito.wav|apito.wav|");
    ASSERT_FALSE(Volumes().empty());
    EXPECT_EQ(Volumes().front(), "/");
    Dialogo d;
    const std::string raiz = d.luta.pasta.caminho();
    std::filesystem::create_directories(raiz + "/sons/sub");
    for (const char* nome : {"sons/b.WAV", "sons/a.wav", "sons/notas.txt", "sons/c.wavx"}) std::ofstream(raiz + "/" + nome);
    d.f->T_Sons[2].Text = raiz + "/sons/a.wav";
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
    d.f->T_Sons_DblClick(2);
    EXPECT_EQ(d.luta.plat.sons.back(), raiz + "/sons/b.WAV");
    EXPECT_EQ(d.f->T_Sons[2].Text, raiz + "/sons/b.WAV");
    d.luta.plat.aoEscolherSom = [](FormSom& s) {
        EXPECT_FALSE(s.MudaPasta("/no/such/folder"));
        ASSERT_TRUE(s.MudaPasta("/"));
        s.OKButton_Click();  // no file selected: the folder itself
    };
    d.f->T_Sons_DblClick(1);
    EXPECT_EQ(d.f->T_Sons[1].Text, "/");
    d.f->Command2_Click();
    EXPECT_EQ(d.luta.v.Config().Som[2], "sino.wav") << "the choice counts only when the dialog is confirmed";
}

}  // namespace
}  // namespace vantor::teste
