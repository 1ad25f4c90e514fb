// The settings file and the text-to-number rule.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"
#include "settings/numero.h"

namespace vantor::teste {
namespace {

TEST(Numero, LeadingNumberWithBlanksSignAndPoint) {
    EXPECT_EQ(ValTexto("12abc"), 12);
    EXPECT_EQ(ValTexto(" 1 2 "), 12);
    EXPECT_EQ(ValTexto("\t-3.5x"), -3.5);
    EXPECT_EQ(ValTexto("+7"), 7);
    EXPECT_EQ(ValTexto("1.5.3"), 1.5);
    EXPECT_EQ(ValTexto("abc"), 0);
    EXPECT_EQ(ValTexto(""), 0);
    EXPECT_EQ(ValTexto("-"), 0);
    EXPECT_EQ(ValTexto("1,5"), 1) << "the comma is never a decimal point";
    EXPECT_EQ(ValTexto("- 4"), -4);
    EXPECT_EQ(ValTexto("--4"), 0);
    EXPECT_EQ(ValTexto(".5"), 0.5);
}

TEST(Numero, RoundsHalvesToEvenAndClampsToSixteenBits) {
    EXPECT_EQ(Inteiro16(1.5), 2);
    EXPECT_EQ(Inteiro16(2.5), 2);
    EXPECT_EQ(Inteiro16(3.5), 4);
    EXPECT_EQ(Inteiro16(-2.5), -2);
    EXPECT_EQ(Inteiro16(2.4999), 2);
    EXPECT_EQ(Inteiro16(40000), 32767);
    EXPECT_EQ(Inteiro16(-99999), -32768);
    EXPECT_EQ(Inteiro16(ValTexto(std::string(400, '9'))), 32767);
    EXPECT_EQ(Inteiro16(32767.4), 32767);
    EXPECT_EQ(Inteiro16(-32768.5), -32768);
}

TEST(ValorChave, FirstHitAnywhereInAnyCase) {
    const std::string crlf = "\r\n";
    EXPECT_EQ(ValorChave("som3=a.wav\r\n", "Som3", "=", crlf), "a.wav");
    EXPECT_EQ(ValorChave("Som1 =a.wav\r\n", "Som1", "=", crlf), "");
    EXPECT_EQ(ValorChave("Som2=  sino.wav  \r\nX=1", "Som2", "=", crlf), "sino.wav");
    EXPECT_EQ(ValorChave("Som2=my bell.wav", "Som2", "=", crlf), "my bell.wav");
    EXPECT_EQ(ValorChave("Som1=/x/LINGUA=7/a.wav\r\nLingua=1", "Lingua", "=", crlf), "7/a.wav");
    EXPECT_EQ(ValorChave("Som1=a=b.wav\r\n", "Som1", "=", crlf), "a=b.wav");
    EXPECT_EQ(ValorChave("", "Som1", "=", crlf), "");
}

class Config : public ::testing::Test {
protected:
    void Escreve(const std::string& texto) {
        std::ofstream(pasta.caminho() + "/vantor.ini", std::ios::binary) << texto;
    }
    Vantor& Carrega() {
        v.CarregaIdioma();
        v.LeConfig();
        return v;
    }
    PastaTemporaria pasta;
    FakePlataforma plat = [this] {
        FakePlataforma p;
        p.pastaPrograma = pasta.caminho();
        p.temp = pasta.caminho() + "/";
        return p;
    }();
    Vantor v{plat};
};

TEST_F(Config, MissingFileGivesDefaultsAndCreatesNothing) {
    Carrega();
    EXPECT_EQ(v.Som[1], "gongo.wav");
    EXPECT_EQ(v.Som[2], "sino.wav");
    EXPECT_EQ(v.Som[3], "sparkle.wav");
    EXPECT_EQ(v.Som[4], "gongo.wav");
    EXPECT_EQ(v.Lingua, 0);
    EXPECT_FALSE(ExisteArquivo(pasta.caminho() + "/vantor.ini"));
}

TEST_F(Config, MissingKeysEmptyTheirCues) {
    Escreve("Som1=sino.wav\r\nLingua=2");
    Carrega();
    EXPECT_EQ(v.Som[1], "sino.wav");
    EXPECT_EQ(v.Som[2], "");
    EXPECT_EQ(v.Som[4], "");
    EXPECT_EQ(v.Lingua, 2);
}

TEST_F(Config, AHugeFileIsReadOnlyAsFarAsItsFirstMegabyte) {
    Escreve("Som1=a.wav\r\nLingua=2\r\n");
    std::filesystem::resize_file(pasta.caminho() + "/vantor.ini", std::uintmax_t{8} << 30);  // sparse: no disk used
    Carrega();
    EXPECT_EQ(v.Som[1], "a.wav");
    EXPECT_EQ(v.Lingua, 2);
}

TEST_F(Config, LanguageValues) {
    const std::pair<const char*, int16_t> casos[] = {{"1.5", 2}, {"2.5", 2}, {"abc", 0}, {"", 0}, {"1 ", 1},
                                                     {"5", 0},   {"-1", 0},  {"99999", 0}, {" 2\tx", 2}};
    for (const auto& [texto, esperado] : casos) {
        Escreve(std::string("Som1=a.wav\r\nLingua=") + texto);
        EXPECT_EQ(Carrega().Lingua, esperado) << '"' << texto << '"';
    }
}

TEST_F(Config, DefaultsWriteTheSeventyThreeByteFileAndReadBack) {
    Carrega();
    ASSERT_TRUE(v.GravaConfig());
    const std::string texto = LeArquivo(pasta.caminho() + "/vantor.ini");
    EXPECT_EQ(texto, "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=0");
    EXPECT_EQ(texto.size(), 73u);
    v.Som[2] = "  /sons/meu sino.wav ";
    v.Lingua = 1;
    ASSERT_TRUE(v.GravaConfig());
    Carrega();
    EXPECT_EQ(v.Som[2], "/sons/meu sino.wav");
    EXPECT_EQ(v.Lingua, 1);
    EXPECT_EQ(v.Som[3], "sparkle.wav");
}

TEST_F(Config, AFileThatCannotBeWrittenLeavesTheOldOneWhole) {
    Escreve("Som1=old.wav\r\nLingua=1");
    Carrega();
    ::chmod(pasta.caminho().c_str(), 0555);
    const bool gravou = v.GravaConfig();
    ::chmod(pasta.caminho().c_str(), 0755);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(gravou);
        EXPECT_EQ(LeArquivo(pasta.caminho() + "/vantor.ini"), "Som1=old.wav\r\nLingua=1");
    }

