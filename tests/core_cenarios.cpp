// Whole fights driven through the handlers only, compared line by line with the fight log: the log's text and
// the flow of rounds, rests, golden rounds, time-outs, results and resets. The rules' boundaries are in
// core_pontuacao.
#include <gtest/gtest.h>

#include "luta.h"

namespace vantor::teste {
namespace {

using Linhas = std::vector<std::string>;

Linhas Ultimas(const Linhas& l, size_t n) { return Linhas(l.end() - static_cast<long>(std::min(n, l.size())), l.end()); }

TEST(Cenario, FightWonOnPointsWhenTheLastRoundRunsOut) {
    Luta luta;
    const std::string primeiro = luta.v.Log().ArquivoLog;
    EXPECT_EQ(primeiro, luta.pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-27.txt");
    luta.plat.Avanca(1000);
    luta.Configura({.Rounds = 2, .Tempo = 3, .Intervalo = 2, .Azul = "Silva", .Vermelho = "Souza"});
    EXPECT_EQ(LinhasDe(primeiro), (Linhas{Luta::L("14:03:27", "Luta zerada"), Luta::L("14:03:28", "Luta zerada")}));
    EXPECT_EQ(luta.v.Log().ArquivoLog, luta.pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-28.txt");
    luta.Teclas({tecla::Enter, tecla::F12});
    luta.Tick(4);  // 0:02, 0:01, 0:00, then the round is over
    EXPECT_EQ(luta.v.tela().L_Minuto.Caption, "02");
    EXPECT_TRUE(luta.v.tela().L_Minuto.Visible);
    luta.Tick(3);  // rest 01, 00, then the pause
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "Pausa");
    luta.Teclas({tecla::Espaco, tecla::F8, tecla::Direita, tecla::F9, tecla::F12});
    EXPECT_EQ(luta.v.tela().L_Pontos[Azul].Caption + ":" + luta.v.tela().L_Pontos[Vermelho].Caption, "3:2");
    luta.Tick(5);  // the last tick: the result stands, so every refresh repeats it
    EXPECT_EQ(luta.Log(),
              (Linhas{
                  Luta::L("14:03:28", "Luta zerada"),
                  Luta::L("14:03:28", "Início da luta: Silva(Azul) X Souza(Vermelho). 2 rounds de 0:03. Intervalo: 2. "
                                      "Árbitros: 3. Round 1, Faltando 3s, "),
                  Luta::L("14:03:28", "Round 1, Faltando 3s, +1 Pontos Azul (Silva)"),
                  Luta::L("14:03:32", "Round 2, Fim do Round"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, Fim do Intervalo"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, Pausa ligada. - Pausa"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, Pausa desligada."),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, +1 Pontos Vermelho (Souza)"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, +1 Pontos Vermelho (Souza)"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, +1 Falta Vermelho (Souza)"),
                  Luta::L("14:03:35", "Round 2, Faltando 3s, +1 Pontos Azul (Silva)"),
                  Luta::L("14:03:39", "Round 3, Fim do Round"),
                  Luta::L("14:03:39", "Round 3, Faltando 3s, Venceu:Azul.Silva"),
                  Luta::L("14:03:39", "Round 3, Faltando 3s, Pausa ligada. - AZUL"),
                  Luta::L("14:03:40", "Round 3, Faltando 3s, Venceu:Azul.Silva"),
                  Luta::L("14:03:40", "Round 3, Faltando 3s, Pausa ligada. - AZUL"),
              }));
    EXPECT_EQ(luta.plat.sons, (Linhas{"gongo.wav", "gongo.wav", "sino.wav"}));
    const Controle& msg = luta.v.tela().L_Msg;
    EXPECT_EQ(std::make_tuple(msg.Caption, msg.BackColor, msg.ForeColor), std::make_tuple("AZUL", cor::Azul, cor::Branco));
    EXPECT_FALSE(luta.v.tela().L_Golden.Visible || luta.v.tela().L_Minuto.Visible);

    const std::string segundo = luta.v.Log().ArquivoLog;
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.plat.perguntas, Linhas{"Zerar a luta?"});
    EXPECT_EQ(LinhasDe(segundo).back(), Luta::L("14:03:40", "Luta zerada"));
    EXPECT_EQ(luta.Log(), Linhas{Luta::L("14:03:40", "Luta zerada")});
    EXPECT_EQ(msg.Caption + " " + luta.v.tela().L_Tempo.Caption + " " + luta.v.tela().L_Pontos[Azul].Caption,
              "[ENTER] Início 0:03 0");
}

TEST(Cenario, GoldenRoundStartsFromNothingAndAGoldenRoundTiedEndsInATie) {
    Luta luta;
    luta.Configura({.Rounds = 1, .Tempo = 2, .Intervalo = 1});
    EXPECT_EQ(luta.Log().size(), 3u) << "resets in the same second share one file";
    luta.Teclas({tecla::Enter, tecla::F12, tecla::F8});
    luta.Tick(3);
    EXPECT_TRUE(luta.v.tela().L_Golden.Visible);
    luta.Tick(2);
    luta.Tecla(tecla::Espaco);  // enters the golden round
    EXPECT_EQ(luta.v.tela().L_Pontos[Azul].Caption + luta.v.tela().L_Pontos[Vermelho].Caption, "00");
    luta.Teclas({tecla::F12, tecla::Esquerda});
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "AZUL");

