// The rules state by state, then whole fights driven through the handlers only and compared line by line with their
// expected logs in tests/casos. That the board shows the record at every moment is the fuzz target "sessao"'s.
#include <sstream>

#include "log/leitura.h"
#include "luta.h"
#include "luta/luta.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// The fight alone, with the events it says.
struct Modelo {
    Modelo() { idioma.Carrega(); }
    Ajustes a;
    TabelaIdioma idioma;
    std::vector<Evento> ditos;
    vantor::Luta luta{a, idioma, [this](const Evento& e) { ditos.push_back(e); }};
};

// The cases are in tests/casos/penalidades.txt.
TEST(Penalidades, FullAndHalfStepsByRuleRoundAndSettingAndPointsSaturate) {
    for (const std::string& linha : Casos("penalidades.txt")) {
        std::istringstream in(linha);
        int16_t regra = 0, round = 0, meiaGolden = 0, mais = 0, faltas = 0, meia = 0, depois = 0, meiaDepois = 0;
        std::string passo;
        in >> regra >> round >> meiaGolden >> mais >> faltas >> meia >> depois >> meiaDepois >> passo;
        Modelo m;
        m.a.Regra = regra, m.a.MeiaFaltaGolden = meiaGolden == 1, m.a.Nome[Vermelho] = "Souza";
        EstadoLuta l;
        l.RoundAtual = round, l.TempoRestante = 60, l.Faltas[Vermelho] = faltas, l.MeiaFalta[Vermelho] = meia;
        m.luta.Restaura(l);
        m.luta.Penalidade(Vermelho, mais != 0);
        const EstadoLuta& e = m.luta.Estado();
        EXPECT_EQ(std::make_tuple(e.Faltas[Vermelho], e.MeiaFalta[Vermelho], e.Faltas[Azul]),
                  std::make_tuple(depois, meiaDepois == 1, 0))
            << linha;
        EXPECT_EQ(m.ditos.back().texto,
                  "Round " + std::to_string(round) + ", Faltando 60s, " + passo + " Falta Vermelho (Souza)")
            << linha;
    }
    Luta luta;
    luta.Teclas({tecla::Enter, tecla::F7});
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, -1 Pontos Vermelho (Vermelho)"));
    Cena(luta.v, [](EstadoLuta& l) { l.PontosMarcados = {0, INT16_MAX, INT16_MIN}, l.Faltas[Vermelho] = 5; });
    luta.Teclas({tecla::F7, tecla::F12});
    EXPECT_EQ(luta.v.Luta().PontosMarcados, (std::array<int16_t, 3>{0, INT16_MAX, INT16_MIN}));
    EXPECT_EQ(luta.v.Tela().L_Pontos[Azul].Caption, "32767") << "the shown score saturates too";
}

// The cases are in tests/casos/vitoria.txt: the rules alone, settings and state in, the decision out.
TEST(Regras, DecideAsTheRuleSystemSays) {
    for (const std::string& linha : Casos("vitoria.txt")) {
        std::istringstream in(linha);
        std::array<int16_t, 11> n{};
        std::string nome;
        for (int16_t& v : n) in >> v;
        in >> nome;
        ASSERT_FALSE(nome.empty()) << linha;
        Ajustes a;
        a.Regra = n[0], a.Rounds = n[1], a.Limite = n[3], a.Diferenca = n[4];
        EstadoLuta l;
        l.RoundAtual = n[2], l.EmGolden = n[5] != 0, l.PontosMarcados = {0, n[6], n[7]}, l.Faltas = {0, n[8], n[9]};
        EXPECT_EQ(Decide(a, l).vencedor, n[10]) << nome;
    }
}

using Linhas = std::vector<std::string>;

