// The controller poll (state text, look-alike warning, judges' agreement and its windows) and the button
// assignment, with scripted controllers. The button file's bytes are the fuzz target "botoes"'s, with its seeds.
#include "luta.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// Default map, one controller: bit 0 is judge 3's and bit 1 judge 2's red 1, the stick's x and y judge 2's and
// judge 1's blue 2; bit 2 is judge 2's red 2.
TEST(Botoes, EachPollPumpsReadsEveryInputAndTwoJudgesAgreeingWithinTheirWindowsScore) {
    Luta luta(lingua::Ingles);
    luta.plat.numSlots = 20;  // slots past the sixteenth are never read
    luta.plat.leituras[1] = {40000, 40000, 0, 0};
    luta.plat.leituras[2] = {65535, 40001, 0, 0b1001};
    luta.plat.leituras[15].botoes = 1;
    luta.plat.duvidosos = true;
    luta.v.Timer_Joystick_Timer();
    const std::string& texto = luta.v.Botoes().EstadoControles;
    ASSERT_EQ(texto.size(), 256u);
    for (size_t p = 1; p <= 256; ++p)
        EXPECT_EQ(texto[p - 1], (p == 39 || p == 38 || p == 45 || p == 48 || p == 256) ? '1' : '0') << "position " << p;
    EXPECT_TRUE(luta.v.tela().L_Aviso.Visible && luta.v.tela().L_Aviso.Caption == "Identical pads: check the judges");

    const auto le = [&](std::initializer_list<uint32_t> leituras) {  // polls of the first controller's buttons
        for (uint32_t botoes : leituras) luta.plat.leituras[0].botoes = botoes, luta.v.Timer_Joystick_Timer();
    };
    luta.plat.numSlots = 1, luta.plat.duvidosos = false, luta.plat.leituras = {};
    le({0, 0b0011, 0});  // before the start a press is shown and logged but never counts
    EXPECT_FALSE(luta.v.tela().L_Aviso.Visible);
    luta.Tecla(tecla::Enter);
    luta.plat.leituras[0] = {65535, 65535, 0, 0b0111};
    luta.v.Timer_Joystick_Timer();
    EXPECT_EQ(luta.v.Luta().PontosMarcados, (std::array<int16_t, 3>{0, 2, 1}));
    EXPECT_EQ(luta.v.Botoes().Pendentes, 1 << 4) << "an agreement uses up its presses; red 2 waits for a second judge";
    le({0, 0b0100});
    EXPECT_EQ(luta.Log().back(),
              Luta::L("14:03:27", "Round 1, Missing 60s, Pressed button:\t14\tJuiz 2 - Red botao 2"));
    const Timer& t = luta.v.Janela().Timer_Botao[5];
    EXPECT_TRUE(t.Enabled && t.Interval == 2000 && t.Restarts == 1u) << "a second press must not move the window's end";
    EXPECT_FALSE(luta.v.tela().S_Botao[5].FillSolid);
    luta.v.Timer_Botao_Timer(5);
    EXPECT_TRUE(!t.Enabled && luta.v.Botoes().Pendentes == 0 && luta.v.tela().S_Botao[5].FillSolid);
    EXPECT_EQ(luta.plat.bombeadas, 7) << "each poll pumps the controllers";
    luta.Tecla(tecla::Espaco);
    le({0, 0b0011});
    EXPECT_TRUE(luta.v.Luta().PontosMarcados[Vermelho] == 1 && luta.v.Botoes().Pendentes == 0)
        << "paused, an agreement scores nothing and is used up";
    luta.Tecla(tecla::Espaco), luta.Tick(61);
    le({0, 0b0011});
    EXPECT_TRUE(luta.v.Luta().ContaIntervalo >= 0 && luta.v.Luta().PontosMarcados[Vermelho] == 1 &&
                luta.v.Botoes().Pendentes == 0)
        << "in the rest two judges agreeing score nothing";
    EXPECT_EQ(luta.Log().back(),
              Luta::L("14:04:28", "Round 2, Missing 60s, Pressed button:\t16\tJuiz 3 - Red botao 1"));
}