    std::filesystem::remove(pasta.caminho() + "/vantor.ini");
    std::filesystem::create_directory(pasta.caminho() + "/vantor.ini");
    Carrega();  // a folder in the file's place reads as no file
    EXPECT_EQ(v.Som[1], "gongo.wav");
    EXPECT_FALSE(v.GravaConfig());
    EXPECT_TRUE(std::filesystem::is_directory(pasta.caminho() + "/vantor.ini"));
    for (const auto& e : std::filesystem::directory_iterator(pasta.caminho()))
        EXPECT_EQ(e.path().filename(), "vantor.ini") << "no temporary file is left behind";
}

TEST_F(Config, SettingsSurviveARestartAndMatchSettingsDoNot) {
    {
        Luta luta;
        luta.v.Som[1] = "/x/gong.wav";
        luta.v.Lingua = 2;
        luta.v.Tempo = 120;
        ASSERT_TRUE(luta.v.GravaConfig());
        const std::string ini = LeArquivo(luta.pasta.caminho() + "/vantor.ini");
        Escreve(ini);
    }
    v.Form_Load();
    EXPECT_EQ(v.Som[1], "/x/gong.wav");
    EXPECT_EQ(v.Lingua, 2);
    EXPECT_EQ(v.Tempo, 60);
    EXPECT_EQ(v.Intervalo, 15);
    EXPECT_EQ(v.Rounds, 1);
    EXPECT_EQ(v.Arbitros, 3);
    EXPECT_EQ(v.Regra, 2);
    EXPECT_EQ(v.ContaLutas, 1);
    EXPECT_EQ(v.Nome[1], "Blue");
    EXPECT_EQ(v.Nome[2], "Red");
    EXPECT_EQ(v.tela.L_Tempo.Caption, "1:00");
    EXPECT_EQ(v.tela.L_Config.Caption, "1 Round(s), 1:00. Rest Period: 15. Referees: 3");
    EXPECT_TRUE(v.tela.L_Config.Visible);
}

}  // namespace
}  // namespace vantor::teste
