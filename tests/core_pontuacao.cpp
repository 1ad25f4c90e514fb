// Points, penalties, the refresh, the clock's rounds and the victory rules, state by state: the one place for
// the rules' boundaries.
#include <gtest/gtest.h>

#include "luta.h"

namespace vantor::teste {
namespace {

TEST(Penalidades, FullAndHalfStepsByRuleRoundAndSetting) {
    const struct {  // rule, round, half in the golden round, + or -, red's penalties before and after, log step
        int16_t regra, round;
        bool meiaGolden, mais;
        int16_t faltas;
        bool meia;
        int16_t depois;
        bool meiaDepois;
        const char* passo;
    } casos[] = {
        {regra::WtfAntiga, 1, false, true, 0, false, 0, true, "+1/2"},
        {regra::WtfAntiga, 1, false, true, 0, true, 1, false, "+1/2"},
        {regra::WtfAntiga, 1, false, false, 1, false, 0, true, "-1/2"},
        {regra::WtfAntiga, 1, false, false, 0, true, 0, false, "-1/2"},
        {regra::WtfAntiga, 1, false, false, 0, false, 0, false, "-1/2"},  // at zero it still writes its line
        {regra::WtfAntiga, 1, false, true, 9, true, 10, false, "+1/2"},
        {regra::WtfAntiga, 1, false, true, 10, false, 10, false, "+1/2"},  // no half penalty beyond the limit
        {regra::Wtf2017, 2, true, true, 0, false, 0, true, "+1/2"},        // golden round, half when configured
        {regra::Wtf2017, 2, false, true, 0, true, 1, true, "+1"},          // a full step leaves the half alone
        {regra::Wtf2017, 1, true, false, 1, true, 0, true, "-1"},          // regular rounds take full steps
        {regra::Wtf2017, 1, false, false, 0, false, 0, false, "-1"},
        {regra::LimiteDiferenca, 1, false, true, 9, false, 10, false, "+1"},
        {regra::Wtf2017, 1, false, true, 10, false, 10, false, "+1"},
    };
    for (const auto& c : casos) {
        Luta luta;
        Cena(luta.v, [&](Ajustes& a) { a.Regra = c.regra, a.MeiaFaltaGolden = c.meiaGolden; });
        Cena(luta.v, [&](EstadoLuta& l) { l.RoundAtual = c.round, l.Faltas[Vermelho] = c.faltas, l.MeiaFalta[Vermelho] = c.meia; });
        c.mais ? luta.v.VMais() : luta.v.VMenos();
        const std::string caso = "rule " + std::to_string(c.regra) + " round " + std::to_string(c.round) +
                                 (c.mais ? " +" : " -") + " from " + std::to_string(c.faltas) + (c.meia ? ".5" : "");
        EXPECT_EQ(luta.v.Luta().Faltas[Vermelho], c.depois) << caso;
        EXPECT_EQ(luta.v.Luta().MeiaFalta[Vermelho], c.meiaDepois) << caso;
        EXPECT_EQ(luta.v.Luta().Faltas[Azul], 0) << caso;
        EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round " + std::to_string(c.round) + ", Faltando 60s, " +
                                                             c.passo + " Falta Vermelho (Vermelho)")) << caso;
    }
}

TEST(Pontos, GoNegativeAndSaturateAtTheSixteenBitBounds) {
    Luta luta;
    luta.v.PontoVMenos();
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], -1);
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"));
    Cena(luta.v, [](EstadoLuta& l) { l.PontosMarcados = {0, INT16_MAX, INT16_MIN}, l.Faltas[Vermelho] = 5; });
    luta.v.PontoVMenos();
    luta.v.PontoAMais();
    EXPECT_EQ(luta.v.Luta().PontosMarcados, (std::array<int16_t, 3>{0, INT16_MAX, INT16_MIN}));
    EXPECT_EQ(luta.v.tela().L_Pontos[Azul].Caption, "32767") << "the shown score saturates too";
}

