// Points, penalties, the clock's rounds and the victory rules, state by state: the one place for the rules'
// boundaries. That the board shows the record at every moment is checked by the fuzz target "sessao".
#include <gtest/gtest.h>

#include <sstream>

#include "luta.h"

namespace vantor::teste {
namespace {

// The cases are in tests/casos/penalidades.txt.
TEST(Penalidades, FullAndHalfStepsByRuleRoundAndSettingAndPointsSaturate) {
    for (const std::string& linha : Casos("penalidades.txt")) {
        std::istringstream in(linha);
        int16_t regra = 0, round = 0, meiaGolden = 0, mais = 0, faltas = 0, meia = 0, depois = 0, meiaDepois = 0;
        std::string passo;
        in >> regra >> round >> meiaGolden >> mais >> faltas >> meia >> depois >> meiaDepois >> passo;
        Luta luta;
        Cena(luta.v, [&](Ajustes& a) { a.Regra = regra, a.MeiaFaltaGolden = meiaGolden == 1; });
        Cena(luta.v,
             [&](EstadoLuta& l) { l.RoundAtual = round, l.Faltas[Vermelho] = faltas, l.MeiaFalta[Vermelho] = meia; });
        mais ? luta.v.VMais() : luta.v.VMenos();
        const EstadoLuta& l = luta.v.Luta();
        EXPECT_EQ(std::make_tuple(l.Faltas[Vermelho], l.MeiaFalta[Vermelho], l.Faltas[Azul]),
                  std::make_tuple(depois, meiaDepois == 1, 0))
            << linha;
        EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round " + std::to_string(round) + ", Faltando 60s, " + passo +
                                                             " Falta Vermelho (Vermelho)"))
            << linha;
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

// The cases are in tests/casos/vitoria.txt.
TEST(Vitoria, DecidesAsTheRuleSystemSays) {
    const char* mensagens[4] = {"[ENTER] Início", "AZUL", "VERMELHO", "Empate"};
    for (const auto& c : TabelaCasos("vitoria.txt")) {
        ASSERT_EQ(c.size(), 11u);
        const auto n = [&c](size_t i) { return static_cast<int16_t>(c[i]); };
        Luta luta;
        Cena(luta.v, [&](Ajustes& a) { a.Regra = n(0), a.Rounds = n(1), a.Limite = n(3), a.Diferenca = n(4); });
        Cena(luta.v, [&](EstadoLuta& l) {
            l.RoundAtual = n(2), l.EmGolden = c[5] != 0, l.PontosMarcados = {0, n(6), n(7)}, l.Faltas = {0, n(8), n(9)};
        });
        const std::string linha = "case " + testing::PrintToString(c);
        EXPECT_EQ(luta.v.tela().L_Msg.Caption, mensagens[c[10]]) << linha;
        EXPECT_EQ(luta.v.Luta().LutaDecidida && luta.v.Luta().Pausado, c[10] != 0) << linha;
        EXPECT_EQ(luta.plat.sons, std::vector<std::string>(c[10] ? 1 : 0, "sino.wav")) << linha;
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