TEST(Cenario, FightWonOnPointsWhenTheLastRoundRunsOut) {
    Luta luta;
    EXPECT_EQ(luta.v.Log().ArquivoLog, luta.pasta.Caminho() + "/LOG/LOG_2026-12-06_14-03-27.txt");
    luta.plat.Avanca(1000);
    luta.Configura({.Rounds = 2, .Tempo = 3, .Intervalo = 2, .Azul = "Silva", .Vermelho = "Souza"});
    luta.Teclas({tecla::Enter, tecla::F12});
    EXPECT_FALSE(luta.v.Tela().L_Minuto.Visible) << "no count while the round runs";
    luta.Tick(4);  // 0:02, 0:01, 0:00, then the round is over
    EXPECT_TRUE(luta.v.Tela().L_Minuto.Visible && luta.v.Tela().L_Minuto.Caption == "02");
    luta.Tick(3);  // rest 01, 00, then the pause
    luta.Teclas({tecla::Espaco, tecla::F8, tecla::Direita, tecla::F9, tecla::F12});
    EXPECT_EQ(luta.v.Tela().L_Pontos[Azul].Caption + ":" + luta.v.Tela().L_Pontos[Vermelho].Caption, "3:2");
    luta.Tick(5);  // the last tick decides; the refreshes after it write nothing more
    ConfereLog(luta.Log(), "pontos.log");
    luta.Tick(2);  // the rest that began with the last round's end runs out
    const size_t linhas = luta.Log().size();
    luta.Tecla(tecla::S), luta.Tick(2);
    EXPECT_EQ(luta.Log().size(), linhas + 1) << "only the scoresheet's pause";
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "AZUL") << "the result stays on the message line";
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:42", "Round 3, Faltando 3s, Pausa ligada. - Pausa"));
    luta.Tecla(tecla::Espaco), luta.Tick(2);  // resumed: the same decision is taken anew, once
    const Linhas log = luta.Log();
    EXPECT_EQ(Linhas(log.end() - 3, log.end()),
              (Linhas{Luta::L("14:03:44", "Round 3, Faltando 3s, Pausa desligada."),
                      Luta::L("14:03:44", "Round 3, Faltando 3s, Venceu:Azul.Silva"),
                      Luta::L("14:03:44", "Round 3, Faltando 3s, Pausa ligada. - AZUL")}));

    EXPECT_EQ(luta.plat.sons, (Linhas{"gongo.wav", "gongo.wav", "sino.wav"})) << "the cue once";
    const Rotulo& msg = luta.v.Tela().L_Msg;
    EXPECT_TRUE(msg.Caption == "AZUL" && luta.v.Tela().tomMsg == Tom::Azul);
    EXPECT_EQ(luta.v.Tela().L_MsgPlateia.Caption, "Silva\r\nAZUL, por pontos ao fim do tempo") << "the hall's";
    EXPECT_FALSE(luta.v.Tela().L_Golden.Visible || luta.v.Tela().L_Minuto.Visible);

    const std::string segundo = luta.v.Log().ArquivoLog;
    luta.plat.respostaOkCancela = false;
    luta.Tecla(tecla::Esc);
    EXPECT_EQ(luta.v.Log().ArquivoLog, segundo) << "Cancel keeps the fight";
    luta.plat.respostaOkCancela = true;
    Cena(luta.v, [](EstadoLuta& l) { l.MeiaFalta = {false, true, true}, l.EmGolden = true, l.ContaMinuto = 5; });
    luta.Tecla(tecla::Esc);
    EstadoLuta zerada;
    zerada.TempoRestante = 3, zerada.RoundAtual = 1, zerada.MostraConfig = true;
    EXPECT_TRUE(luta.v.Luta() == zerada);
    EXPECT_EQ(luta.plat.perguntas, (Linhas{"Zerar a luta?", "Zerar a luta?"}));
    EXPECT_EQ(LinhasDe(segundo).back(), Luta::L("14:03:46", "Luta zerada"));
    EXPECT_EQ(luta.Log(), Linhas{Luta::L("14:03:46", "Luta zerada")});
    EXPECT_EQ(msg.Caption + " " + luta.v.Tela().L_Tempo.Caption, "[ENTER] Início 0:03");
}

// In English, so that the log's phrases are checked in a language other than the first.
TEST(Cenario, GoldenRoundStartsFromNothingAndAGoldenRoundTiedEndsInATie) {
    Luta luta(lingua::Ingles);
    luta.Configura({.Tempo = 2, .Intervalo = 1});
    luta.Teclas({tecla::Enter, tecla::F12, tecla::F8}), luta.Tick(5);
    EXPECT_TRUE(luta.v.Tela().L_Golden.Visible);
    luta.v.Clique("L_Msg", Toque::Clique);  // enters the golden round: the board shows it cleared at once
    EXPECT_EQ(luta.v.Tela().L_Pontos[Azul].Caption + luta.v.Tela().L_Pontos[Vermelho].Caption, "00");
    luta.Teclas({tecla::F12, tecla::Esquerda});
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "BLUE");
    const LeituraLog lido = LeLog(LeArquivo(luta.v.Log().ArquivoLog));  // read back, the golden round cleared too
    EXPECT_EQ(lido.lutas.at(0).eventos.back().placar, (std::array<long, 3>{0, 2, 0}));

    luta.Teclas({tecla::Esc, tecla::Enter}), luta.Tick(5);
    luta.Teclas({tecla::Espaco, tecla::F12, tecla::Espaco, tecla::Espaco});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Azul], 1) << "resuming inside the golden round must not clear it again";
    luta.Tecla(tecla::F11), luta.Tick(3);
    ConfereLog(luta.Log(), "golden_ingles.log");
    EXPECT_TRUE(luta.v.Tela().L_Msg.Caption == "Empate" && luta.v.Tela().tomMsg == Tom::Empate);
    EXPECT_EQ(luta.plat.sons, (Linhas{"gongo.wav", "sino.wav", "gongo.wav", "gongo.wav", "sino.wav"}));
}

