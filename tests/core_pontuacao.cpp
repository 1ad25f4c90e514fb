// Points, penalties, the refresh, the clock's rounds and the victory rules, state by state: the one place for
// the rules' boundaries.
#include <gtest/gtest.h>

#include "luta.h"

namespace vantor::teste {
namespace {

TEST(Penalidades, FullAndHalfStepsByRuleRoundAndSettingAndPointsSaturate) {
    constexpr int A = regra::WtfAntiga, N = regra::Wtf2017, L = regra::LimiteDiferenca;
    const struct {  // rule, round, half in the golden round, + or -; red's penalties before and after; log step
        int regra, round, meiaGolden, mais, faltas, meia, depois, meiaDepois;
        const char* passo;
    } casos[] = {
        {A, 1, 0, 1, 0, 0, 0, 1, "+1/2"},  {A, 1, 0, 1, 0, 1, 1, 0, "+1/2"},   {A, 1, 0, 0, 1, 0, 0, 1, "-1/2"},
        {A, 1, 0, 0, 0, 1, 0, 0, "-1/2"},  {A, 1, 0, 0, 0, 0, 0, 0, "-1/2"},    // at zero it still writes its line
        {A, 1, 0, 1, 9, 1, 10, 0, "+1/2"}, {A, 1, 0, 1, 10, 0, 10, 0, "+1/2"},  // no half penalty beyond the limit
        {N, 2, 1, 1, 0, 0, 0, 1, "+1/2"},  {N, 2, 0, 1, 0, 1, 1, 1, "+1"},      // golden round: half steps if so set
        {N, 1, 1, 0, 1, 1, 0, 1, "-1"},    {N, 1, 0, 0, 0, 0, 0, 0, "-1"},     {L, 1, 0, 1, 9, 0, 10, 0, "+1"},
        {N, 1, 0, 1, 10, 0, 10, 0, "+1"},
    };
    for (const auto& c : casos) {
        Luta luta;
        Cena(luta.v, [&](Ajustes& a) { a.Regra = static_cast<int16_t>(c.regra), a.MeiaFaltaGolden = c.meiaGolden; });
        Cena(luta.v, [&](EstadoLuta& l) {
            l.RoundAtual = static_cast<int16_t>(c.round), l.Faltas[Vermelho] = static_cast<int16_t>(c.faltas);
            l.MeiaFalta[Vermelho] = c.meia;
        });
        c.mais ? luta.v.VMais() : luta.v.VMenos();
        const EstadoLuta& l = luta.v.Luta();
        EXPECT_EQ(std::make_tuple(l.Faltas[Vermelho], l.MeiaFalta[Vermelho], l.Faltas[Azul]),
                  std::make_tuple(c.depois, c.meiaDepois == 1, 0))
            << "row " << &c - casos;
        EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round " + std::to_string(c.round) + ", Faltando 60s, " +
                                                             c.passo + " Falta Vermelho (Vermelho)"))
            << "row " << &c - casos;
    }
    Luta luta;
    luta.v.PontoVMenos();
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"));
    Cena(luta.v, [](EstadoLuta& l) { l.PontosMarcados = {0, INT16_MAX, INT16_MIN}, l.Faltas[Vermelho] = 5; });
    luta.v.PontoVMenos();
    luta.v.PontoAMais();
    EXPECT_EQ(luta.v.Luta().PontosMarcados, (std::array<int16_t, 3>{0, INT16_MAX, INT16_MIN}));
    EXPECT_EQ(luta.v.tela().L_Pontos[Azul].Caption, "32767") << "the shown score saturates too";
}

