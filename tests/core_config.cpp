// The settings file, the text-to-number rule, the key-value and field readers, and the language table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lang/campo.h"
#include "luta.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"
#include "settings/numero.h"

namespace vantor::teste {
namespace {

// The one table of the number rule: leading number, blanks anywhere, halves to even, clamped to 16 bits.
TEST(Numero, TextToSixteenBitInteger) {
    const std::pair<std::string, int16_t> casos[] = {
        {"12abc", 12}, {" 1 2 ", 12}, {"\t-3.4x", -3}, {"+7", 7},    {"1.5.3", 2},   {"abc", 0},
        {"", 0},       {"-", 0},      {"1,5", 1},      {"- 4", -4},  {"--4", 0},     {".5", 0},
        {"2.5", 2},    {"3.5", 4},    {"-2.5", -2},    {"2.4999", 2}, {"40000", 32767}, {"-99999", -32768},
        {"32767.4", 32767}, {"-32768.5", -32768}, {std::string(400, '9'), 32767}};
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(Inteiro16(ValTexto(texto)), esperado) << '"' << texto << '"';
}

TEST(Leitores, KeyValueFirstHitInAnyCaseAndFieldsTrimmed) {
    const std::pair<std::string, std::string> valores[] = {
        {"som3=a.wav\r\n", "a.wav"},         {"Som3 =a.wav\r\n", ""},
        {"Som3=  sino.wav  \r\nX=1", "sino.wav"}, {"Som3=my bell.wav", "my bell.wav"},
        {"Som1=/x/SOM3=7/a.wav\r\nSom3=1", "7/a.wav"}, {"Som3=a=b.wav\r\n", "a=b.wav"}, {"", ""}};
    for (const auto& [texto, valor] : valores) EXPECT_EQ(ValorChave(texto, "Som3", "=", "\r\n"), valor) << texto;
    const std::tuple<std::string, int, std::string, int, std::string> campos[] = {
        {"a|b|c", 2, "|", 1, "b"},  {"a|b|c", 4, "|", 1, ""},      {"a|b|c", 0, "|", 1, ""}, {"a|b|c", 2, "|", 0, "b|c"},
        {"a|b|c", 1, "|", 2, "a|b"}, {" a | b ", 2, "|", 1, "b"}, {"x<>y<>z", 3, "<>", 1, "z"}, {"abcdef", 2, "", 3, "bcd"}};
    for (const auto& [texto, n, delimitador, k, campo] : campos)
        EXPECT_EQ(Campo(texto, n, delimitador, k), campo) << texto << " " << n << " " << k;
}

class Config : public ::testing::Test {
protected:
    void Escreve(const std::string& texto) { std::ofstream(v.CaminhoConfig(), std::ios::binary) << texto; }
    const Ajustes& Carrega() {
        v.LeConfig();
        return v.Config();
    }
    Luta luta;
    Vantor& v = luta.v;
};

TEST_F(Config, MissingOrPartialFilesAndLanguageValues) {
    EXPECT_EQ(Carrega().Som, (std::array<std::string, 11>{"", "gongo.wav", "sino.wav", "sparkle.wav", "gongo.wav"}));
    EXPECT_FALSE(ExisteArquivo(v.CaminhoConfig())) << "reading creates nothing";
    EXPECT_EQ(luta.plat.preparos.back(), (std::vector<std::string>{"gongo.wav", "sino.wav", "sparkle.wav", "gongo.wav"}));
    Escreve("Som1=sino.wav\r\nLingua=2");
    EXPECT_EQ(Carrega().Som, (std::array<std::string, 11>{"", "sino.wav"})) << "missing keys empty their cues";
    EXPECT_EQ(v.Config().Lingua, 2);
    const std::pair<const char*, int16_t> linguas[] = {{"1.5", 2}, {"abc", 0}, {"5", 0}, {"-1", 0}, {" 1\tx", 1}};
    for (const auto& [texto, esperado] : linguas) {
        Escreve(std::string("Som1=a.wav\r\nLingua=") + texto);
        EXPECT_EQ(Carrega().Lingua, esperado) << '"' << texto << '"';
    }
    Escreve("Som1=a.wav\r\nLingua=2\r\n");
    std::filesystem::resize_file(v.CaminhoConfig(), std::uintmax_t{8} << 30);  // sparse: no disk used
    EXPECT_EQ(Carrega().Lingua, 2) << "a huge file is read as far as its first megabyte";
}

TEST_F(Config, WritesTheSeventyThreeByteFileAndAFolderInItsPlaceIsNoFile) {
    ASSERT_TRUE(v.GravaConfig());
    EXPECT_EQ(LeArquivo(v.CaminhoConfig()), "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=0");
    Cena(v, [](Ajustes& a) { a.Som[2] = "  /sons/meu sino.wav ", a.Lingua = 1; });
    ASSERT_TRUE(v.GravaConfig());
    EXPECT_EQ(Carrega().Som[2], "/sons/meu sino.wav");
    EXPECT_EQ(v.Config().Lingua, 1);

    std::filesystem::remove(v.CaminhoConfig());
    std::filesystem::create_directory(v.CaminhoConfig());
    EXPECT_EQ(Carrega().Som[1], "gongo.wav");
    EXPECT_FALSE(v.GravaConfig());
    EXPECT_TRUE(std::filesystem::is_directory(v.CaminhoConfig()));
    for (const auto& e : std::filesystem::directory_iterator(luta.pasta.caminho()))
        EXPECT_NE(e.path().extension(), ".tmp") << "no temporary file is left behind";
}

TEST_F(Config, SoundsAndLanguageSurviveARestartAndMatchSettingsDoNot) {
    Cena(v, [](Ajustes& a) { a.Som[1] = "/x/gong.wav", a.Lingua = lingua::Ingles, a.Tempo = 120, a.Rounds = 3; });
    ASSERT_TRUE(v.GravaConfig());
    Vantor depois(luta.plat);
    depois.Form_Load();
    Ajustes esperado;
    esperado.Som = {"", "/x/gong.wav", "sino.wav", "sparkle.wav", "gongo.wav"};
    esperado.Lingua = lingua::Ingles;
    esperado.Nome = {"", "Blue", "Red"};
    esperado.ContaLutas = 1;
    EXPECT_TRUE(depois.Config() == esperado);
    EXPECT_EQ(depois.tela().L_Config.Caption, "1 Round(s), 1:00. Rest Period: 15. Referees: 3");
}

// Every entry in every language, the unused ones empty; the board's captions in the language.
TEST(Idioma, TableAndCaptions) {
    TabelaIdioma t;
    t.Carrega();
    for (int lingua : {0, 1, 2}) {
        for (int e : {-1, 0, 13, 40, 100, 101}) EXPECT_EQ(t.Traduz(e, lingua), "") << e;
        for (int e = 1; e <= txt::ControlesIguais; ++e) EXPECT_EQ(t.Traduz(e, lingua).empty(), e == 13) << e << " " << lingua;
    }
    EXPECT_EQ(t.Traduz(txt::ZerarLuta, 2), "Reset?");
    EXPECT_EQ(t.Traduz(txt::Venceu, 1), "Ganó");
    EXPECT_EQ(t.Traduz(txt::Inicio, 0), "Início");
    EXPECT_EQ(t.Traduz(txt::Inicio, 5), "") << "a language outside the table";
    const std::array<std::string, 6> legendas[] = {
        {"Faltas:", "Pontos:", "1 Minuto: \"1\"", "Súmula: \"S\"", "Configuração: F1", "Golden Round"},
        {"Kangeon:", "Punto:", "Kye-shi: \"1\"", "Precedentes: \"S\"", "Config: F1", "Golden Round"},
        {"Kangeon:", "Point:", "Kye-shi: \"1\"", "Precedent: \"S\"", "Config: F1", "Golden Round"}};
    for (int16_t lingua : {0, 1, 2}) {
        Luta luta(lingua);
        const Form1Controles& tela = luta.v.tela();
        EXPECT_EQ((std::array<std::string, 6>{tela.M_Falta.Caption, tela.M_Ponto.Caption, tela.M_Minuto.Caption,
                                              tela.M_Sumula.Caption, tela.M_Config.Caption, tela.L_Golden.Caption}),
                  legendas[lingua]);
    }
}

}  // namespace
}  // namespace vantor::teste