TEST(Atualiza, MarkersLegendClockAndSummary) {
    Luta luta;
    Vantor& v = luta.v;
    Cena(v, [](Ajustes& a) { a.Pontos3 = 0; });
    // Golden round, so ten penalties decide nothing.
    Cena(v, [](EstadoLuta& l) { l.Faltas = {0, 3, 10}, l.MeiaFalta = {false, true, true}, l.RoundAtual = 2, l.TempoRestante = 5; });
    for (size_t i = 1; i <= 10; ++i) {
        EXPECT_EQ(v.tela().F1[i].FillColor, i <= 3 ? cor::Vermelho : i == 4 ? cor::Amarelo : cor::Branco) << i;
        EXPECT_EQ(v.tela().F2[i].FillColor, cor::Vermelho) << i;
    }
    EXPECT_FALSE(v.tela().Label1[4].Visible || v.tela().Label1[5].Visible);
    for (size_t k = 1; k <= 18; ++k) EXPECT_EQ(v.tela().S_Botao[k].Visible, k % 9 != 7 && k % 9 != 8 && k % 9 != 0) << k;
    EXPECT_EQ(v.tela().L_Tempo.Caption, "0:05");
    EXPECT_EQ(v.tela().L_Round.BackColor, cor::LaranjaClaro);
    Cena(v, [](Ajustes& a) { a.Tempo = 120, a.Intervalo = 60, a.Rounds = 3, a.Nome[Azul] = "Silva"; });
    Cena(v, [](EstadoLuta& l) { l.TempoRestante = 600, l.RoundAtual = 1, l.Faltas = {}; });
    EXPECT_EQ(v.tela().L_Tempo.Caption, "10:00");
    EXPECT_EQ(v.tela().L_Config.Caption, "3 Round(s), 2:00. Intervalo: 60. Árbitros: 3");
    EXPECT_EQ(v.tela().L_Nome[Azul].Caption, "Silva\r\n");
    EXPECT_EQ(v.tela().L_Round.BackColor, cor::CinzaClaro);
    Cena(v, [](Ajustes& a) { a.Rounds = 5; });
    Cena(v, [](EstadoLuta& l) { l.MostraConfig = false; });
    EXPECT_EQ(v.tela().L_Config.Caption, "3 Round(s), 2:00. Intervalo: 60. Árbitros: 3") << "kept while hidden";
    EXPECT_FALSE(v.tela().L_Config.Visible);
}

// One row per case: the state before a refresh, and what the rules must find.
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
    Cena(luta.v, [&](Ajustes& a) { a.Regra = c.regra, a.Rounds = c.rounds, a.Limite = c.limite, a.Diferenca = c.diferenca; });
    Cena(luta.v, [&](EstadoLuta& l) {
        l.RoundAtual = c.round, l.EmGolden = c.emGolden;
        l.PontosMarcados = {0, c.pontosAzul, c.pontosVermelho}, l.Faltas = {0, c.faltasAzul, c.faltasVermelho};
    });
    const char* mensagens[4] = {"[ENTER] Início", "AZUL", "VERMELHO", "Empate"};
    EXPECT_EQ(luta.v.Luta().LutaDecidida, c.vencedor != 0);
    EXPECT_EQ(luta.v.Luta().Pausado, c.vencedor != 0);
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, mensagens[c.vencedor]);
    EXPECT_EQ(luta.plat.sons, std::vector<std::string>(c.vencedor ? 1 : 0, "sino.wav"));
}