TEST(Atualiza, MarkersLegendClockAndSummary) {
    Luta luta;
    const Form1Controles& t = luta.v.tela();
    Cena(luta.v, [](Ajustes& a) { a.Pontos3 = 0; });
    // Golden round, so ten penalties decide nothing.
    Cena(luta.v, [](EstadoLuta& l) {
        l.Faltas = {0, 3, 10}, l.MeiaFalta = {false, true, true}, l.RoundAtual = 2, l.TempoRestante = 5;
    });
    for (size_t i = 1; i <= 10; ++i) {
        EXPECT_EQ(t.F1[i].FillColor, i <= 3 ? cor::Vermelho : i == 4 ? cor::Amarelo : cor::Branco) << i;
        EXPECT_TRUE(t.F2[i].Visible && t.F2[i].FillColor == cor::Vermelho) << i;
    }
    EXPECT_FALSE(t.Label1[4].Visible || t.Label1[5].Visible);
    for (size_t k = 1; k <= 18; ++k) EXPECT_EQ(t.S_Botao[k].Visible, k % 9 != 7 && k % 9 != 8 && k % 9 != 0) << k;
    EXPECT_EQ(std::make_tuple(t.L_Tempo.Caption, t.L_Round.Caption, t.L_Round.BackColor),
              std::make_tuple("0:05", "2", cor::LaranjaClaro));
    Cena(luta.v, [](Ajustes& a) { a.Tempo = 120, a.Intervalo = 60, a.Rounds = 3; });
    Cena(luta.v, [](EstadoLuta& l) { l.TempoRestante = 600, l.RoundAtual = 1; });
    EXPECT_EQ(std::make_tuple(t.L_Tempo.Caption, t.L_Round.BackColor), std::make_tuple("10:00", cor::CinzaClaro));
    Cena(luta.v, [](Ajustes& a) { a.Rounds = 5; });
    Cena(luta.v, [](EstadoLuta& l) { l.MostraConfig = false; });
    EXPECT_EQ(t.L_Config.Caption, "3 Round(s), 2:00. Intervalo: 60. Árbitros: 3") << "kept while hidden";
    EXPECT_FALSE(t.L_Config.Visible);
}

TEST(Vitoria, DecidesAsTheRuleSystemSays) {
    const struct {  // rule, rounds, round, point limit, difference, in the golden round; blue's and red's points
        int16_t regra, rounds, round, limite, diferenca, emGolden, pontosAzul, pontosVermelho;
        int16_t faltasAzul, faltasVermelho, vencedor;  // penalties; the winner: 0 none, 1 blue, 2 red, 3 tie
    } casos[] = {
        // 2017: the difference counts in the last round only, not one short, with the penalties
        {2, 3, 2, 99, 20, 0, 25, 3, 0, 0, 0},
        {2, 3, 3, 99, 20, 0, 23, 3, 0, 0, 1},
        {2, 3, 3, 99, 20, 0, 3, 22, 0, 0, 0},
        {2, 1, 1, 99, 3, 0, 0, 1, 2, 0, 2},
        // limit and difference: the penalties count toward the limit; each one reached and one short
        {1, 1, 1, 10, 99, 0, 8, 0, 0, 2, 1},
        {1, 1, 1, 10, 99, 0, 9, 0, 0, 0, 0},
        {1, 1, 1, 99, 3, 0, 1, 4, 0, 0, 2},
        {1, 1, 1, 99, 3, 0, 3, 1, 0, 0, 0},
        // old rules: a gap of 13 from round 3, either corner, without the penalties
        {0, 3, 3, 99, 99, 0, 20, 8, 0, 0, 0},
        {0, 3, 3, 99, 99, 0, 21, 8, 0, 0, 1},
        {0, 3, 2, 99, 99, 0, 30, 0, 0, 0, 0},
        {0, 3, 3, 99, 99, 0, 15, 5, 0, 5, 0},
        {0, 3, 3, 99, 99, 0, 0, 13, 0, 0, 2},
        // ten penalties lose under every rule, nine do not; both at ten: blue; the difference beats them
        {2, 3, 1, 99, 99, 0, 0, 0, 9, 0, 0},
        {0, 3, 1, 99, 99, 0, 0, 0, 10, 0, 2},
        {1, 3, 1, 99, 99, 0, 0, 0, 0, 10, 1},
        {2, 3, 1, 99, 99, 0, 0, 0, 10, 10, 1},
        {1, 3, 1, 99, 5, 0, 20, 0, 10, 0, 1},
        {1, 3, 1, 5, 5, 0, 5, 5, 0, 0, 2},
        // golden round: a lead of two under the newer rules, one under the old, any before it begins, no limit
        {2, 1, 2, 99, 99, 1, 1, 0, 0, 0, 0},
        {1, 1, 2, 99, 99, 1, 0, 1, 0, 0, 0},
        {2, 1, 2, 99, 99, 1, 2, 0, 0, 0, 1},
        {0, 1, 2, 99, 99, 1, 0, 1, 0, 0, 2},
        {2, 1, 2, 99, 99, 0, 7, 6, 0, 0, 1},
        {2, 1, 2, 99, 99, 1, 0, 0, 10, 10, 0},
        // after it: equal is a tie, any lead wins, a penalty too
        {2, 1, 3, 99, 99, 1, 4, 4, 0, 0, 3},
        {2, 1, 3, 99, 99, 1, 1, 0, 0, 0, 1},
        {1, 1, 3, 99, 99, 1, 0, 0, 1, 0, 2},
    };
    for (const auto& c : casos) {
        Luta luta;
        Cena(luta.v, [&](Ajustes& a) {
            a.Regra = c.regra, a.Rounds = c.rounds, a.Limite = c.limite, a.Diferenca = c.diferenca;
        });
        Cena(luta.v, [&](EstadoLuta& l) {
            l.RoundAtual = c.round, l.EmGolden = c.emGolden;
            l.PontosMarcados = {0, c.pontosAzul, c.pontosVermelho}, l.Faltas = {0, c.faltasAzul, c.faltasVermelho};
        });
        const char* mensagens[4] = {"[ENTER] Início", "AZUL", "VERMELHO", "Empate"};
        EXPECT_EQ(luta.v.tela().L_Msg.Caption, mensagens[c.vencedor]) << "row " << &c - casos;
        EXPECT_EQ(luta.v.Luta().LutaDecidida && luta.v.Luta().Pausado, c.vencedor != 0) << "row " << &c - casos;
        EXPECT_EQ(luta.plat.sons, std::vector<std::string>(c.vencedor ? 1 : 0, "sino.wav")) << "row " << &c - casos;
    }
}

