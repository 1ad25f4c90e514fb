// Language table and field splitter.
#include <gtest/gtest.h>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "lang/campo.h"

namespace vantor {
namespace {

TEST(Campo, SplitsTrimsAndSpansFields) {
    EXPECT_EQ(Campo("a|b|c", 2, "|", 1), "b");
    EXPECT_EQ(Campo("a|b|c", 3, "|", 1), "c");
    EXPECT_EQ(Campo("a|b|c", 4, "|", 1), "");
    EXPECT_EQ(Campo("a|b|c", 0, "|", 1), "");
    EXPECT_EQ(Campo("a|b|c", -3, "|", 1), "");
    EXPECT_EQ(Campo("a|b|c", 2, "|", 0), "b|c");
    EXPECT_EQ(Campo("a|b|c", 1, "|", 2), "a|b");
    EXPECT_EQ(Campo("a|b|c", 2, "|", 5), "b|c");
    EXPECT_EQ(Campo(" abc ", 1, "|", 1), "abc");
    EXPECT_EQ(Campo("abc", 2, "|", 1), "");
    EXPECT_EQ(Campo(" a | b ", 2, "|", 1), "b");
    EXPECT_EQ(Campo("x<>y<>z", 3, "<>", 1), "z");
    EXPECT_EQ(Campo("", 1, "|", 1), "");
}

TEST(Campo, EmptyDelimiterTakesSubstringsUntrimmed) {
    EXPECT_EQ(Campo("abcdef", 2, "", 3), "bcd");
    EXPECT_EQ(Campo("abcdef", 2, "", 0), "bcdef");
    EXPECT_EQ(Campo(" ab ", 1, "", 0), " ab ");
    EXPECT_EQ(Campo("abc", 9, "", 2), "");
    EXPECT_EQ(Campo("abc", 0, "", 2), "");
}

TEST(Traduz, PicksTheLanguageAndLeavesUnusedEntriesEmpty) {
    teste::FakePlataforma plat;
    Vantor v(plat);
    v.CarregaIdioma();
    for (int16_t lingua : {0, 1, 2}) {
        v.Lingua = lingua;
        for (int e : {0, 13, 39, 100}) EXPECT_EQ(v.Traduz(e), "") << e;
        EXPECT_EQ(v.Traduz(-1), "");
        EXPECT_EQ(v.Traduz(101), "");
        for (int e = 1; e <= 38; ++e) {
            if (e == 13) continue;
            EXPECT_NE(v.Traduz(e), "") << "entry " << e << " language " << lingua;
        }
    }
    v.Lingua = 2;
    EXPECT_EQ(v.Traduz(15), "Reset?");
    v.Lingua = 1;
    EXPECT_EQ(v.Traduz(34), "Ganó");
    v.Lingua = 0;
    EXPECT_EQ(v.Traduz(3), "Início");
    v.Lingua = 5;  // never reachable from the settings file; every text is then empty
    EXPECT_EQ(v.Traduz(3), "");
}

TEST(AcertaIdioma, CaptionsTheKeyHintsInEachLanguage) {
    teste::FakePlataforma plat;
    Vantor v(plat);
    v.CarregaIdioma();
    v.Lingua = 2;
    v.Acerta_Idioma();
    EXPECT_EQ(v.tela.M_Falta.Caption, "Kangeon:");
    EXPECT_EQ(v.tela.M_Ponto.Caption, "Point:");
    EXPECT_EQ(v.tela.M_Minuto.Caption, "Kye-shi: \"1\"");
    EXPECT_EQ(v.tela.M_Sumula.Caption, "Precedent: \"S\"");
    EXPECT_EQ(v.tela.M_Config.Caption, "Config: F1");
    EXPECT_EQ(v.tela.L_Golden.Caption, "Golden Round");
    v.Lingua = 0;
    v.Acerta_Idioma();
    EXPECT_EQ(v.tela.M_Sumula.Caption, "Súmula: \"S\"");
    EXPECT_EQ(v.tela.M_Config.Caption, "Configuração: F1");
}

}  // namespace
}  // namespace vantor