INSTANTIATE_TEST_SUITE_P(
    Regras, Vitoria,
    ::testing::Values(
        Caso{"Rules2017DifferenceOnlyInLastRound", 2, 3, 2, 99, 20, false, 25, 3, 0, 0, 0},
        Caso{"Rules2017DifferenceReachedInLastRound", 2, 3, 3, 99, 20, false, 23, 3, 0, 0, 1},
        Caso{"Rules2017DifferenceShortByOne", 2, 3, 3, 99, 20, false, 3, 22, 0, 0, 0},
        Caso{"Rules2017DifferenceCountsPenalties", 2, 1, 1, 99, 3, false, 0, 1, 2, 0, 2},
        Caso{"LimitCountsPenalties", 1, 1, 1, 10, 99, false, 8, 0, 0, 2, 1},
        Caso{"LimitNotReached", 1, 1, 1, 10, 99, false, 9, 0, 0, 0, 0},
        Caso{"DifferenceReached", 1, 1, 1, 99, 3, false, 1, 4, 0, 0, 2},
        Caso{"DifferenceShortByOne", 1, 1, 1, 99, 3, false, 3, 1, 0, 0, 0},
        Caso{"OldRulesGapOfTwelveIsNotEnough", 0, 3, 3, 99, 99, false, 20, 8, 0, 0, 0},
        Caso{"OldRulesGapOfThirteen", 0, 3, 3, 99, 99, false, 21, 8, 0, 0, 1},
        Caso{"OldRulesNotBeforeRoundThree", 0, 3, 2, 99, 99, false, 30, 0, 0, 0, 0},
        Caso{"OldRulesGapIgnoresPenalties", 0, 3, 3, 99, 99, false, 15, 5, 0, 5, 0},
        Caso{"OldRulesRedGap", 0, 5, 4, 99, 99, false, 0, 13, 0, 0, 2},
        Caso{"NinePenaltiesDecideNothing", 2, 3, 1, 99, 99, false, 0, 0, 9, 0, 0},
        Caso{"TenPenaltiesLoseUnderOldRules", 0, 3, 1, 99, 99, false, 0, 0, 10, 0, 2},
        Caso{"TenPenaltiesLoseUnderLimitRules", 1, 3, 1, 99, 99, false, 0, 0, 0, 10, 1},
        Caso{"BothAtTenGivesBlue", 2, 3, 1, 99, 99, false, 0, 0, 10, 10, 1},
        Caso{"PenaltyLimitButLeadingByDifference", 1, 3, 1, 99, 5, false, 20, 0, 10, 0, 1},
        Caso{"BothReachTheLimitGivesRed", 1, 3, 1, 5, 99, false, 5, 5, 0, 0, 2},
        Caso{"GoldenLeadOfOneUnder2017", 2, 1, 2, 99, 99, true, 1, 0, 0, 0, 0},
        Caso{"GoldenLeadOfOneUnderLimitRules", 1, 1, 2, 99, 99, true, 0, 1, 0, 0, 0},
        Caso{"GoldenLeadOfTwoUnder2017", 2, 1, 2, 99, 99, true, 2, 0, 0, 0, 1},
        Caso{"GoldenLeadOfOneUnderOldRules", 0, 1, 2, 99, 99, true, 0, 1, 0, 0, 2},
        Caso{"GoldenNotBegunAnyLeadWins", 2, 1, 2, 99, 99, false, 7, 6, 0, 0, 1},
        Caso{"GoldenIgnoresPenaltyLimit", 2, 1, 2, 99, 99, true, 0, 0, 10, 10, 0},
        Caso{"AfterGoldenEqualIsATie", 2, 1, 3, 99, 99, true, 4, 4, 0, 0, 3},
        Caso{"AfterGoldenAnyLeadWins", 2, 1, 3, 99, 99, true, 1, 0, 0, 0, 1},
        Caso{"AfterGoldenRedByPenalty", 1, 1, 3, 99, 99, true, 0, 0, 1, 0, 2}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(Relogio, GoldenRoundLengthAndRestsOfZeroAndLess) {
    const struct {
        int16_t regra, tempo, golden;
    } casos[] = {{2, 120, 60}, {0, 120, 120}, {1, 120, 120}, {2, 45, 45}};
    for (const auto& c : casos) {
        Luta luta;
        luta.Configura({.Tempo = c.tempo, .Intervalo = 1, .Regra = c.regra});
        luta.Tecla(tecla::Enter);
        luta.Tick(c.tempo + 1);
        EXPECT_EQ(luta.v.Luta().RoundAtual, 2);
        EXPECT_EQ(luta.v.Luta().TempoRestante, c.golden) << "rules " << c.regra << " round " << c.tempo;
    }
    Luta zero, negativo;
    zero.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = 0});
    negativo.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = -1});
    for (Luta* l : {&zero, &negativo}) {
        l->Tecla(tecla::Enter);
        l->Tick(2);
    }
    EXPECT_EQ(zero.v.tela().L_Minuto.Caption, "00") << "a rest of zero shows one tick";
    EXPECT_FALSE(zero.v.Luta().Pausado);
    zero.Tick(1);
    EXPECT_TRUE(zero.v.Luta().Pausado);
    negativo.Tick(1);
    EXPECT_FALSE(negativo.v.Luta().Pausado);
    EXPECT_EQ(negativo.v.Luta().RoundAtual, 2);
    EXPECT_EQ(negativo.v.Luta().TempoRestante, 0) << "no rest: the next round runs at once";
}

TEST(Relogio, TicksBeforeTheStartChangeNothing) {
    Luta luta;
    const EstadoLuta antes = luta.v.Luta();
    luta.Tick(5);
    EXPECT_TRUE(luta.v.Luta() == antes);
    EXPECT_EQ(luta.Log().size(), 1u);
}

}  // namespace
}  // namespace vantor::teste
