// Whole fights driven through the handlers only, compared line by line with the fight log.
#include <gtest/gtest.h>

#include "luta.h"

namespace vantor::teste {
namespace {

using Linhas = std::vector<std::string>;

std::vector<std::string> Ultimas(const Linhas& l, size_t n) {
    return Linhas(l.end() - static_cast<long>(std::min(n, l.size())), l.end());
}

TEST(Cenario, FightWonOnPointsWhenTheLastRoundRunsOutUnder2017Rules) {
    Luta luta;
    const std::string primeiro = luta.v.ArquivoLog;
    EXPECT_EQ(primeiro, luta.pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-27.txt");
    EXPECT_EQ(luta.Log(), Linhas{Luta::L("14:03:27", "Luta zerada")});

    luta.plat.Avanca(1000);
    luta.Configura({.Rounds = 2, .Tempo = 3, .Intervalo = 2, .Azul = "Silva", .Vermelho = "Souza"});
    EXPECT_EQ(LinhasDe(primeiro), (Linhas{Luta::L("14:03:27", "Luta zerada"), Luta::L("14:03:28", "Luta zerada")}));
    EXPECT_EQ(luta.v.ArquivoLog, luta.pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-28.txt");

    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::F12);
    luta.Tick(4);  // 0:02, 0:01, 0:00, then the round is over
    EXPECT_EQ(luta.v.tela.L_Minuto.Caption, "02");
    EXPECT_TRUE(luta.v.tela.L_Minuto.Visible);
    luta.Tick(3);  // rest 01, 00, then the pause
    EXPECT_EQ(luta.v.tela.L_Msg.Caption, "Pausa");
    EXPECT_EQ(luta.v.tela.L_Msg.BackColor, RGB(0, 255, 255));
    luta.Tecla(tecla::Espaco);
    luta.Tecla(tecla::F8);
    luta.Tecla(tecla::Direita);
    luta.Tecla(tecla::F9);
    luta.Tecla(tecla::F12);
    EXPECT_EQ(luta.v.tela.L_Pontos[1].Caption, "3");
    EXPECT_EQ(luta.v.tela.L_Pontos[2].Caption, "2");
    luta.Tick(4);
    luta.Tick(1);  // the result stands, so every refresh repeats it

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
    EXPECT_EQ(luta.plat.sons, (std::vector<std::string>{"gongo.wav", "gongo.wav", "sino.wav"}));
    EXPECT_EQ(luta.v.tela.L_Msg.Caption, "AZUL");
    EXPECT_EQ(luta.v.tela.L_Msg.BackColor, RGB(0, 0, 255));
    EXPECT_EQ(luta.v.tela.L_Msg.ForeColor, RGB(255, 255, 255));
    EXPECT_FALSE(luta.v.tela.L_Golden.Visible);
    EXPECT_FALSE(luta.v.tela.L_Minuto.Visible);
    EXPECT_EQ(luta.v.tela.L_Round.BackColor, RGB(255, 224, 128));

    const std::string segundo = luta.v.ArquivoLog;
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.plat.perguntas, std::vector<std::string>{"Zerar a luta?"});
    EXPECT_EQ(LinhasDe(segundo).back(), Luta::L("14:03:40", "Luta zerada"));
    EXPECT_EQ(luta.Log(), Linhas{Luta::L("14:03:40", "Luta zerada")});
    EXPECT_EQ(luta.v.tela.L_Msg.Caption, "[ENTER] Início");
    EXPECT_EQ(luta.v.tela.L_Tempo.Caption, "0:03");
    EXPECT_EQ(luta.v.tela.L_Pontos[1].Caption, "0");
}

TEST(Cenario, GoldenRoundWonByTwoThenAGoldenRoundTied) {
    Luta luta;
    luta.Configura({.Rounds = 1, .Tempo = 2, .Intervalo = 1});
    // Two resets in the same second share one file.
    EXPECT_EQ(luta.Log(), (Linhas{Luta::L("14:03:27", "Luta zerada"), Luta::L("14:03:27", "Luta zerada"),
                                  Luta::L("14:03:27", "Luta zerada")}));
    luta.Tecla(tecla::Enter);
    luta.Tecla(tecla::F12);
    luta.Tecla(tecla::F8);
    luta.Tick(3);
    EXPECT_TRUE(luta.v.tela.L_Golden.Visible);
    EXPECT_FALSE(luta.v.LutaDecidida);  // 1:1 after regular time
    luta.Tick(2);
    luta.Tecla(tecla::Espaco);  // enters the golden round with cleared scores
    EXPECT_TRUE(luta.v.EmGolden);
    luta.Tecla(tecla::F12);
    EXPECT_FALSE(luta.v.LutaDecidida) << "a lead of one does not end a golden round under the 2017 rules";
    luta.Tecla(tecla::Esquerda);
    EXPECT_TRUE(luta.v.LutaDecidida);
    EXPECT_EQ(Ultimas(luta.Log(), 11),
              (Linhas{
                  Luta::L("14:03:27", "Round 1, Faltando 2s, +1 Pontos Azul (Azul)"),
                  Luta::L("14:03:27", "Round 1, Faltando 2s, +1 Pontos Vermelho (Vermelho)"),
                  Luta::L("14:03:30", "Round 2, Fim do Round"),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, Fim do Intervalo"),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, Pausa ligada. - Pausa"),
                  Luta::L("14:03:32", "Entrou no GoldenRound."),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, Pausa desligada."),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, +1 Pontos Azul (Azul)"),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, +1 Pontos Azul (Azul)"),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, Venceu:Azul.Azul"),
                  Luta::L("14:03:32", "Round 2, Faltando 2s, Pausa ligada. - AZUL"),
              }));

    luta.Tecla(tecla::Esc);
    luta.Tecla(tecla::Enter);
    luta.Tick(5);
    luta.Tecla(tecla::Espaco);
    luta.Tecla(tecla::F12);
    luta.Tecla(tecla::Espaco);
    luta.Tecla(tecla::Espaco);
    EXPECT_EQ(luta.v.PontosMarcados[1], 1) << "resuming inside the golden round must not clear it again";
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
    EXPECT_EQ(luta.v.tela.L_Msg.Caption, "Empate");
    EXPECT_EQ(luta.v.tela.L_Msg.BackColor, RGB(0, 255, 255));
    EXPECT_EQ(luta.v.tela.L_Msg.ForeColor, RGB(255, 0, 0));
    EXPECT_EQ(luta.plat.sons, (std::vector<std::string>{"gongo.wav", "sino.wav", "gongo.wav", "gongo.wav", "sino.wav"}));
}

}  // namespace
}  // namespace vantor::teste
