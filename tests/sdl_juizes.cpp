// Judges scoring through real (virtual) SDL controllers into the whole scoreboard, with the window's
// timers replayed on a virtual clock: 50 ms polls, one-second match ticks, two-second agreement windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "luta.h"
#include "platform/controles_sdl.h"
#include "sdl_virtual.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// Position of a controller's stick-right input in the state text.
int PosicaoDireita(int slot) { return 16 * slot + 7; }

class Mesa : public ::testing::Test {
protected:
    Mesa() : antes_(std::filesystem::current_path()) {
        std::filesystem::current_path(pasta_.caminho());
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) return;  // SetUp skips
        for (const char* nome : {"Juiz 1", "Juiz 2", "Juiz 3"}) juiz.push_back(std::make_unique<Virtual>(nome));
    }
    ~Mesa() override {
        juiz.clear();
        std::filesystem::current_path(antes_);
    }
    void SetUp() override {
        if (juiz.empty()) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }

    // Starts the scoreboard with this map (position -> button) in the button file.
    void Abre(std::initializer_list<std::pair<int, int>> mapa = {{16, 1}, {31, 2}, {45, 3}, {PosicaoDireita(0), 10}}) {
        std::string bytes(514, '\0');
        for (auto [p, k] : mapa) bytes[2 * static_cast<size_t>(p)] = static_cast<char>(k);
        GravaArquivo("botoes.cfg", bytes);
        luta = std::make_unique<Luta>();
        luta->plat.numSlots = ControlesSDL::kSlots;
        luta->plat.leitor = [this](int s, LeituraControle& l) { return controles_.Le(s, l); };
        luta->plat.contaConectados = [this] { return controles_.Conectados(); };
        Passa(50);
    }
    Vantor& v() { return luta->v; }

    // The window's timers, replayed: each core timer fires `Interval` after it was (re)started.
    void Sincroniza() {
        auto segue = [this](Timer& t, size_t i) {
            if (t.Enabled && t.Restarts != vistos_[i]) {
                vistos_[i] = t.Restarts;
                inicio_[i] = agora_;
            }
        };
        segue(v().Timer_Luta, 0);
        for (size_t k = 1; k <= 18; ++k) segue(v().Timer_Botao[k], k);
    }
    void Passa(int ms) {
        for (int t = 0; t < ms; t += 50) {
            agora_ += 50;
            luta->plat.Avanca(50);
            controles_.Bombeia();
            v().Timer_Joystick_Timer();
            Sincroniza();
            auto vence = [this](Timer& t, size_t i) {
                if (!t.Enabled || agora_ - inicio_[i] < t.Interval) return false;
                inicio_[i] += t.Interval;
                return true;
            };
            if (vence(v().Timer_Luta, 0)) v().Timer_Luta_Timer();
            for (size_t k = 1; k <= 18; ++k)
                if (vence(v().Timer_Botao[k], k)) v().Timer_Botao_Timer(static_cast<int>(k));
            Sincroniza();
        }
    }
    void Tecla(int k) {
        luta->Tecla(k);
        Sincroniza();
    }
    // A judge's press and release, both between two polls.
    void Toque(int j, int botao) {
        juiz[static_cast<size_t>(j)]->Botao(botao, true);
        juiz[static_cast<size_t>(j)]->Botao(botao, false);
    }
    // The log's texts after the time stamps.
    std::vector<std::string> Textos(size_t ultimas) {
        std::vector<std::string> r;
        const auto linhas = luta->Log();
        for (size_t i = linhas.size() - std::min(ultimas, linhas.size()); i < linhas.size(); ++i)
            r.push_back(linhas[i].substr(linhas[i].find('\t') + 1));
        return r;
    }
    bool Acesa(int k) { return !v().tela.S_Botao[static_cast<size_t>(k)].FillSolid; }

    PastaTemporaria pasta_;
    std::filesystem::path antes_;
    ControlesSDL controles_;  // outlives the virtual controllers
    std::vector<std::unique_ptr<Virtual>> juiz;
    std::unique_ptr<Luta> luta;
    long agora_ = 0;
    std::array<unsigned, 19> vistos_{};
    std::array<long, 19> inicio_{};
};