// Without controllers the assignment says so; while it waits only Alt+F4 acts, and a window closed meanwhile leaves
// nothing written. Then three judges give each lamp in turn buttons 1 to 4, the stick right and down; judge 2's
// second lamp takes an input judge 1 gave, which moves; the first lamp sees two inputs at once: the lower one.
TEST(Botoes, AssignmentAsksForEachLampInTurnAndTheNextStartReadsTheMap) {
    const NaPasta pasta;
    const std::string antes = std::string(514, '\0') + "what follows the map";  // kept by every write
    GravaArquivo("botoes.cfg", antes);
    Luta luta(lingua::Ingles);
    luta.plat.numSlots = 16;  // slots exist, nothing is plugged in
    luta.plat.aoMostrarConfiguracao = [&](Form2&) { luta.v.PedeConfiguracaoBotoes(); };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.plat.avisos, std::vector<std::string>{"No controls found"});
    EXPECT_EQ(luta.v.Botoes().Configurando_b, 0);
    luta.plat.numSlots = luta.plat.conectados = 3;
    luta.v.Timer_Joystick_Timer();  // what the controllers read before
    int esperas = 0;
    luta.plat.aoEsperar = [&] {
        for (int k : {tecla::Enter, tecla::Esc}) luta.Tecla(k);
        luta.v.Clique("L_Msg", Toque::Clique);
        luta.Tecla(tecla::F4, tecla::Alt);
        return ++esperas < 3;
    };
    const size_t linhas = luta.Log().size();
    luta.Tecla(tecla::F1);
    EXPECT_TRUE(luta.plat.encerramentos == 3 && luta.plat.perguntas.empty() && !luta.v.Luta().LutaIniciada);
    EXPECT_EQ(LeArquivo("botoes.cfg"), antes);
    EXPECT_EQ(luta.Log().size(), linhas) << "no reset and no log line after the window went away";
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "Config the buttons");

    std::vector<std::pair<size_t, int>> roteiro;  // judge, input
    for (size_t i = 0; i < 18; ++i) roteiro.emplace_back(i / 6, static_cast<int>(i % 6));
    roteiro[7] = {0, 3};
    std::vector<int> lampadas;
    luta.plat.aoEsperar = [&] {
        if (lampadas.size() >= 18) return false;  // a lamp that never takes its press ends the test
        int acesas = 0;
        for (size_t k = 1; k <= 18; ++k) acesas += !luta.v.tela().S_Botao[k].FillSolid;
        EXPECT_EQ(acesas, 1) << "only the lamp being assigned is lit";
        const auto [j, e] = roteiro[lampadas.size()];
        lampadas.push_back(luta.v.Botoes().Configurando_b);
        luta.plat.leituras[j] = {e == 4 ? 65535u : 0, e == 5 ? 65535u : 0, 0,
                                 (e < 4 ? 1u << e : 0) | (lampadas.size() == 1 ? 2u : 0)};
        luta.v.Timer_Joystick_Timer();
        luta.plat.leituras[j] = {};
        luta.v.Timer_Joystick_Timer();
        luta.plat.Avanca(100);  // two polls
        return true;
    };
    const std::string antigo = luta.v.Log().ArquivoLog;
    luta.Tecla(tecla::F1);
    EXPECT_EQ(lampadas, (std::vector<int>{1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18}));
    const size_t posicao[6] = {16, 15, 14, 13, 7, 6};  // in a judge's 16: buttons 1..4, stick right, stick down
    std::array<int16_t, 257> esperado{};               // position -> button
    for (size_t i = 0; i < 18; ++i)
        esperado[16 * roteiro[i].first + posicao[roteiro[i].second]] = static_cast<int16_t>(lampadas[i]);
    esperado[16] = 0;  // the first lamp took 15, the lower of two positions pressed at once, which then moved
    std::string bytes(514, '\0');
    for (size_t p = 0; p <= 256; ++p) bytes[2 * p] = static_cast<char>(esperado[p]);
    EXPECT_EQ(LeArquivo("botoes.cfg"), bytes + "what follows the map");
    const auto velho = LinhasDe(antigo);
    EXPECT_TRUE(velho.size() >= 2 && velho.end()[-2].ends_with("\tButtons configured") &&
                velho.back().ends_with("\tCombat reseted"));
    EXPECT_EQ(luta.v.tela().L_Msg.Caption, "[ENTER] Start");
    EXPECT_EQ(Luta().v.Botoes().MapaBotoes, esperado);

    // A map that cannot be written (a folder took its name) holds for this run only: the operator and the log are
    // told.
    std::filesystem::rename("botoes.cfg", "guardado");
    std::filesystem::create_directories("botoes.cfg/x");
    lampadas.clear();
    const std::string terceiro = luta.v.Log().ArquivoLog;
    luta.Tecla(tecla::F1);
    const std::string aviso = "Button map NOT saved: it holds only until the program closes";
    EXPECT_EQ(luta.plat.avisos.back(), aviso);
    EXPECT_TRUE(LinhasDe(terceiro).end()[-2].ends_with("\t" + aviso));
    EXPECT_TRUE(std::filesystem::exists("botoes.cfg/x"));
}

}  // namespace
}  // namespace vantor::teste
