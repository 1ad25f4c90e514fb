// Judges scoring through real (virtual) SDL controllers into the whole scoreboard, with the window's
// timers replayed on a virtual clock: 50 ms polls, one-second match ticks, two-second agreement windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <utility>

#include "luta.h"
#include "sdl_virtual.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

class Mesa : public ComVirtuais {
protected:
    Mesa() : antes_(std::filesystem::current_path()) { std::filesystem::current_path(pasta_.caminho()); }
    ~Mesa() override { std::filesystem::current_path(antes_); }
    void SetUp() override {
        ComVirtuais::SetUp();
        if (!IsSkipped())
            for (const char* nome : {"Juiz 1", "Juiz 2", "Juiz 3"}) Liga(nome);
    }

    // Starts the scoreboard with red value 1 of judges 1, 2 and 3 at positions 16, 31 and 45.
    void Abre() {
        std::string bytes(514, '\0');
        bytes[size_t{2} * 16] = 1;
        bytes[size_t{2} * 31] = 2;
        bytes[size_t{2} * 45] = 3;
        GravaArquivo("botoes.cfg", bytes);
        luta = std::make_unique<Luta>();
        luta->plat.numSlots = ControlesSDL::kSlots;
        luta->plat.leitor = [this](int s, LeituraControle& l) { return controles_.Le(s, l); };
        luta->plat.contaConectados = [this] { return controles_.Conectados(); };
        luta->plat.aoBombear = [this] { controles_.Bombeia(); };  // the poll pumps them itself
        vistos_ = {};
        Passa(50);
    }
    Vantor& v() { return luta->v; }

    // The window's timers, replayed: each core timer fires `Interval` after it was (re)started.
    const Timer& Relogio(size_t i) { return i ? v().Janela().Timer_Botao[i] : v().Janela().Timer_Luta; }
    void Sincroniza() {
        for (size_t i = 0; i <= 18; ++i)
            if (Relogio(i).Enabled && std::exchange(vistos_[i], Relogio(i).Restarts) != Relogio(i).Restarts)
                inicio_[i] = agora_;
    }
    void Passa(int ms) {
        for (int t = 0; t < ms; t += 50) {
            agora_ += 50;
            luta->plat.Avanca(50);
            v().Timer_Joystick_Timer();
            Sincroniza();
            for (size_t i = 0; i <= 18; ++i) {
                if (!Relogio(i).Enabled || agora_ - inicio_[i] < Relogio(i).Interval) continue;
                inicio_[i] += Relogio(i).Interval;
                if (i == 0)
                    v().Timer_Luta_Timer();
                else
                    v().Timer_Botao_Timer(static_cast<int>(i));
            }
            Sincroniza();
        }
    }
    void Tecla(int k) {
        luta->Tecla(k);
        Sincroniza();
    }
    // A judge's press and release, both between two polls, then `ms` of time.
    void Toque(int j, int botao, int ms = 50) {
        virtuais_[static_cast<size_t>(j)]->Botao(botao, true);
        virtuais_[static_cast<size_t>(j)]->Botao(botao, false);
        Passa(ms);
    }
    // The texts of a log's last lines, after the time stamps.
    static std::vector<std::string> Textos(std::vector<std::string> linhas, size_t ultimas) {
        linhas.erase(linhas.begin(), linhas.end() - static_cast<long>(std::min(ultimas, linhas.size())));
        for (auto& l : linhas) l.erase(0, l.find('\t') + 1);
        return linhas;
    }
    bool Acesa(int k) { return !v().tela().S_Botao[static_cast<size_t>(k)].FillSolid; }

    PastaTemporaria pasta_;
    std::filesystem::path antes_;
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
    virtuais_[0]->Botao(0, true);  // judge 1 holds red value 1
    Passa(1000);
    Toque(1, 1);  // judge 2 taps red value 1, well inside a poll
    EXPECT_EQ(v().tela().L_Pontos[2].Caption, "1");
    EXPECT_TRUE(Acesa(1) && Acesa(2));
    EXPECT_EQ(Textos(luta->Log(), 3),
              (std::vector<std::string>{"Round 1, Faltando 87s, Botão apertado:\t16\tJuiz 1 - Vermelho botao 1",
                                        "Round 1, Faltando 86s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1",
                                        "Round 1, Faltando 86s, Pontos: \tVermelho\t1\tRUI"}));
    Toque(2, 3, 1000);  // judge 3, red value 1 at position 45, inside judge 2's window the agreement used up
    EXPECT_EQ(v().Luta().PontosMarcados[2], 1);
}