TEST(Cenario, TimeOutHoldsTheClockAPauseCancelsItAndDuringTheRestItWaits) {
    Luta luta;
    luta.plat.Avanca(500), luta.Configura({.Rounds = 2, .Tempo = 5, .Intervalo = 2}), luta.plat.Avanca(500);
    luta.Tecla(tecla::Enter), luta.Tick(2), luta.Tecla(tecla::Um);
    luta.Tick(59);
    EXPECT_TRUE(luta.v.Tela().L_Minuto.Visible && luta.v.Tela().L_Minuto.Caption == "00");
    luta.Tick(2);  // the round clock stood still, then runs on by itself
    luta.Tecla(tecla::Um), luta.Tick(5);
    luta.Tecla(tecla::Espaco), luta.Tick(3);                // pausing cancels the time-out without its end cue
    luta.Tecla(tecla::Espaco), luta.Tick(3);                // the round runs out: the rest
    luta.Teclas({tecla::Espaco, tecla::Um}), luta.Tick(1);  // the space bar does nothing during the rest
    EXPECT_EQ(luta.v.Tela().L_Minuto.Caption, "01") << "the rest counts, the time-out waits";
    luta.Tick(1), luta.Tecla(tecla::Espaco), luta.Tick(1);  // nor in the rest's last second
    EXPECT_EQ(luta.v.Luta().ContaMinuto, -1) << "the end of the rest cancels it";
    ConfereLog(luta.Log(), "minuto.log");

    EXPECT_EQ(luta.plat.sons, (Linhas{"sparkle.wav", "gongo.wav", "sparkle.wav", "gongo.wav", "sparkle.wav"}));
}

TEST(Comandos, KeysTicksAndClicksActOnlyWhenTheyMayAndAnAreaTakesItsStepOnceADoubleClickTwice) {
    Luta luta;
    const auto antes = std::make_pair(luta.v.Luta(), luta.Log().size());
    // Before the start: arrows, space, 1, Esc, F4 alone, the keypad's 1, F5 to F12 and codes that are no key.
    for (int k : {37, 38, 39, 40, 32, 49, 27, 115, 97, 0, 255, -5, 70000}) luta.Tecla(k);
    for (int k = tecla::F5; k <= tecla::F12; ++k) luta.Tecla(k);
    for (const char* area : {"K_Amais", "K_Vmenos", "K_FAMais", "K_FVMenos", "M_Minuto", "L_Tempo"})
        luta.v.Clique(area, Toque::Clique);
    luta.Tick(5);
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == antes) << "before the start";
    luta.Tecla(tecla::S);
    EXPECT_EQ(luta.plat.sumulas,
              (std::vector<std::pair<std::string, int>>{{luta.v.Log().ArquivoLog, lingua::Portugues}}));
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "Pausa") << "the scoresheet pauses";
    EXPECT_TRUE(luta.v.Clique("L_Msg", Toque::Clique));
    const auto durante = std::make_pair(luta.v.Luta(), luta.Log().size());
    for (int k : {tecla::Enter, tecla::F1, 97, tecla::F4}) luta.Tecla(k);  // 97: the keypad's 1 is no time-out
    luta.v.Clique("M_Config", Toque::Clique), luta.v.Clique("L_Pontos", Toque::DuploClique);
    luta.Tecla(tecla::F4, tecla::Alt | 1), luta.Tick(3);
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == durante) << "the clock waits for the space bar";
    EXPECT_EQ(luta.plat.configuracoesMostradas + luta.plat.encerramentos, 0);
    luta.Tecla(tecla::F4, tecla::Alt);
    EXPECT_EQ(luta.plat.encerramentos, 1) << "Alt+F4 ends at once, with no question and no log line";
    EXPECT_TRUE(std::make_pair(luta.v.Luta(), luta.Log().size()) == durante);

    // Each + and - area takes its step on a click and again on the double click that follows a fast second press.
    luta.v.Clique("L_Tempo", Toque::Clique);
    EXPECT_FALSE(luta.v.Luta().Pausado);
    for (const char* area :
         {"K_Amais", "K_Amenos", "K_VMais", "K_Vmenos", "K_FAMais", "K_FAMenos", "K_FVMais", "K_FVMenos"})
        luta.v.Clique(area, Toque::Clique), luta.v.Clique(area, Toque::DuploClique);
    ConfereLog(luta.Log(), "comandos.log");
    luta.v.Clique("M_Minuto", Toque::Clique);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, 59);
    luta.v.Clique("M_Sumula", Toque::Clique);
    EXPECT_EQ(luta.v.Luta().ContaMinuto, -1);
    EXPECT_FALSE(luta.v.Clique("L_Versao", Toque::Clique) || luta.v.Clique("L_Msg", Toque::DuploClique));
}

