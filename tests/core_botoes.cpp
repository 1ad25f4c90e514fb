// The controller poll (judges' agreement and its windows, a controller replugged) and the button assignment, with
// scripted controllers; the table's timers as the window runs them.
#include "controllers/entradas.h"
#include "luta.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// Default map, one controller: bit 0 is judge 3's and bit 1 judge 2's red 1, the stick's right and down judge 2's
// and judge 1's blue 2; bit 2 is judge 2's red 2.
TEST(Botoes, TwoJudgesAgreeingWithinTheirWindowsScoreOnlyWhileTheClockRuns) {
    Luta luta(lingua::Ingles);
    luta.plat.numSlots = 1;
    const auto le = [&](std::initializer_list<uint16_t> leituras) {  // polls of the first controller
        for (uint16_t e : leituras) luta.plat.leituras[0] = e, luta.v.Timer_Joystick_Timer();
    };
    le({0, 0b0011, 0});  // before the start a press is shown and logged but never counts
    luta.Tecla(tecla::Enter);
    le({entrada::Direita | entrada::Baixo | 0b0111});
    EXPECT_EQ(luta.v.Luta().PontosMarcados, (std::array<int16_t, 3>{0, 2, 1}));
    le({0, 0b0100});
    EXPECT_EQ(luta.Log().back(),
              Luta::L("14:03:27", "Round 1, Missing 60s, Pressed button:\t14\tJuiz 2 - Red botao 2"));
    EXPECT_TRUE(luta.v.Tela().S_Botao[5].acesa);
    luta.v.Timer_Botao_Timer(5);
    EXPECT_FALSE(luta.v.Tela().S_Botao[5].acesa);
    EXPECT_EQ(luta.plat.bombeadas, 6) << "each poll pumps the controllers";
    le({0, 0b0001});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 1) << "the agreement used up its presses, the third judge's too";
    luta.Tecla(tecla::Um);
    le({0, 0b0011});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 2) << "the time-out resumed the clock: judges score";
    // Unplugged while both judges hold their buttons and back still holding them: no vote until pressed anew.
    luta.plat.numSlots = 0, le({0b0011}), luta.plat.numSlots = 1, le({0b0011});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 2) << "a controller replugged still held voted again";
    le({0, 0b0011});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 3) << "pressed anew, they vote";
    luta.Tecla(tecla::Espaco);
    le({0, 0b0011});
    le({0, 0b0100});
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 3) << "paused, an agreement scores nothing and is used up";
    luta.Tecla(tecla::Espaco), luta.Tick(61);
    le({0, 0b0011});
    EXPECT_TRUE(luta.v.Luta().ContaIntervalo >= 0 && luta.v.Luta().PontosMarcados[Vermelho] == 3)
        << "in the rest two judges agreeing score nothing";
    EXPECT_EQ(luta.Log().back(),
              Luta::L("14:04:28", "Round 2, Missing 60s, Pressed button:\t16\tJuiz 3 - Red botao 1"));
}

// The table's timers as the window runs them: the clock beats from Enter and a time-out's count from its key, not on
// the old beat; a judge's window (lamp 5: judge 2's red 2, bit 2) closes two seconds after its first press, whatever
// presses follow, and takes the press with it.
TEST(Botoes, TheClockBeatsFromEnterATimeOutFromItsKeyAndAWindowFromItsFirstPress) {
    Luta luta;
    luta.plat.numSlots = 1;
    const auto agora = [&] { return std::pair<int, int>(luta.v.Luta().TempoRestante, luta.v.Luta().ContaMinuto); };
    luta.Passa(700), luta.Tecla(tecla::Enter), luta.Passa(950);
    EXPECT_EQ(agora(), std::pair(60, -1));
    luta.Passa(100);
    EXPECT_EQ(agora(), std::pair(59, -1));
    for (const auto& [e, ms] : {std::pair{0b0100, 1000}, {0, 100}, {0b0100, 800}})
        luta.plat.leituras[0] = static_cast<uint16_t>(e), luta.Passa(ms);
    EXPECT_TRUE(luta.v.Tela().S_Botao[5].acesa);
    luta.Passa(200);
    EXPECT_FALSE(luta.v.Tela().S_Botao[5].acesa) << "the second press moved the window's end";
    // Judge 3's red 1, then, its window closed, judge 2's: no agreement.
    for (const auto& [e, ms] : {std::pair{0b0001, 2100}, {0b0010, 100}})
        luta.plat.leituras[0] = static_cast<uint16_t>(e), luta.Passa(ms);
    EXPECT_EQ(luta.v.Luta().PontosMarcados[Vermelho], 0) << "a press whose window closed still voted";
    luta.Tecla(tecla::Um), luta.Passa(950);
    EXPECT_EQ(agora(), std::pair(55, 59));
    luta.Passa(100);
    EXPECT_EQ(agora(), std::pair(55, 58));
}