TEST(Relogio, GoldenRoundLengthAndRestsOfZeroAndLess) {
    const struct {
        int16_t regra, rounds, tempo, seguinte;  // the next round's length
    } casos[] = {{2, 1, 120, 60}, {2, 2, 120, 120}, {0, 1, 120, 120}, {1, 1, 120, 120}, {2, 1, 45, 45}};
    for (const auto& c : casos) {
        Luta luta;
        luta.Configura({.Rounds = c.rounds, .Tempo = c.tempo, .Intervalo = 1, .Regra = c.regra});
        luta.Tecla(tecla::Enter);
        luta.Tick(c.tempo + 1);
        EXPECT_EQ(luta.v.Luta().RoundAtual, 2);
        EXPECT_EQ(luta.v.Luta().TempoRestante, c.seguinte) << "rules " << c.regra << ", " << c.rounds << "x" << c.tempo;
    }
    Luta zero, negativo;
    zero.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = 0});
    negativo.Configura({.Rounds = 2, .Tempo = 1, .Intervalo = -1});
    for (Luta* l : {&zero, &negativo}) l->Tecla(tecla::Enter), l->Tick(2);
    EXPECT_EQ(zero.v.tela().L_Minuto.Caption, "00") << "a rest of zero shows one tick";
    EXPECT_FALSE(zero.v.Luta().Pausado);
    zero.Tick(1);
    negativo.Tick(1);
    EXPECT_TRUE(zero.v.Luta().Pausado);
    EXPECT_EQ(std::make_tuple(negativo.v.Luta().Pausado, negativo.v.Luta().RoundAtual, negativo.v.Luta().TempoRestante),
              std::make_tuple(false, 2, 0))
        << "no rest: the next round runs at once";
}

}  // namespace
}  // namespace vantor::teste