    luta.Teclas({tecla::Esc, tecla::Enter});
    luta.Tick(5);
    luta.Teclas({tecla::Espaco, tecla::F12, tecla::Espaco, tecla::Espaco});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Azul], 1) << "resuming inside the golden round must not clear it again";
    luta.Tecla(tecla::F11);
    luta.Tick(3);
    EXPECT_EQ(luta.Log(),
              (Linhas{
                  Luta::L("14:03:32", "Luta zerada"),
                  Luta::L("14:03:32", "Início da luta: Azul(Azul) X Vermelho(Vermelho). 1 rounds de 0:02. "
                                      "Intervalo: 1. Árbitros: 3. Round 1, Faltando 2s, "),
                  Luta::L("14:03:35", "Round 2, Fim do Round"),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, Fim do Intervalo"),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, Pausa ligada. - Pausa"),
                  Luta::L("14:03:37", "Entrou no GoldenRound."),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, Pausa desligada."),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, +1 Pontos Azul (Azul)"),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, Pausa ligada. - Pausa"),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, Pausa desligada."),
                  Luta::L("14:03:37", "Round 2, Faltando 2s, -1 Pontos Azul (Azul)"),
                  Luta::L("14:03:40", "Round 3, Fim do Round"),
                  Luta::L("14:03:40", "Empate."),
                  Luta::L("14:03:40", "Round 3, Faltando 2s, Pausa ligada. - Empate"),
              }));
    const Controle& msg = luta.v.tela().L_Msg;
    EXPECT_EQ(std::make_tuple(msg.Caption, msg.BackColor, msg.ForeColor), std::make_tuple("Empate", cor::Ciano, cor::Vermelho));
    EXPECT_EQ(luta.plat.sons, (Linhas{"gongo.wav", "sino.wav", "gongo.wav", "gongo.wav", "sino.wav"}));
}