TEST_F(Mesa, TwoJudgesAgreeWithinTwoSecondsAndRedScoresOnce) {
    Abre();
    luta->Configura({.Tempo = 90, .Vermelho = "RUI"});
    Tecla(tecla::Enter);
    Passa(3000);
    juiz[0]->Botao(0, true);  // judge 1 holds red value 1
    Passa(1000);
    EXPECT_TRUE(Acesa(1));
    Toque(1, 1);  // judge 2 taps red value 1, well inside a poll
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 1);
    EXPECT_EQ(v().tela.L_Pontos[2].Caption, "1");
    EXPECT_TRUE(Acesa(1) && Acesa(2));
    EXPECT_EQ(Textos(3), (std::vector<std::string>{"Round 1, Faltando 87s, Botão apertado:\t16\tJuiz 1 - Vermelho botao 1",
                                                   "Round 1, Faltando 86s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1",
                                                   "Round 1, Faltando 86s, Pontos: \tVermelho\t1\tRUI"}));
    Passa(1000);
    EXPECT_FALSE(Acesa(1)) << "each lamp goes out two seconds after its press";
    EXPECT_TRUE(Acesa(2));
    Toque(2, 3);  // judge 3, red value 1 at position 45, after the agreement used the window up
    Passa(2050);
    EXPECT_EQ(v().PontosMarcados[2], 1);
    EXPECT_FALSE(Acesa(2) || Acesa(3));
}

TEST_F(Mesa, PressesThatMustNotScore) {
    Abre();
    Tecla(tecla::Enter);
    Toque(0, 0);
    Passa(50);
    Toque(0, 0);  // the same judge twice
    Passa(2450);
    Toque(1, 1);  // judge 2, 2.5 s after judge 1's first press: that window has closed
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 0);

    Passa(2000);
    Tecla(tecla::Espaco);  // paused: the agreement is used up without points
    Toque(0, 0);
    Passa(100);
    Toque(1, 1);
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 0);
    EXPECT_EQ(v().Pendentes, 0);
    EXPECT_EQ(Textos(1)[0], "Round 1, Faltando 56s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1");
}

TEST_F(Mesa, PressesBeforeTheStartAndDuringTheRestNeverCount) {
    Abre();
    luta->Configura({.Rounds = 2, .Tempo = 1, .Intervalo = 5});
    Toque(0, 0);  // before Enter: shown and logged only
    Passa(50);
    EXPECT_TRUE(Acesa(1));
    Tecla(tecla::Enter);
    Toque(1, 1);
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 0);
    Passa(2000);
    ASSERT_GE(v().ContaIntervalo, 0);
    Toque(0, 0);
    Passa(50);
    Toque(1, 1);
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 0);
    EXPECT_EQ(Textos(1)[0], "Round 2, Faltando 1s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1");
}

TEST_F(Mesa, UnpluggingAJudgeKeepsTheOthersOnTheirPositions) {
    Abre();
    Tecla(tecla::Enter);
    juiz[1]->Desliga();
    Passa(100);
    Toque(0, 0);
    Passa(50);
    Toque(2, 3);  // judge 3's button 4 is position 45 only while judge 3 keeps slot 2
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 1);
    juiz[1] = std::make_unique<Virtual>("Juiz 2");
    Passa(100);
    Toque(0, 0);
    Passa(50);
    Toque(1, 1);  // back in slot 1, so position 31 again
    Passa(50);
    EXPECT_EQ(v().PontosMarcados[2], 2);
    juiz[0]->Eixo(0, 32767);  // stick right: position 7, blue value 1 for judge 1 alone
    Passa(50);
    EXPECT_TRUE(Acesa(10));
}