// What the dialog's window cannot do: no language chosen keeps it; boxes that would decide the fight at the reset or
// stop its clock store the nearest sound value; a start in the golden round begins it at Enter, where one point is
// not enough; line breaks and tabs in names and cue files become blanks. The start applies to the next fight alone.
// The referee's decision ends a bout whatever the score: its reason's key, its winner's, then a confirmation. Esc, or
// Cancel at the question, leaves the bout as it was.
TEST(Cenario, ABoutEndedByDisqualificationWhateverTheScore) {
    Luta luta;
    luta.Configura({.Azul = "Silva", .Vermelho = "Souza"});
    luta.Teclas({tecla::Enter, tecla::F12, tecla::D});
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "DSQ: desclassificação: quem vence? [A] Azul  [V] Vermelho  [Esc] cancela");
    luta.Teclas({tecla::Esc, tecla::D});
    luta.plat.respostaOkCancela = false;
    luta.Tecla(tecla::V);
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "Pausa");
    luta.plat.respostaOkCancela = true;
    luta.Tick(2), luta.Teclas({tecla::D, tecla::V, tecla::F12, tecla::F12});
    EXPECT_EQ(luta.plat.perguntas,
              (Linhas{"VERMELHO (Souza), DSQ: desclassificação?", "VERMELHO (Souza), DSQ: desclassificação?"}));
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption + " " + luta.v.Tela().L_MsgPlateia.Caption,
              "VERMELHO Souza\r\nVERMELHO, DSQ: desclassificação");
    EXPECT_EQ(luta.plat.sons, Linhas{"sino.wav"});
    ConfereLog(luta.Log(), "decisao_dsq.log");
    const LeituraLog lido = LeLog(LeArquivo(luta.v.Log().ArquivoLog, 1 << 20));
    EXPECT_TRUE(lido.lutas.size() == 1 && lido.lutas[0].vencedor == Vermelho && lido.lutas[0].como == txt::PorDsq);
    luta.Teclas({tecla::Esc, tecla::Enter, tecla::F12});
    EXPECT_FALSE(luta.v.Luta().LutaDecidida) << "the next bout starts without it";
}

TEST(Dialogo, NoSettingDecidesAFightBeforeItStartsOrStopsItsClock) {
    const struct {
        const char *rounds, *tempo, *inicial, *round, *limite, *diferenca, *config;
        bool decididaComDois;
    } casos[] = {{"0", "0", "0", "0", "", "", "0 1 60 60 1 99 99", false},
                 {"2", "-5", "", "9", "0", "-3", "0 2 60 60 3 99 99", true},
                 {"3", "90", "80", "2", "abc", "4", "0 3 90 80 2 99 4", false}};
    for (const auto& c : casos) {
        Luta luta;
        luta.plat.aoMostrarConfiguracao = [&](Form2& f) {
            f.T_Round.Text = c.rounds, f.T_Tempo.Text = c.tempo, f.T_TempoInicial.Text = c.inicial;
            f.T_RoundInicial.Text = c.round, f.T_Limite.Text = c.limite, f.T_Diferenca.Text = c.diferenca;
            f.Op_Fetesp_Click(), f.C_Limite.Value = f.C_Diferenca.Value = true;
            f.T_Nome[1].Text = "Ana\r\nSilva\t", f.T_Sons[1].Text = "a\nb.wav", f.L_Lingua.ListIndex = -1;
            f.B_Ok_Click();
        };
        luta.Tecla(tecla::F1);
        const Ajustes& a = luta.v.Config();
        std::ostringstream config;
        config << a.Lingua << ' ' << a.Rounds << ' ' << a.Tempo << ' ' << a.TempoInicial << ' ' << a.RoundInicial << ' '
               << a.Limite << ' ' << a.Diferenca;
        EXPECT_EQ(config.str(), c.config) << c.config;
        EXPECT_EQ(a.Nome[1] + "|" + a.Som[1], "Ana  Silva |a b.wav");
        EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "[ENTER] Início") << c.config;
        luta.Teclas({tecla::Enter, tecla::F12});
        luta.Tick();
        EXPECT_TRUE(luta.v.Luta().TempoRestante == a.TempoInicial - 1 && !luta.v.Luta().LutaDecidida) << c.config;
        luta.Tecla(tecla::F12);
        EXPECT_EQ(luta.v.Luta().LutaDecidida, c.decididaComDois) << c.config;
        for (const std::string& l : luta.Log()) EXPECT_TRUE(l.starts_with("06/12/2026 ")) << "a forged line: " << l;
        luta.Tecla(tecla::Esc);
        EXPECT_TRUE(luta.v.Luta().RoundAtual == 1 && luta.v.Luta().TempoRestante == a.Tempo) << c.config;
    }
}

}  // namespace
}  // namespace vantor::teste
