// Best of three rounds: a round's decision and the bout's, state by state, then whole bouts driven
// through the handlers and compared line by line with their expected logs.
#include <map>
#include <sstream>

#include "controllers/entradas.h"
#include "log/leitura.h"
#include "luta.h"
#include "luta/regras.h"

namespace vantor::teste {
namespace {

// The cases are in tests/casos/rounds.txt.
TEST(MelhorDeTres, ARoundIsDecidedByGapPenaltiesLeadTieBreakAndTheRefereeAndTheBoutByTwoRounds) {
    // clang-format off
    const std::map<std::string, int> como = {{"-", 0}, {"pontos", txt::PorPontos}, {"diferenca", txt::PorDiferenca},
        {"faltas", txt::PorFaltas}, {"giratorios", txt::PorGiratorios}, {"valor1", txt::PorValor1},
        {"valor2", txt::PorValor2}, {"valor3", txt::PorValor3}, {"valor5", txt::PorValor5},
        {"superioridade", txt::PorSuperioridade}};
    // clang-format on
    for (const std::string& linha : Casos("rounds.txt")) {
        std::istringstream in(linha);
        Ajustes a;
        a.Regra = regra::Wt2022, a.Rounds = 3;
        EstadoLuta l;
        int esgotado = 0, pendente = 0, luta = 0;
        DecisaoRound d;
        std::string nome, feitos;
        in >> esgotado >> l.Superioridade >> a.Diferenca;
        for (size_t c = 1; c <= 2; ++c)
            for (size_t v = 1; v <= 5; ++v) {
                in >> l.PontosPorValor[c][v];
                l.PontosMarcados[c] = static_cast<int16_t>(l.PontosMarcados[c] + l.PontosPorValor[c][v]);
            }
        in >> l.Faltas[Azul] >> l.Faltas[Vermelho] >> d.vencedor >> nome >> pendente >> feitos >> luta;
        ASSERT_TRUE(in && como.contains(nome)) << linha;
        l.TempoEsgotado = esgotado != 0, d.como = como.at(nome), d.pendente = pendente != 0;
        for (char c : feitos)
            if (c != '-') l.RoundsFeitos.push_back({static_cast<int16_t>(c - '0'), txt::PorPontos, 1, 0});
        l.RoundAtual = static_cast<int16_t>(l.RoundsFeitos.size() + 1);
        EXPECT_EQ(DecideRound(a, l), d) << linha;
        EXPECT_EQ(Decide(a, l), (Decisao{luta, luta != 0 ? txt::PorRounds : 0})) << linha;
    }
}

// Three rounds of three seconds, a rest of one. The first round ends level and the referee gives it to blue, the
// second goes to red on blue's fifth penalty, the third ends level and red has more points of 3.
TEST(MelhorDeTres, ABoutWonTwoToOneWithSuperiorityPenaltiesAndATieBreak) {
    Luta luta;
    luta.plat.numSlots = 2;
    luta.Configura(
        {.Rounds = 3, .Tempo = 3, .Intervalo = 1, .Regra = regra::Wt2022, .Azul = "Silva", .Vermelho = "Souza"});
    const auto aperta = [&](uint16_t slot0, uint16_t slot1) {
        luta.plat.leituras[0] = slot0, luta.plat.leituras[1] = slot1, luta.v.Timer_Joystick_Timer();
        luta.plat.leituras[0] = luta.plat.leituras[1] = 0, luta.v.Timer_Joystick_Timer();
    };
    const Placar& t = luta.v.Tela();
    const auto placar = [&t] {
        return t.L_Pontos[Azul].Caption + ":" + t.L_Pontos[Vermelho].Caption + " rounds " +
               t.L_Regular[Azul].Caption.back() + ":" + t.L_Regular[Vermelho].Caption.back();
    };
    luta.v.Timer_Joystick_Timer(), luta.Tecla(tecla::Enter);  // the controllers first seen with nothing held
    EXPECT_TRUE(t.L_Regular[Azul].Visible && !t.L_Golden.Visible);
    luta.Tick(4);  // 0:02, 0:01, 0:00, time out, level
    EXPECT_EQ(t.L_Msg.Caption, "Round empatado: superioridade? [A] Azul  [V] Vermelho");
    luta.Tecla(tecla::Espaco), luta.Tick(3);
    EXPECT_EQ(luta.v.Luta().ContaIntervalo, -1) << "no rest and no clock before the referee's word";
    luta.Tecla(tecla::A);
    EXPECT_EQ(t.L_Msg.Caption, "Round 1: AZUL");
    EXPECT_EQ(placar(), "0:0 rounds 1:0");
    luta.Tick(2);  // the rest's 00, then its end: round 2, held
    EXPECT_EQ(t.L_Round.Caption + " " + t.L_Tempo.Caption, "2 0:03");
    luta.Teclas({tecla::Espaco, tecla::F5, tecla::F5, tecla::F5, tecla::F5});
    EXPECT_EQ(placar(), "0:4 rounds 1:0");
    luta.Tick(), luta.Tecla(tecla::F5);  // the fifth: the round is red's at once, its clock stops at 0:02
    EXPECT_EQ(placar(), "0:5 rounds 1:1");
    luta.Tecla(tecla::F6);  // taken back while the round is current: it goes on, held
    EXPECT_EQ(placar() + " " + t.L_Msg.Caption, "0:4 rounds 1:0 Pausa");
    luta.Tecla(tecla::F5), luta.Tick(2);
    EXPECT_EQ(t.L_Round.Caption + " " + placar(), "3 0:0 rounds 1:1");
    luta.Tecla(tecla::Espaco);
    aperta(entrada::Direita | entrada::Baixo, 0);  // two judges: blue 2
    luta.Tecla(tecla::F12);                        // and the operator's 1
    aperta(entrada::Botao4, entrada::Botao4);      // two judges: red 3
    luta.Tick(4);
    EXPECT_EQ(placar() + " " + t.L_Msg.Caption, "3:3 rounds 1:2 VERMELHO");
    EXPECT_EQ(t.L_MsgPlateia.Caption, "Souza\r\nVERMELHO, por rounds ganhos");
    luta.Tecla(tecla::V);  // nothing waits for the referee: nothing changes, nothing is logged
    EXPECT_EQ(luta.plat.sons,
              (std::vector<std::string>{"gongo.wav", "gongo.wav", "gongo.wav", "gongo.wav", "sino.wav"}));
    ConfereLog(luta.Log(), "melhor_de_tres.log");
    // The scoresheet's reader follows each round from nothing and names how each was won.
    const LeituraLog lido = LeLog(LeArquivo(luta.v.Log().ArquivoLog, 1 << 20));
    ASSERT_EQ(lido.lutas.size(), 1u);
    const LutaLog& l = lido.lutas[0];
    EXPECT_TRUE(l.vencedor == Vermelho && l.como == txt::PorRounds && l.faltasRound == 5 &&
                l.eventos.back().placar == (std::array<long, 3>{0, 3, 3}));
    std::string rounds;
    for (const RoundLog& r : l.roundsLidos)
        rounds += std::to_string(r.vencedor) + " " + r.como + " " + std::to_string(r.placar[2]) + "; ";
    EXPECT_EQ(rounds, "1 por superioridade 0; 2 por faltas 5; 2 empate: mais pontos de 3 3; ");
}

// The models the program ships, beside a fresh board's program, and `nome` chosen as `--modelo` does.
bool ComModeloEnviado(Luta& luta, const std::string& nome) {
    std::filesystem::copy_file(std::string(VANTOR_CASOS_DIR) + "/../../instala/modelos.ini",
                               luta.pasta.Caminho() + "/modelos.ini");
    const Modelos modelos = luta.v.LeModelos();
    const Modelo* m = modelos.Acha(nome);
    return m && luta.v.UsaModelo(*m);
}

// The shipped model of a senior bout: the point gap ends a round at once; the next starts from nothing with the
// round won on the board.
TEST(MelhorDeTres, ABoutOfTheSeniorModelWonOnThePointGapInTwoRounds) {
    Luta luta;
    const Placar& t = luta.v.Tela();
    ASSERT_TRUE(ComModeloEnviado(luta, "WT-Senior"));
    luta.Tecla(tecla::Enter), luta.Tick(10);
    for (int i = 0; i < 12; ++i) luta.Tecla(tecla::F12);
    EXPECT_EQ(t.L_Minuto.Caption, "60") << "the rest at once";
    luta.Tick(61), luta.Tecla(tecla::Espaco);
    EXPECT_EQ(t.L_Round.Caption + " " + t.L_Tempo.Caption + " " + t.L_Pontos[Azul].Caption + ":" +
                  t.L_Pontos[Vermelho].Caption + " " + t.L_Regular[Azul].Caption,
              "2 2:00 0:0 Rounds\r\n1");
    for (int i = 0; i < 12; ++i) luta.Tecla(tecla::Esquerda);
    EXPECT_FALSE(t.L_Minuto.Visible) << "no rest after the bout's last round";
    // A closed round changes only by the table's correction, confirmed: round 1 to red, and the bout is open again.
    luta.plat.respostaOkCancela = false;
    luta.Tecla(tecla::C);
    EXPECT_TRUE(luta.v.Luta().LutaDecidida);
    luta.plat.respostaOkCancela = true;
    luta.Tecla(tecla::C);
    EXPECT_TRUE(!luta.v.Luta().LutaDecidida && t.L_Regular[Vermelho].Caption.back() == '1' && t.L_Minuto.Visible);
    EXPECT_EQ(luta.plat.perguntas.back(), "Round 1: VERMELHO (Vermelho)?");
    ConfereLog(luta.Log(), "melhor_de_tres_diferenca.log");
    EXPECT_FALSE(luta.v.UsaModelo(*luta.v.LeModelos().Acha("wtf-2017"))) << "not while a bout runs";
}

// The cadet model gives each corner one review card: a request upheld keeps it, a rejected one loses it, and with none
// left a corner's request is not taken.
TEST(MelhorDeTres, TwoReviewRequestsOneUpheldOneRejected) {
    Luta luta;
    const Placar& t = luta.v.Tela();
    ASSERT_TRUE(ComModeloEnviado(luta, "wt-cadete"));
    luta.Tecla(tecla::Enter), luta.Tick(5);
    luta.Teclas({tecla::F3, tecla::Espaco});
    EXPECT_EQ(t.L_Msg.Caption, "Revisão de vídeo pedida: Azul. [Enter] procedente  [Backspace] improcedente");
    luta.Teclas({tecla::Enter, tecla::Espaco}), luta.Tick(5);
    luta.Teclas({tecla::F3, tecla::Retrocesso, tecla::F3, tecla::Enter});
    EXPECT_EQ(t.L_Nome[Azul].Caption + "|" + t.L_Nome[Vermelho].Caption,
              "Azul\r\n  [Revisões: 0]|Vermelho\r\n  [Revisões: 1]");
    ConfereLog(luta.Log(), "revisoes.log");
}

}  // namespace
}  // namespace vantor::teste
