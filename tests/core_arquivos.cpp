// The settings file read, written and kept over a restart; the number rule; where an installed program keeps its
// files; a link planted at any name it writes.
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"
#include "settings/modelos.h"
#include "settings/numero.h"

namespace vantor::teste {
namespace {

namespace fs = std::filesystem;

TEST(Config, ReadWrittenAndKeptOverARestartAndBadFilesReadSafely) {
    Luta luta;
    Vantor& v = luta.v;
    const auto carrega = [&](const std::string& texto) {
        std::ofstream(v.Arquivos().CaminhoConfig(), std::ios::binary) << texto;
        Ajustes a = v.Config();
        v.Arquivos().LeConfig(a), v.DefineAjustes(a);
        return v.Config();
    };
    EXPECT_FALSE(ExisteArquivo(v.Arquivos().CaminhoConfig())) << "reading creates nothing";
    EXPECT_EQ(Junta("/", "x") + " " + Junta("/opt/v/", "x") + " " + Junta("", "x"), "/x /opt/v/x x");
    EXPECT_EQ(luta.plat.preparos,
              (std::vector<std::vector<std::string>>{{"gongo.wav", "sino.wav", "sparkle.wav", "gongo.wav"}}));
    EXPECT_EQ(carrega("Som3 =x\r\nsOM1=  sino.wav \r\nLingua=2").Som, (std::array<std::string, 11>{"", "sino.wav"}))
        << "a key in any case, its value trimmed; missing keys empty their cues";
    for (const auto& [texto, lingua] : {std::pair{"2", 2}, {"1.5", 2}, {"abc", 0}, {"3", 0}, {"-1", 0}, {" 1\tx", 1}})
        EXPECT_EQ(carrega(std::string("Som1=a.wav\r\nLingua=") + texto).Lingua, lingua) << '"' << texto << '"';
    // Any editor's line ends (LF, or CR alone) give the same cues; OK in the dialog writes them back with CR LF.
    luta.plat.aoMostrarConfiguracao = [](Form2& f) { f.B_Ok_Click(); };
    for (const char* texto : {"Som1=a.wav\nSom2=b.wav\nLingua=2\n", "Som1=a.wav\rSom2=b.wav\rLingua=2\r"}) {
        EXPECT_EQ(carrega(texto).Som, (std::array<std::string, 11>{"", "a.wav", "b.wav"}));
        EXPECT_EQ(luta.plat.preparos.back(), (std::vector<std::string>{"a.wav", "b.wav", "", ""}));
        luta.Tecla(tecla::F1);
        EXPECT_EQ(LeArquivo(v.Arquivos().CaminhoConfig()), "Som1=a.wav\r\nSom2=b.wav\r\nSom3=\r\nSom4=\r\nLingua=2");
    }
    luta.plat.aoMostrarConfiguracao = nullptr;
    carrega("Som1=a.wav\r\nLingua=2\r\n");
    std::filesystem::resize_file(v.Arquivos().CaminhoConfig(), std::uintmax_t{8} << 30);  // sparse: no disk used
    Ajustes grande;
    v.Arquivos().LeConfig(grande);
    EXPECT_EQ(grande.Lingua, 2) << "a huge file is read as far as its first megabyte";

    Cena(v, [](Ajustes& a) { a.Som = {"", "/x/gong.wav", "  /sons/meu sino.wav "}, a.Lingua = 2, a.Tempo = 120; });
    ASSERT_TRUE(v.Arquivos().GravaConfig(v.Config()));
    EXPECT_EQ(LeArquivo(v.Arquivos().CaminhoConfig()),
              "Som1=/x/gong.wav\r\nSom2=  /sons/meu sino.wav \r\nSom3=\r\nSom4=\r\nLingua=2");
    Vantor depois(luta.plat);
    depois.Form_Load();
    Ajustes esperado;
    esperado.Som = {"", "/x/gong.wav", "/sons/meu sino.wav", "", ""}, esperado.Lingua = 2, esperado.ContaLutas = 1;
    esperado.Nome = {"", "Blue", "Red"};
    EXPECT_TRUE(depois.Config() == esperado) << "sounds and language survive a restart, match settings do not";
    EXPECT_TRUE(luta.plat.perguntas.empty()) << "a fight not started is not offered back";
    EXPECT_EQ(depois.Tela().L_Config.Caption, "1 Round(s), 1:00. Rest Period: 15. Referees: 3");
    EXPECT_EQ(depois.Tela().M_Sumula.Caption, "Precedent: \"S\"");
}

// A number as a box or the settings file gives it: blanks count nowhere, the first character that cannot continue it
// ends it (a second sign too), halves go to the even neighbour, and the integer is clamped to 16 bits.
TEST(Numero, ReadAsTheBoxesReadItRoundedToEvenAndClampedTo16Bits) {
    const std::string noves(400, '9');
    const std::pair<const char*, int> casos[] = {
        {"\t1 23.4.5", 123}, {"2.5", 2},     {"3.5", 4}, {"-2.5", -2},          {"+-5", 0},
        {"-12.5e3x", -12},   {"/u29999", 0}, {"90", 90}, {"32767.5", 32767},    {"-32768.5", -32768},
        {"-40000", -32768},  {"", 0},        {".", 0},   {noves.c_str(), 32767}};
    for (const auto& [texto, n] : casos) EXPECT_EQ(Inteiro16(ValTexto(texto)), n) << '"' << texto << '"';
}

// Installed: settings and button map in ~/.config/vantor, back at the next start; logs in ~/.local/share/vantor/LOG,
// or TEMP + "LOG" when TEMP is set. Nothing lands where it runs nor beside the program.
TEST(Lugares, AnInstalledProgramKeepsItsFilesInTheUsersFoldersWhereItsModelsOverrideTheShippedOnes) {
    const NaPasta trabalho;
    const PastaTemporaria raiz;
    const std::string& r = raiz.Caminho();
    const std::string config = r + "/home/.config/vantor/";
    ASSERT_TRUE(CriaPastas(r + "/usr/bin") && CriaPastas(r + "/usr/share/vantor") && CriaPastas(r + "/tmp"));
    for (const std::string& temp : {std::string(), r + "/tmp/"}) {
        FakePlataforma plat;
        plat.pastaPrograma = r + "/usr/bin", plat.home = r + "/home", plat.temp = temp;
        Vantor v(plat);
        v.Form_Load();
        EXPECT_EQ(v.Config().Lingua + v.Botoes().MapaBotoes[1], temp.empty() ? 0 + 12 : 2 + 5);
        EXPECT_TRUE(ExisteArquivo(v.Log().ArquivoLog));
        EXPECT_EQ(v.Log().ArquivoLog, (temp.empty() ? r + "/home/.local/share/vantor/LOG" : r + "/tmp/LOG") +
                                          "/LOG_2026-12-06_14-03-27.txt");
        plat.aoMostrarConfiguracao = [](Form2& f) { f.L_Lingua.ListIndex = 2, f.B_Ok_Click(); };
        v.Form_KeyDown(tecla::F1, 0);  // English, through the dialog
        ASSERT_TRUE(v.Arquivos().GravaBotoes(v.Botoes()));
        EXPECT_EQ(LeArquivo(config + "vantor.ini").size(), 73u);
        GravaArquivo(config + "botoes.cfg", std::string(2, '\0') + '\5' + std::string(511, '\0'));  // input 1: button 5
    }
    EXPECT_TRUE(fs::is_empty(trabalho.Caminho()) && fs::is_empty(r + "/usr/bin"));

    // Models: the shipped file, then the user's, whose model of the same name replaces it whole; what the program
    // does not know is left out, named by its file and line or its model.
    GravaArquivo(r + "/usr/share/vantor/modelos.ini",
                 "[wt]\nRegra=3\nRounds=5\n[b]\nRegra=3\nTempo=90\nFaltasRound=3\nTempoGolden=30\n");
    GravaArquivo(config + "modelos.ini", "Tempo=1\n[WT]\nTempo=100\nRounds=x\nFoo=1\nPontos=1,2,0\nlixo\nRegra=7\n");
    FakePlataforma plat;
    plat.pastaPrograma = r + "/usr/bin", plat.home = r + "/home";
    Vantor v(plat);
    v.Form_Load();
    const Modelos m = v.LeModelos();
    std::vector<std::string> avisos = m.avisos;
    Ajustes a;
    AplicaModelo(*m.Acha("wt"), a, &avisos);
    EXPECT_TRUE(m.lista.size() == 2 && a.Regra == regra::Wtf2017 && a.Rounds == 1 && a.Tempo == 100);
    EXPECT_EQ(avisos, (std::vector<std::string>{config + "modelos.ini:1: a setting outside any [model]",
                                                config + "modelos.ini:7: not a Key=value line",
                                                "WT: Rounds=x: a whole number from 1 to 99", "WT: unknown setting Foo",
                                                "WT: Pontos=1,2,0: two to five values from 1 to 99, with commas",
                                                "WT: Regra=7: a whole number from 0 to 3"}));
    // Chosen in the dialog, a model fills the boxes, still editable; OK stores it with what has no box.
    plat.aoMostrarConfiguracao = [](Form2& f) {
        f.L_Modelo.ListIndex = 1, f.L_Modelo_Click();
        EXPECT_TRUE(f.Op_2022.Value && f.T_Tempo.Text == "90" && f.T_TempoInicial.Text == "90");
        f.T_Round.Text = "2", f.B_Ok_Click();
    };
    v.Form_KeyDown(tecla::F1, 0);
    EXPECT_TRUE(v.Config().Regra == regra::Wt2022 && v.Config().Rounds == 2 && v.Config().FaltasRound == 3 &&
                v.Config().TempoGolden == 30);
}

// A link planted at any name the program writes (its lock and an old fixed temporary name too) is never written
// through: the files the links point to stay as they were, and the log's lines wait, the operator warned, rather than
// follow one.
TEST(Arquivos, APlantedLinkIsNeverWrittenThrough) {
    const NaPasta pasta;
    fs::create_directories("LOG"), fs::create_directories("alvos");
    const std::vector<std::string> nomes = {
        "vantor.ini",       "vantor.ini.tmp",         "botoes.cfg",
        "LOG/vantor.trava", "LOG/vantor-luta.estado", "LOG/LOG_2026-12-06_14-03-27.txt"};
    for (size_t i = 0; i < nomes.size(); ++i) {
        std::ofstream("alvos/" + std::to_string(i)) << "not the program's " << i;
        fs::create_symlink(pasta.Caminho() + "/alvos/" + std::to_string(i), nomes[i]);
    }
    FakePlataforma plat;
    plat.temp = plat.pastaPrograma = pasta.Caminho() + "/";
    Vantor v(plat);
    v.Form_Load();
    v.Form_KeyDown(tecla::Enter, 0), v.Form_KeyDown(tecla::F12, 0), v.Timer_Luta_Timer();
    EXPECT_TRUE(v.Arquivos().GravaConfig(v.Config()) && v.Arquivos().GravaBotoes(v.Botoes()));
    v.EsperaDisco();
    for (size_t i = 0; i < nomes.size(); ++i)
        EXPECT_EQ(LeArquivo("alvos/" + std::to_string(i)), "not the program's " + std::to_string(i)) << nomes[i];
    EXPECT_TRUE(v.Tela().L_AvisoLog.Visible) << "the log's lines wait, with the warning";
}

}  // namespace
}  // namespace vantor::teste