TEST(Cenario, ACorrectionTakesTheResultAwayAndAResultFoundAgainSoundsAgain) {
    Luta luta;
    luta.Configura({.Regra = regra::LimiteDiferenca, .Limite = 5, .Diferenca = 3});
    luta.Teclas({tecla::Enter, tecla::F12, tecla::F8, tecla::F12, tecla::F8, tecla::F12, tecla::F12, tecla::F8, tecla::F5});
    EXPECT_EQ(luta.v.tela().L_Pontos[Vermelho].Caption, "4") << "a blue penalty is a point for red";
    luta.Teclas({tecla::F12, tecla::F11});  // blue reaches the limit; the correction takes the result away
    EXPECT_FALSE(luta.v.Luta().LutaDecidida);
    luta.Teclas({tecla::F7, tecla::F7, tecla::F6});  // 4:1: a lead of 3
    EXPECT_EQ(Ultimas(luta.Log(), 10),
              (Linhas{
                  Luta::L("14:03:27", "Round 1, Faltando 60s, +1 Falta Azul (Azul)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, +1 Pontos Azul (Azul)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, Venceu:Azul.Azul"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, Pausa ligada. - AZUL"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Azul (Azul)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Falta Azul (Azul)"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, Venceu:Azul.Azul"),
                  Luta::L("14:03:27", "Round 1, Faltando 60s, Pausa ligada. - AZUL"),
              }));
    EXPECT_EQ(luta.plat.sons, (Linhas{"sino.wav", "sino.wav"}));
}

TEST(Cenario, TimeOutHoldsTheClockAPauseCancelsItAndDuringTheRestItWaits) {
    Luta luta;
    luta.plat.Avanca(500);
    luta.Configura({.Rounds = 2, .Tempo = 5, .Intervalo = 2});
    luta.plat.Avanca(500);
    luta.Tecla(tecla::Enter);
    luta.Tick(2);
    luta.Tecla(tecla::Um);
    EXPECT_EQ(luta.v.Janela().Timer_Luta.Restarts, 3u) << "start and time-out each realign the clock";
    luta.Tick(59);
    EXPECT_EQ(luta.v.tela().L_Minuto.Caption, "00");
    EXPECT_TRUE(luta.v.tela().L_Minuto.Visible);
    luta.Tick(2);
    EXPECT_EQ(luta.v.Luta().TempoRestante, 2) << "the round clock stood still, then runs on by itself";
    luta.Tecla(tecla::Um);
    luta.Tick(5);
    luta.Tecla(tecla::Espaco);  // pausing cancels the time-out without its end cue
    luta.Tick(3);
    EXPECT_EQ(luta.v.Luta().TempoRestante, 2);
    EXPECT_EQ(luta.Log().at(2), "06/12/2026 14:03:27,95\tLuta zerada") << "hundredths follow the clock";
    luta.Tecla(tecla::Espaco);
    luta.Tick(3);  // the round runs out: the rest
    luta.Tecla(tecla::Espaco);  // the space bar does nothing during the rest
    luta.Tecla(tecla::Um);
    luta.Tick(1);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, 59) << "the time-out does not count while the rest runs";
    EXPECT_EQ(luta.v.tela().L_Minuto.Caption, "01");
    luta.Tick(2);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, -1) << "the end of the rest cancels it";
    EXPECT_EQ(Ultimas(luta.Log(), 13),
              (Linhas{
                  Luta::L("14:03:28", "Início da luta: Azul(Azul) X Vermelho(Vermelho). 2 rounds de 0:05. "
                                      "Intervalo: 2. Árbitros: 3. Round 1, Faltando 5s, "),
                  Luta::L("14:03:30", "Round 1, Faltando 3s, Pausa desligada."),
                  Luta::L("14:03:30", "Round 1, Faltando 3s, 1 Minuto"),
                  Luta::L("14:04:30", "Round 1, Faltando 3s, Fim do 1 Minuto"),
                  Luta::L("14:04:31", "Round 1, Faltando 2s, Pausa desligada."),
                  Luta::L("14:04:31", "Round 1, Faltando 2s, 1 Minuto"),
                  Luta::L("14:04:36", "Round 1, Faltando 2s, Pausa ligada. - Pausa"),
                  Luta::L("14:04:39", "Round 1, Faltando 2s, Pausa desligada."),
                  Luta::L("14:04:42", "Round 2, Fim do Round"),
                  Luta::L("14:04:42", "Round 2, Faltando 5s, Pausa desligada."),
                  Luta::L("14:04:42", "Round 2, Faltando 5s, 1 Minuto"),
                  Luta::L("14:04:45", "Round 2, Faltando 5s, Fim do Intervalo"),
                  Luta::L("14:04:45", "Round 2, Faltando 5s, Pausa ligada. - Pausa"),
              }));
    EXPECT_EQ(luta.plat.sons, (Linhas{"sparkle.wav", "gongo.wav", "sparkle.wav", "gongo.wav", "sparkle.wav"}));
}