// Without controllers the assignment says so; while it waits only Alt+F4 acts, and a window closed meanwhile leaves
// nothing written. Then three judges give each lamp in turn buttons 1 to 4, the stick right and down; judge 2's
// second lamp takes an input judge 1 gave, which moves; the first lamp sees two inputs at once: the lower one.
TEST(Botoes, AssignmentAsksForEachLampInTurnAndTheNextStartReadsTheMap) {
    const NaPasta pasta;
    std::string antes = std::string(514, '\0') + "what follows the map";  // kept by every write
    antes[400] = 19;  // input 200: a button no lamp has, read as none
    GravaArquivo("botoes.cfg", antes);
    Luta luta(lingua::Ingles);
    luta.plat.numSlots = 16;  // slots exist, nothing is plugged in
    luta.plat.aoMostrarConfiguracao = [&](Form2&) { luta.v.PedeConfiguracaoBotoes(); };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.plat.avisos, std::vector<std::string>{"No controls found"});
    EXPECT_TRUE(luta.v.Botoes().Configurando_b == 0 && luta.v.Botoes().MapaBotoes[200] == 0);
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
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "Config the buttons");

    std::vector<std::pair<size_t, int>> roteiro;  // judge, input
    for (size_t i = 0; i < 18; ++i) roteiro.emplace_back(i / 6, static_cast<int>(i % 6));
    roteiro[7] = {0, 3};
    std::vector<int> lampadas;
    luta.plat.aoEsperar = [&] {
        if (lampadas.size() >= 18) return false;  // a lamp that never takes its press ends the test
        int acesas = 0;
        for (size_t k = 1; k <= 18; ++k) acesas += luta.v.Tela().S_Botao[k].acesa;
        EXPECT_EQ(acesas, 1) << "only the lamp being assigned is lit";
        const auto [j, e] = roteiro[lampadas.size()];
        lampadas.push_back(luta.v.Botoes().Configurando_b);
        const uint16_t entradas[] = {entrada::Botao1, entrada::Botao2,  entrada::Botao3,
                                     entrada::Botao4, entrada::Direita, entrada::Baixo};
        luta.plat.leituras[j] = entradas[e] | (lampadas.size() == 1 ? entrada::Botao2 : 0);
        luta.v.Timer_Joystick_Timer();
        luta.plat.leituras[j] = 0;
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
    EXPECT_EQ(luta.v.Tela().L_Msg.Caption, "[ENTER] Start");
    EXPECT_EQ(Luta().v.Botoes().MapaBotoes, esperado);

    // Five value groups: ten buttons a judge (each judge on two controllers), the turning kicks' in a second map after
    // the first, where a reader of 514 bytes never looks; back to three, the file is as before, byte for byte.
    Cena(luta.v, [](Ajustes& a) { a.Pontos4 = 4, a.Pontos5 = 5; });
    luta.plat.numSlots = luta.plat.conectados = 6;
    for (size_t i = 0; i < 30; ++i) roteiro.emplace_back(i / 10 + 3 * (i % 10 / 6), static_cast<int>(i % 10 % 6));
    roteiro.erase(roteiro.begin(), roteiro.begin() + 18);
    lampadas.clear();
    luta.plat.aoEsperar = [&] {
        const auto [j, e] = roteiro.at(lampadas.size());
        lampadas.push_back(luta.v.Botoes().Configurando_b);
        const uint16_t entradas[] = {entrada::Botao1, entrada::Botao2,  entrada::Botao3,
                                     entrada::Botao4, entrada::Direita, entrada::Baixo};
        luta.plat.leituras[j] = entradas[e], luta.v.Timer_Joystick_Timer();
        luta.plat.leituras[j] = 0, luta.v.Timer_Joystick_Timer();
        luta.plat.Avanca(100);
        return lampadas.size() <= 30;
    };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(lampadas, (std::vector<int>{1,  4,  7,  19, 22, 10, 13, 16, 25, 28, 2,  5,  8,  20, 23,
                                          11, 14, 17, 26, 29, 3,  6,  9,  21, 24, 12, 15, 18, 27, 30}));
    const std::string cinco = LeArquivo("botoes.cfg");
    Juizes antigo514;
    ASSERT_TRUE(cinco.size() == 514 + 4 + 514 + 20 && antigo514.MapaDeBytes(cinco.substr(0, 514)));
    Luta depois;  // the next start reads both maps
    for (size_t p = 1; p <= 256; ++p) {
        const int16_t k = depois.v.Botoes().MapaBotoes[p];
        EXPECT_EQ(antigo514.MapaBotoes[p], k <= 18 ? k : 0) << p;
    }
    Cena(depois.v, [](Ajustes& a) { a.Pontos4 = 4, a.Pontos5 = 5; });
    depois.plat.numSlots = depois.plat.conectados = 6;
    depois.v.Timer_Joystick_Timer(), depois.Tecla(tecla::Enter);
    depois.plat.leituras[0] = depois.plat.leituras[1] = entrada::Direita;  // judges 1 and 2: red's group 5
    depois.v.Timer_Joystick_Timer();
    EXPECT_TRUE(depois.v.Luta().PontosMarcados[Vermelho] == 5 && depois.v.Luta().PontosPorValor[Vermelho][5] == 5);
    Cena(luta.v, [](Ajustes& a) { a.Pontos4 = a.Pontos5 = 0; });
    lampadas.clear(), roteiro.resize(18), luta.Tecla(tecla::F1);
    EXPECT_EQ(LeArquivo("botoes.cfg").size(), 514u + 20);

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

// The ring check on the platform's list, its bad entries left out (slots out of range, a slot named twice, a line
// break in a name), with five value groups: the default map gives the controller in slot 3 four of judge 3's buttons
// and judges 1 and 2 none. J opens it between bouts only; a press marks its lamp until the next opening.
TEST(Botoes, TheRingCheckSaysWhatEachControllerServesAndWhichJudgesHaveNone) {
    Luta luta;
    Cena(luta.v, [](Ajustes& a) { a.Pontos4 = 4, a.Pontos5 = 5; });
    luta.plat.numSlots = 16;
    luta.plat.controles = {{2, "Pad\nX", ""}, {-1, "Fora", ""}, {16, "Fora", ""}, {2, "Outro", "1-1"}};
    std::vector<ConferenciaDoRinque> vistas;
    luta.plat.aoConferir = [&](const std::function<ConferenciaDoRinque()>& consulta) {
        luta.v.Timer_Joystick_Timer(), luta.plat.leituras[2] = entrada::Botao3, luta.v.Timer_Joystick_Timer();
        vistas.push_back(consulta());
    };
    const auto lampadas = [](const ConferenciaDoRinque& c) {
        std::string r;
        for (const auto& l : c.lampadas) r += l.semControle ? '-' : l.vista ? '*' : l.acesa ? '+' : 'o';
        return r;
    };
    for (int k : {tecla::J, tecla::Enter, tecla::J, tecla::Esc, tecla::J}) luta.Tecla(k);
    ASSERT_EQ(vistas.size(), 2u) << "J in a bout opened the check";
    ASSERT_EQ(vistas[0].controles.size(), 1u);
    EXPECT_EQ(vistas[0].controles[0].texto,
              "Posição 3: Pad X, porta USB: desconhecida\n    Juiz 3: Vermelho 1, Vermelho 2, Vermelho 3, Azul 1");
    EXPECT_EQ(vistas[0].situacao, "Juiz 1: sem controle   Juiz 2: sem controle");
    EXPECT_EQ(lampadas(vistas[0]), "--------------------*oo--o----");
    EXPECT_EQ(lampadas(vistas[1]), "--------------------+oo--o----") << "the new check starts unpressed, the board lit";
}

}  // namespace
}  // namespace vantor::teste
