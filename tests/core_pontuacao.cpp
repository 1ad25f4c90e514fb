// Points, penalties, the refresh and the victory rules, state by state.
#include <gtest/gtest.h>

#include "luta.h"

namespace vantor::teste {
namespace {

struct Meia {
    int16_t faltas;
    bool meia;
    bool operator==(const Meia&) const = default;
};

Meia Estado(const Vantor& v) { return {v.Faltas[1], v.MeiaFalta[1]}; }

TEST(Penalidades, HalfStepsUnderTheOldRulesCountUpAndDownInHalves) {
    Luta luta;
    luta.v.Regra = 0;
    luta.v.AMais();
    luta.v.AMais();
    EXPECT_EQ(Estado(luta.v), (Meia{1, false}));
    luta.v.AMais();
    EXPECT_EQ(Estado(luta.v), (Meia{1, true}));
    luta.v.AMenos();
    EXPECT_EQ(Estado(luta.v), (Meia{1, false}));
    luta.v.AMenos();
    EXPECT_EQ(Estado(luta.v), (Meia{0, true}));
    luta.v.AMenos();
    luta.v.AMenos();
    EXPECT_EQ(Estado(luta.v), (Meia{0, false})) << "no penalty at all stays at zero";

    luta.v.Faltas[1] = 9;
    luta.v.MeiaFalta[1] = true;
    luta.v.AMais();
    EXPECT_EQ(Estado(luta.v), (Meia{10, false}));
    luta.v.AMais();
    EXPECT_EQ(Estado(luta.v), (Meia{10, false})) << "no half penalty beyond the limit";
    auto linhas = luta.Log();
    EXPECT_EQ(linhas.back(), Luta::L("14:03:27", "Round 1, Faltando 60s, +1/2 Falta Azul (Azul)"));
    EXPECT_EQ(linhas[linhas.size() - 4], Luta::L("14:03:27", "Round 1, Faltando 60s, -1/2 Falta Azul (Azul)"))
        << "a removal at zero still writes its line";
}

TEST(Penalidades, GoldenRoundHalfPenaltyOnlyWhenConfigured) {
    Luta luta;
    luta.v.RoundAtual = 2;  // above the single regular round
    luta.v.MeiaFaltaGolden = true;
    luta.v.VMais();
    EXPECT_EQ(luta.v.Faltas[2], 0);
    EXPECT_TRUE(luta.v.MeiaFalta[2]);
    luta.v.MeiaFaltaGolden = false;
    luta.v.VMais();
    EXPECT_EQ(luta.v.Faltas[2], 1);
    EXPECT_TRUE(luta.v.MeiaFalta[2]) << "a full step leaves the half penalty alone";
    luta.v.RoundAtual = 1;
    luta.v.MeiaFaltaGolden = true;
    luta.v.VMenos();
    EXPECT_EQ(luta.v.Faltas[2], 0) << "regular rounds always take full steps under the 2017 rules";
    luta.v.VMenos();
    EXPECT_EQ(luta.v.Faltas[2], 0);
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Falta Vermelho (Vermelho)"));
}

TEST(Pontos, GoNegativeAndSaturateAtTheSixteenBitBounds) {
    Luta luta;
    luta.v.PontoVMenos();
    EXPECT_EQ(luta.v.PontosMarcados[2], -1);
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"));
    luta.v.PontosMarcados[2] = INT16_MIN;
    luta.v.PontoVMenos();
    EXPECT_EQ(luta.v.PontosMarcados[2], INT16_MIN);
    luta.v.PontosMarcados[1] = INT16_MAX;
    luta.v.PontoAMais();
    EXPECT_EQ(luta.v.PontosMarcados[1], INT16_MAX);
    luta.v.Faltas[2] = 5;
    luta.v.AtualizaTela();
    EXPECT_EQ(luta.v.tela.L_Pontos[1].Caption, "32767") << "the shown score saturates too";
}

TEST(Atualiza, MarkersLegendClockAndSummary) {
    Luta luta;
    Vantor& v = luta.v;
    v.Faltas[1] = 3;
    v.MeiaFalta[1] = true;
    v.Faltas[2] = 10;
    v.MeiaFalta[2] = true;
    v.RoundAtual = 2;  // golden round, so ten penalties decide nothing
    v.Pontos3 = 0;
    v.TempoRestante = 5;
    v.AtualizaTela();
    for (int i = 1; i <= 10; ++i) {
        const auto esperado = i <= 3 ? RGB(255, 0, 0) : i == 4 ? RGB(255, 255, 0) : RGB(255, 255, 255);
        EXPECT_EQ(v.tela.F1[static_cast<size_t>(i)].FillColor, esperado) << i;
        EXPECT_EQ(v.tela.F2[static_cast<size_t>(i)].FillColor, RGB(255, 0, 0)) << i;
    }
    EXPECT_FALSE(v.tela.Label1[4].Visible);
    EXPECT_FALSE(v.tela.Label1[5].Visible);
    for (int k = 1; k <= 18; ++k)
        EXPECT_EQ(v.tela.S_Botao[static_cast<size_t>(k)].Visible, !(k % 9 == 7 || k % 9 == 8 || k % 9 == 0)) << k;
    EXPECT_EQ(v.tela.L_Tempo.Caption, "0:05");
    v.TempoRestante = 600;
    v.Tempo = 120;
    v.Intervalo = 60;
    v.Rounds = 3;
    v.RoundAtual = 1;
    v.Faltas = {0, 0, 0};
    v.Nome[1] = "Silva";
    v.L2[1] = "";
    v.AtualizaTela();
    EXPECT_EQ(v.tela.L_Tempo.Caption, "10:00");
    EXPECT_EQ(v.tela.L_Config.Caption, "3 Round(s), 2:00. Intervalo: 60. Árbitros: 3");
    EXPECT_EQ(v.tela.L_Nome[1].Caption, "Silva\r\n");
    EXPECT_EQ(v.tela.L_Round.BackColor, RGB(224, 224, 224));
    v.MostraConfig = false;
    v.Rounds = 5;
    v.AtualizaTela();
    EXPECT_EQ(v.tela.L_Config.Caption, "3 Round(s), 2:00. Intervalo: 60. Árbitros: 3") << "kept while hidden";
    EXPECT_FALSE(v.tela.L_Config.Visible);
}

// One row per case: the record's state before a refresh, and what the rules must find.
struct Caso {
    const char* nome;
    int16_t regra, rounds, round, limite, diferenca;
    bool emGolden;
    int16_t pontosAzul, pontosVermelho, faltasAzul, faltasVermelho;
    int vencedor;  // 0 none, 1 blue, 2 red, 3 tie
};

class Vitoria : public ::testing::TestWithParam<Caso> {};

TEST_P(Vitoria, DecidesAsTheRuleSystemSays) {
    const Caso& c = GetParam();
    Luta luta;
    Vantor& v = luta.v;
    v.Regra = c.regra;
    v.Rounds = c.rounds;
    v.RoundAtual = c.round;
    v.Limite = c.limite;
    v.Diferenca = c.diferenca;
    v.EmGolden = c.emGolden;
    v.PontosMarcados = {0, c.pontosAzul, c.pontosVermelho};
    v.Faltas = {0, c.faltasAzul, c.faltasVermelho};
    v.AtualizaTela();
    const char* mensagens[4] = {"[ENTER] Início", "AZUL", "VERMELHO", "Empate"};
    EXPECT_EQ(v.LutaDecidida, c.vencedor != 0);
    EXPECT_EQ(v.tela.L_Msg.Caption, mensagens[c.vencedor]);
    EXPECT_EQ(luta.plat.sons.size(), c.vencedor ? 1u : 0u);
    EXPECT_EQ(v.Pausado, c.vencedor != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Regras, Vitoria,
    ::testing::Values(
        Caso{"Rules2017DifferenceOnlyInLastRound", 2, 3, 2, 99, 20, false, 25, 3, 0, 0, 0},
        Caso{"Rules2017DifferenceInLastRound", 2, 3, 3, 99, 20, false, 25, 3, 0, 0, 1},
        Caso{"LimitCountsPenalties", 1, 1, 1, 10, 99, false, 8, 0, 0, 2, 1},
        Caso{"OldRulesGapOfTwelveIsNotEnough", 0, 3, 3, 99, 99, false, 20, 8, 0, 0, 0},
        Caso{"OldRulesGapOfThirteen", 0, 3, 3, 99, 99, false, 21, 8, 0, 0, 1},
        Caso{"OldRulesNotBeforeRoundThree", 0, 3, 2, 99, 99, false, 30, 0, 0, 0, 0},
        Caso{"OldRulesGapIgnoresPenalties", 0, 3, 3, 99, 99, false, 15, 5, 0, 5, 0},
        Caso{"OldRulesRedGap", 0, 5, 4, 99, 99, false, 0, 13, 0, 0, 2},
        Caso{"TenPenaltiesLoseUnderOldRules", 0, 3, 1, 99, 99, false, 0, 0, 10, 0, 2},
        Caso{"TenPenaltiesLoseUnderLimitRules", 1, 3, 1, 99, 99, false, 0, 0, 10, 0, 2},
        Caso{"BothAtTenGivesBlue", 2, 3, 1, 99, 99, false, 0, 0, 10, 10, 1},
        Caso{"PenaltyLimitButLeadingByDifference", 1, 3, 1, 99, 5, false, 20, 0, 10, 0, 1},
        Caso{"BothReachTheLimitGivesRed", 1, 3, 1, 5, 99, false, 5, 5, 0, 0, 2},
        Caso{"GoldenLeadOfOneUnder2017", 2, 1, 2, 99, 99, true, 1, 0, 0, 0, 0},
        Caso{"GoldenLeadOfTwoUnder2017", 2, 1, 2, 99, 99, true, 2, 0, 0, 0, 1},
        Caso{"GoldenLeadOfOneUnderOldRules", 0, 1, 2, 99, 99, true, 1, 0, 0, 0, 1},
        Caso{"GoldenNotBegunAnyLeadWins", 2, 1, 2, 99, 99, false, 7, 6, 0, 0, 1},
        Caso{"GoldenIgnoresPenaltyLimit", 2, 1, 2, 99, 99, true, 0, 0, 10, 10, 0},
        Caso{"AfterGoldenEqualIsATie", 2, 1, 3, 99, 99, true, 4, 4, 0, 0, 3},
        Caso{"AfterGoldenAnyLeadWins", 2, 1, 3, 99, 99, true, 1, 0, 0, 0, 1},
        Caso{"AfterGoldenRedByPenalty", 1, 1, 3, 99, 99, true, 0, 0, 1, 0, 2}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(Relogio, GoldenRoundLengthDependsOnTheRules) {
    struct {
        int16_t regra, tempo, esperado;
    } casos[] = {{2, 120, 60}, {0, 120, 120}, {1, 120, 120}, {2, 45, 45}};
    for (const auto& c : casos) {
        Luta luta;
        luta.Configura({.Tempo = c.tempo, .Intervalo = 1, .Regra = c.regra});
        luta.Tecla(tecla::Enter);
        luta.Tick(c.tempo + 1);
        EXPECT_EQ(luta.v.RoundAtual, 2);
        EXPECT_EQ(luta.v.TempoRestante, c.esperado) << "rules " << c.regra << " round " << c.tempo;
    }
}

TEST(Relogio, IntervalOfZeroGivesOneTickAndANegativeOneGivesNone) {
    Luta zero;
    zero.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = 0});
    zero.Tecla(tecla::Enter);
    zero.Tick(2);
    EXPECT_EQ(zero.v.tela.L_Minuto.Caption, "00");
    EXPECT_FALSE(zero.v.Pausado);
    zero.Tick(1);
    EXPECT_TRUE(zero.v.Pausado);

    Luta negativo;
    negativo.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = -1});
    negativo.Tecla(tecla::Enter);
    negativo.Tick(3);
    EXPECT_FALSE(negativo.v.Pausado);
    EXPECT_EQ(negativo.v.RoundAtual, 2);
    EXPECT_EQ(negativo.v.TempoRestante, 0) << "the next round runs at once";
}

TEST(Relogio, TicksBeforeTheStartChangeNothing) {
    Luta luta;
    luta.v.tela.L_Tempo.Caption = "x";  // a refresh would overwrite it
    luta.Tick(5);
    EXPECT_EQ(luta.v.TempoRestante, 60);
    EXPECT_EQ(luta.v.tela.L_Tempo.Caption, "x");
    EXPECT_EQ(luta.Log().size(), 1u);
}

}  // namespace
}  // namespace vantor::teste