TEST(Cenario, ScoresheetBeforeTheStartPausesAndTheClockWaitsForTheSpaceBar) {
    Luta luta;
    luta.Tecla(tecla::S);
    EXPECT_EQ(luta.plat.editores, Linhas{luta.v.Log().ArquivoLog});
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "Pausa");
    luta.Tecla(tecla::Enter);
    EXPECT_FALSE(luta.v.tela().L_Msg.Visible);
    luta.Tick(3);
    EXPECT_EQ(luta.v.tela().L_Tempo.Caption, "1:00");
    luta.v.L_Tempo_Click();
    luta.Tick(1);
    EXPECT_EQ(luta.v.tela().L_Tempo.Caption, "0:59");
}

class ResetEmCadaLingua : public ::testing::TestWithParam<int16_t> {};

TEST_P(ResetEmCadaLingua, OldFileEndsInTheLanguageNewFileStartsWithTheFixedLine) {
    const int16_t lingua = GetParam();
    Luta luta(lingua);
    luta.Teclas({tecla::Enter, tecla::F12});
    const std::string antigo = luta.v.Log().ArquivoLog;
    luta.plat.respostaOkCancela = false;
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Azul], 1) << "Cancel keeps the fight";
    luta.plat.Avanca(2000);
    luta.plat.respostaOkCancela = true;
    luta.Tecla(tecla::Esc);
    const char* inicio[3] = {
        "Início da luta: Azul(Azul) X Vermelho(Vermelho). 1 rounds de 1:00. Intervalo: 15. Árbitros: 3. "
        "Round 1, Faltando 60s, ",
        "Inicio da luta: Azul(Azul) X Rojo(Rojo). 1 rondas de 1:00. Intervalo: 15. Árbitros: 3. "
        "Ronda 1, Desaparecido 60s, ",
        "Start of combat: Blue(Blue) X Red(Red). 1 rounds of 1:00. Rest Period: 15. Referees: 3. "
        "Round 1, Missing 60s, ",
    };
    const char* ponto[3] = {"Round 1, Faltando 60s, +1 Pontos Azul (Azul)",
                            "Ronda 1, Desaparecido 60s, +1 Punto Azul (Azul)", "Round 1, Missing 60s, +1 Point Blue (Blue)"};
    const char* zerada[3] = {"Luta zerada", "Luta zerada", "Combat reseted"};
    const char* pergunta[3] = {"Zerar a luta?", "Cerrar la pelea?", "Reset?"};
    const char* enter[3] = {"[ENTER] Início", "[ENTER] Inicio", "[ENTER] Start"};
    EXPECT_EQ(LinhasDe(antigo), (Linhas{Luta::L("14:03:27", "Luta zerada"), Luta::L("14:03:27", inicio[lingua]),
                                        Luta::L("14:03:27", ponto[lingua]), Luta::L("14:03:29", zerada[lingua])}));
    EXPECT_EQ(luta.Log(), Linhas{Luta::L("14:03:29", "Luta zerada")});
    EXPECT_EQ(luta.plat.perguntas, (Linhas{pergunta[lingua], pergunta[lingua]}));
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, enter[lingua]);
    EXPECT_FALSE(luta.v.Luta().LutaIniciada);
}

INSTANTIATE_TEST_SUITE_P(Linguas, ResetEmCadaLingua, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace vantor::teste