TEST_F(Mesa, AssignmentLightsEachLampInTurnAndTheNextStartReadsTheMap) {
    Abre();
    // Judge j's six inputs, in the order the lamps ask for them: buttons 1..4, stick right, stick down.
    struct Entrada {
        int juiz, botao;  // botao 4 and 5 are the stick
    };
    std::vector<Entrada> roteiro;
    for (int j = 0; j < 3; ++j)
        for (int b = 0; b < 6; ++b) roteiro.push_back({j, b});
    roteiro[7] = {0, 3};  // judge 2's second lamp takes an input judge 1 already gave: it moves
    std::vector<int> lampadas;
    size_t passo = 0;
    luta->plat.aoEsperar = [&] {
        if (passo >= roteiro.size()) return false;  // a lamp that never takes its press ends the test
        int acesas = 0;
        for (int k = 1; k <= 18; ++k) acesas += Acesa(k);
        EXPECT_EQ(acesas, 1) << "only the lamp being assigned is lit";
        lampadas.push_back(v().Configurando_b);
        const Entrada e = roteiro.at(passo++);
        Virtual& c = *juiz[static_cast<size_t>(e.juiz)];
        if (e.botao < 4) {
            c.Botao(e.botao, true);
            if (passo == 1) c.Botao(1, true);  // two inputs in one poll: the lower position wins
        } else {
            c.Eixo(e.botao - 4, 32767);
        }
        Passa(50);
        c.Botao(0, false);
        c.Botao(1, false);
        c.Botao(e.botao < 4 ? e.botao : 0, false);
        c.Eixo(0, 0);
        c.Eixo(1, 0);
        Passa(50);
        return true;
    };
    luta->plat.aoMostrarConfiguracao = [&](Form2&) { v().Configurando_b = Vantor::kPedeConfiguracaoBotoes; };
    Tecla(tecla::F1);
    EXPECT_EQ(lampadas, (std::vector<int>{1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18}));
    const std::string arquivo = LeArquivo("botoes.cfg");
    ASSERT_EQ(arquivo.size(), 514u);
    std::map<int, int> esperado;  // position -> button
    const int pos[6] = {0, 1, 2, 3, 9, 10};  // bit of each input
    for (size_t i = 0; i < roteiro.size(); ++i)
        esperado[16 * roteiro[i].juiz + 16 - pos[roteiro[i].botao]] = lampadas[i];
    esperado.erase(16);  // the first lamp took 15, the lower of two positions pressed at once, which then moved
    for (int p = 0; p <= 256; ++p) {
        const int noArquivo = static_cast<uint8_t>(arquivo[2 * static_cast<size_t>(p)]);
        EXPECT_EQ(noArquivo, esperado.count(p) ? esperado[p] : 0) << "position " << p;
    }
    EXPECT_EQ(v().tela.L_Msg.Caption, "[ENTER] Início");

    Luta depois;
    for (int p = 0; p <= 256; ++p) EXPECT_EQ(depois.v.MapaBotoes[static_cast<size_t>(p)], v().MapaBotoes[p]);
}

TEST_F(Mesa, WithoutAThirdValueTheAssignmentAsksForTwelveButtons) {
    Abre();
    std::vector<int> lampadas;
    luta->plat.aoEsperar = [&] {
        if (lampadas.size() > 20) return false;  // a lamp that never takes its press ends the test
        const int b = static_cast<int>(lampadas.size() / 3);
        Virtual& c = *juiz[lampadas.size() % 3];
        lampadas.push_back(v().Configurando_b);
        c.Botao(b, true);
        Passa(50);
        c.Botao(b, false);
        Passa(50);
        return true;
    };
    luta->plat.aoMostrarConfiguracao = [&](Form2&) {
        v().Pontos3 = 0;
        v().Configurando_b = Vantor::kPedeConfiguracaoBotoes;
    };
    const std::string antigo = v().ArquivoLog;
    Tecla(tecla::F1);
    EXPECT_EQ(lampadas, (std::vector<int>{1, 4, 10, 13, 2, 5, 11, 14, 3, 6, 12, 15}));
    for (int k : {7, 8, 9, 16, 17, 18})
        EXPECT_EQ(std::count(v().MapaBotoes.begin(), v().MapaBotoes.end(), k), 0) << "button " << k;
    const auto linhas = LinhasDe(antigo);
    const auto fim = std::find_if(linhas.begin(), linhas.end(),
                                  [](const std::string& l) { return l.ends_with("\tBotões configurados"); });
    ASSERT_NE(fim, linhas.end());
    ASSERT_NE(fim + 1, linhas.end());
    EXPECT_TRUE(fim[1].ends_with("\tLuta zerada")) << "the reset follows the assignment";
}

}  // namespace
}  // namespace vantor::teste
