// Judges scoring through real (virtual) SDL controllers into the whole scoreboard, polled every 50 ms of a fake
// clock. The agreement windows' timing is the core's and is tested with scripted controllers in core_botoes.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "luta.h"
#include "sdl_virtual.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

class Mesa : public ComVirtuais {
protected:
    Mesa() : antes_(std::filesystem::current_path()) { std::filesystem::current_path(pasta_.caminho()); }
    ~Mesa() override { std::filesystem::current_path(antes_); }
    // Three judges; red value 1 of judges 1, 2 and 3 at positions 16, 31 and 45 of the button file.
    void SetUp() override {
        ComVirtuais::SetUp();
        if (IsSkipped()) return;
        for (const char* nome : {"Juiz 1", "Juiz 2", "Juiz 3"}) Liga(nome);
        std::string bytes(514, '\0');
        bytes[2 * 16] = 1, bytes[2 * 31] = 2, bytes[2 * 45] = 3;
        GravaArquivo("botoes.cfg", bytes);
        luta = std::make_unique<Luta>();
        luta->plat.numSlots = ControlesSDL::kSlots;
        luta->plat.leitor = [this](int s, LeituraControle& l) { return controles_.Le(s, l); };
        luta->plat.contaConectados = [this] { return controles_.Conectados(); };
        luta->plat.aoBombear = [this] { controles_.Bombeia(); };  // the poll pumps them itself
        Passa();
    }
    void Passa(int polls = 1) {
        for (int i = 0; i < polls; ++i) luta->plat.Avanca(50), luta->v.Timer_Joystick_Timer();
    }
    // A judge's press and release, both between two polls.
    void Toque(size_t j, int botao) {
        virtuais_[j]->Botao(botao, true), virtuais_[j]->Botao(botao, false);
        Passa();
    }
    bool Acesa(size_t k) { return !luta->v.tela().S_Botao[k].FillSolid; }
    // The texts of a log's last lines, after the time stamps.
    static std::vector<std::string> Textos(std::vector<std::string> linhas, size_t ultimas) {
        linhas.erase(linhas.begin(), linhas.end() - static_cast<long>(ultimas));
        for (auto& l : linhas) l.erase(0, l.find('\t') + 1);
        return linhas;
    }

    PastaTemporaria pasta_;
    std::filesystem::path antes_;
    std::unique_ptr<Luta> luta;
};

TEST_F(Mesa, TwoJudgesAgreeAndRedScoresOnceAndNotWhilePaused) {
    luta->Configura({.Tempo = 90, .Vermelho = "RUI"});
    luta->Tecla(tecla::Enter);
    virtuais_[0]->Botao(0, true);  // judge 1 holds red value 1
    Passa(20);
    Toque(1, 1);  // judge 2 taps it, well inside a poll
    EXPECT_EQ(luta->v.tela().L_Pontos[Vermelho].Caption, "1");
    EXPECT_TRUE(Acesa(1) && Acesa(2));
    EXPECT_EQ(Textos(luta->Log(), 3),
              (std::vector<std::string>{"Round 1, Faltando 90s, Botão apertado:\t16\tJuiz 1 - Vermelho botao 1",
                                        "Round 1, Faltando 90s, Botão apertado:\t31\tJuiz 2 - Vermelho botao 1",
                                        "Round 1, Faltando 90s, Pontos: \tVermelho\t1\tRUI"}));
    Toque(2, 3);  // judge 3 at position 45, inside the window the agreement used up: it waits alone
    luta->Tecla(tecla::Espaco);
    virtuais_[0]->Botao(0, false);
    Passa();
    Toque(0, 0);  // paused: judge 1 agrees with judge 3 again, and the agreement is used up without points
    EXPECT_EQ(luta->v.Luta().PontosMarcados[Vermelho], 1);
    EXPECT_EQ(luta->v.Botoes().Pendentes, 0);
}

TEST_F(Mesa, AssignmentAsksForEachLampInTurnAndTheNextStartReadsTheMap) {
    const std::vector<int> ordem = {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18};
    const size_t posicao[6] = {16, 15, 14, 13, 7, 6};  // in a judge's 16: buttons 1..4, stick right, stick down
    // Each judge's six inputs in turn; judge 2's second lamp takes an input judge 1 already gave: it moves.
    std::vector<std::pair<size_t, int>> roteiro;  // judge, input
    for (size_t i = 0; i < 18; ++i) roteiro.emplace_back(i / 6, static_cast<int>(i % 6));
    roteiro[7] = {0, 3};
    std::vector<int> lampadas;
    luta->plat.aoEsperar = [&] {
        if (lampadas.size() >= 18) return false;  // a lamp that never takes its press ends the test
        int acesas = 0;
        for (size_t k = 1; k <= 18; ++k) acesas += Acesa(k);
        EXPECT_EQ(acesas, 1) << "only the lamp being assigned is lit";
        const auto [j, e] = roteiro[lampadas.size()];
        lampadas.push_back(luta->v.Botoes().Configurando_b);
        virtuais_[j]->Muda(e, true);
        if (lampadas.size() == 1) virtuais_[j]->Botao(1, true);  // two inputs in one poll: the lower position wins
        Passa();
        for (int k = 0; k < 6; ++k) virtuais_[j]->Muda(k, false);
        Passa();
        return true;
    };
    luta->plat.aoMostrarConfiguracao = [&](Form2&) { luta->v.PedeConfiguracaoBotoes(); };
    const std::string antigo = luta->v.Log().ArquivoLog;
    luta->Tecla(tecla::F1);
    EXPECT_EQ(lampadas, ordem);
    std::array<int16_t, 257> esperado{};  // position -> button
    for (size_t i = 0; i < 18; ++i)
        esperado[16 * roteiro[i].first + posicao[roteiro[i].second]] = static_cast<int16_t>(lampadas[i]);
    esperado[16] = 0;  // the first lamp took 15, the lower of two positions pressed at once, which then moved
    std::string bytes(514, '\0');
    for (size_t p = 0; p <= 256; ++p) bytes[2 * p] = static_cast<char>(esperado[p]);
    EXPECT_EQ(LeArquivo("botoes.cfg"), bytes);
    EXPECT_EQ(Textos(LinhasDe(antigo), 2), (std::vector<std::string>{"Botões configurados", "Luta zerada"}));
    EXPECT_EQ(luta->v.tela().L_Msg.Caption, "[ENTER] Início");
    EXPECT_EQ(Luta().v.Botoes().MapaBotoes, esperado);
}

}  // namespace
}  // namespace vantor::teste
