// The button file, the controller state text and the assignment mode's edges, with scripted controllers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luta.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

// Runs each test in its own working folder, where the button file lives.
class Botoes : public ::testing::Test {
protected:
    Botoes() : antes_(std::filesystem::current_path()) { std::filesystem::current_path(pasta_.caminho()); }
    ~Botoes() override { std::filesystem::current_path(antes_); }

    static void Escreve(const std::string& bytes) { std::ofstream("botoes.cfg", std::ios::binary) << bytes; }
    static std::string Mapa(std::initializer_list<std::pair<int, int16_t>> entradas, size_t tamanho = 514) {
        std::string bytes(tamanho, '\0');
        for (auto [p, valor] : entradas) {
            bytes[2 * static_cast<size_t>(p)] = static_cast<char>(valor & 0xFF);
            bytes[2 * static_cast<size_t>(p) + 1] = static_cast<char>((valor >> 8) & 0xFF);
        }
        return bytes;
    }
    static constexpr int16_t kPadrao16 = 3, kPadrao47 = 12;  // two entries of the built-in map

    PastaTemporaria pasta_;
    std::filesystem::path antes_;
};

TEST_F(Botoes, BadFilesLeaveTheDefaultMapOrReadAsZero) {
    struct {
        const char* caso;
        std::string bytes;
        int16_t em16, em47, em31;
    } casos[] = {
        {"empty", "", kPadrao16, kPadrao47, 1},
        {"one byte short", Mapa({{16, 7}}, 513), kPadrao16, kPadrao47, 1},
        {"exact", Mapa({{16, 7}, {31, 18}}), 7, 0, 18},
        {"longer: the first 514 bytes count", Mapa({{16, 7}}, 600) + std::string(10, '\x05'), 7, 0, 0},
        {"out of range reads 0", Mapa({{16, 19}, {47, -1}, {31, 999}}), 0, 0, 0},
    };
    for (const auto& c : casos) {
        Escreve(c.bytes);
        Luta luta;
        EXPECT_EQ(luta.v.MapaBotoes[16], c.em16) << c.caso;
        EXPECT_EQ(luta.v.MapaBotoes[47], c.em47) << c.caso;
        EXPECT_EQ(luta.v.MapaBotoes[31], c.em31) << c.caso;
    }
    std::filesystem::remove("botoes.cfg");
    std::filesystem::create_directory("botoes.cfg");
    Luta pasta;
    EXPECT_EQ(pasta.v.MapaBotoes[16], kPadrao16) << "a folder is no button file";
}

TEST_F(Botoes, StateTextKeepsEachInputAtItsPosition) {
    Luta luta;
    EXPECT_EQ(Vantor::BinarioBotoes(0x0209), "0000001000001001");
    luta.plat.numSlots = 20;  // slots past the sixteenth are never read
    luta.plat.leituras[0] = {65535, 0, 0, 0};
    luta.plat.leituras[2] = {40000, 40001, 0, 0b1001};
    luta.plat.leituras[15].botoes = 1;
    const std::string texto = luta.v.LeControles();
    ASSERT_EQ(texto.size(), 256u);
    for (size_t p = 1; p <= 256; ++p)
        EXPECT_EQ(texto[p - 1], (p == 7 || p == 38 || p == 45 || p == 48 || p == 256) ? '1' : '0') << "position " << p;
}

TEST_F(Botoes, AgreementWindowsAreCoreTimersThatAnEnableDoesNotRestart) {
    Luta luta;
    luta.plat.numSlots = 1;
    luta.v.Timer_Joystick_Timer();  // the first poll only learns the state
    luta.Tecla(tecla::Enter);
    luta.plat.leituras[0].botoes = 0b0100;  // position 14: judge 2, red, value 2
    luta.v.Timer_Joystick_Timer();
    const Timer& t = luta.v.Timer_Botao[5];
    EXPECT_TRUE(t.Enabled);
    EXPECT_EQ(t.Interval, 2000);
    const unsigned reinicios = t.Restarts;
    luta.plat.leituras[0].botoes = 0;
    luta.v.Timer_Joystick_Timer();
    luta.plat.leituras[0].botoes = 0b0100;
    luta.v.Timer_Joystick_Timer();
    EXPECT_EQ(t.Restarts, reinicios) << "a second press must not move the end of the window";
    EXPECT_EQ(luta.v.Pendentes, 1 << 4);
    EXPECT_FALSE(luta.v.tela.S_Botao[5].FillSolid);
    luta.v.Timer_Botao_Timer(5);
    EXPECT_FALSE(t.Enabled);
    EXPECT_EQ(luta.v.Pendentes, 0);
    EXPECT_TRUE(luta.v.tela.S_Botao[5].FillSolid);
    EXPECT_EQ(luta.Log().back(), Luta::L("14:03:27", "Round 1, Faltando 60s, Botão apertado:\t14\tJuiz 2 - Vermelho botao 2"));
}

TEST_F(Botoes, WithoutControllersTheAssignmentSaysSoAndWithdrawsTheRequest) {
    Luta luta(2);
    luta.plat.numSlots = 16;  // slots exist, nothing is plugged in
    luta.plat.aoMostrarConfiguracao = [&](Form2&) { luta.v.Configurando_b = Vantor::kPedeConfiguracaoBotoes; };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.plat.avisos, std::vector<std::string>{"No controls found"});
    EXPECT_EQ(luta.v.Configurando_b, 0);
    luta.plat.aoMostrarConfiguracao = nullptr;
    luta.Tecla(tecla::F1);
    EXPECT_EQ(luta.plat.avisos.size(), 1u) << "the request was used up";
    EXPECT_FALSE(std::filesystem::exists("botoes.cfg"));
}

TEST_F(Botoes, DuringTheAssignmentOnlyAltF4ActsAndAClosedWindowWritesNothing) {
    Luta luta;
    luta.plat.numSlots = 16;
    luta.plat.conectados = 1;
    int esperas = 0;
    luta.plat.aoEsperar = [&] {
        ++esperas;
        luta.Tecla(tecla::Enter);
        luta.Tecla(tecla::Esc);
        luta.v.Clique("L_Msg", Toque::Clique);
        luta.Tecla(tecla::F4, tecla::Alt);
        return esperas < 3;  // then the window closes
    };
    const size_t linhas = luta.Log().size();
    luta.plat.aoMostrarConfiguracao = [&](Form2&) { luta.v.Configurando_b = Vantor::kPedeConfiguracaoBotoes; };
    luta.Tecla(tecla::F1);
    EXPECT_EQ(esperas, 3);
    EXPECT_EQ(luta.plat.encerramentos, 3);
    EXPECT_TRUE(luta.plat.perguntas.empty());
    EXPECT_FALSE(luta.v.LutaIniciada);
    EXPECT_FALSE(std::filesystem::exists("botoes.cfg"));
    EXPECT_EQ(luta.Log().size(), linhas) << "no reset and no log line after the window went away";
    EXPECT_EQ(luta.v.tela.L_Msg.Caption, "Configurando Botões");
}

}  // namespace
}  // namespace vantor::teste