TEST_F(Mesa, PressesThatMustNotScore) {
    Abre();
    luta->Configura({.Rounds = 2, .Tempo = 10, .Intervalo = 5});
    Toque(0, 0);  // before the start: shown and logged only
    EXPECT_TRUE(Acesa(1));
    Tecla(tecla::Enter);
    Toque(1, 1, 2100);
    Toque(0, 0);
    Toque(0, 0, 2450);  // the same judge twice
    Toque(1, 1, 2100);  // 2.5 s after judge 1's first press: that window has closed
    EXPECT_EQ(v().Luta().PontosMarcados[2], 0);

    Tecla(tecla::Espaco);  // paused: the agreement is used up without points
    Toque(0, 0, 100);
    Toque(1, 1);
    EXPECT_EQ(v().Luta().PontosMarcados[2], 0);
    EXPECT_EQ(v().Botoes().Pendentes, 0);
    Tecla(tecla::Espaco);
    Passa(5000);
    ASSERT_GE(v().Luta().ContaIntervalo, 0);  // the rest
    Toque(0, 0);
    Toque(1, 1);
    EXPECT_EQ(v().Luta().PontosMarcados[2], 0);
    EXPECT_EQ(Textos(luta->Log(), 1)[0], "Round 2, Faltando 10s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1");
}

TEST_F(Mesa, UnpluggingAJudgeKeepsTheOthersOnTheirPositions) {
    Abre();
    Tecla(tecla::Enter);
    virtuais_[1]->Desliga();
    Passa(100);
    Toque(0, 0);
    Toque(2, 3);  // judge 3's button 4 is position 45 only while judge 3 keeps slot 2
    EXPECT_EQ(v().Luta().PontosMarcados[2], 1);
    virtuais_[1] = std::make_unique<Virtual>("Juiz 2");
    Passa(100);
    Toque(0, 0);
    Toque(1, 1);  // back in slot 1, so position 31 again
    EXPECT_EQ(v().Luta().PontosMarcados[2], 2);
}

TEST_F(Mesa, AssignmentAsksForEachLampInTurnAndTheNextStartReadsTheMap) {
    const std::vector<int> ordens[] = {{1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18},
                                       {1, 4, 10, 13, 2, 5, 11, 14, 3, 6, 12, 15}};  // the second with Pontos3 = 0
    const size_t posicao[6] = {16, 15, 14, 13, 7, 6};  // in a judge's 16: buttons 1..4, stick right, stick down
    for (const auto& ordem : ordens) {
        const size_t n = ordem.size(), porJuiz = n / 3;
        SCOPED_TRACE(n);
        Abre();
        // Each judge's inputs in turn; judge 2's second lamp takes an input judge 1 already gave: it moves.
        std::vector<std::pair<size_t, int>> roteiro;  // judge, input
        for (size_t i = 0; i < n; ++i) roteiro.emplace_back(i / porJuiz, static_cast<int>(i % porJuiz));
        roteiro[porJuiz + 1] = {0, 3};
        std::vector<int> lampadas;
        luta->plat.aoEsperar = [&] {
            if (lampadas.size() >= n) return false;  // a lamp that never takes its press ends the test
            int acesas = 0;
            for (int k = 1; k <= 18; ++k) acesas += Acesa(k);
            EXPECT_EQ(acesas, 1) << "only the lamp being assigned is lit";
            const auto [j, e] = roteiro[lampadas.size()];
            lampadas.push_back(v().Botoes().Configurando_b);
            Virtual& c = *virtuais_[j];
            if (e < 4)
                c.Botao(e, true);
            else
                c.Eixo(e - 4, 32767);
            if (lampadas.size() == 1) c.Botao(1, true);  // two inputs in one poll: the lower position wins
            Passa(50);
            for (int b = 0; b < 4; ++b) c.Botao(b, false);
            for (int eixo : {0, 1}) c.Eixo(eixo, 0);
            Passa(50);
            return true;
        };
        luta->plat.aoMostrarConfiguracao = [&](Form2&) {
            if (n == 12) Cena(v(), [](Ajustes& a) { a.Pontos3 = 0; });
            v().PedeConfiguracaoBotoes();
        };
        const std::string antigo = v().Log().ArquivoLog;
        Tecla(tecla::F1);
        EXPECT_EQ(lampadas, ordem);
        std::array<int16_t, 257> esperado{};  // position -> button
        for (size_t i = 0; i < n; ++i)
            esperado[16 * roteiro[i].first + posicao[roteiro[i].second]] = static_cast<int16_t>(lampadas[i]);
        esperado[16] = 0;  // the first lamp took 15, the lower of two positions pressed at once, which then moved
        std::string bytes(514, '\0');
        for (size_t p = 0; p <= 256; ++p) bytes[2 * p] = static_cast<char>(esperado[p]);
        EXPECT_EQ(LeArquivo("botoes.cfg"), bytes);
        EXPECT_EQ(Textos(LinhasDe(antigo), 2), (std::vector<std::string>{"Botões configurados", "Luta zerada"}));
        EXPECT_EQ(v().tela().L_Msg.Caption, "[ENTER] Início");
        EXPECT_EQ(Luta().v.Botoes().MapaBotoes, esperado);
    }
}

}  // namespace
}  // namespace vantor::teste
