// The match record and every operation of the scoreboard. One instance per process (a test makes
// its own); the operations are spread over the subsystem folders but all work on this one record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/controles.h"
#include "app/plataforma.h"

namespace vantor {

// Virtual-key codes the scoreboard reacts to.
namespace tecla {
constexpr int Enter = 13, Esc = 27, Espaco = 32, Esquerda = 37, Acima = 38, Direita = 39, Abaixo = 40;
constexpr int Um = 49, S = 83, F1 = 112, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121,
              F11 = 122, F12 = 123;
constexpr int Alt = 4;
}  // namespace tecla

constexpr const char* kTitulo = "Vantor";
constexpr const char* kArquivoConfig = "vantor.ini";
constexpr const char* kArquivoBotoes = "botoes.cfg";

class Vantor {
public:
    explicit Vantor(Plataforma& plataforma) : plat(plataforma) {}
    Vantor(const Vantor&) = delete;
    Vantor& operator=(const Vantor&) = delete;

    Plataforma& plat;

    // ---- Settings ----
    int16_t Tempo = 0, TempoInicial = 0, Intervalo = 0, Rounds = 0, RoundInicial = 0, Arbitros = 0;
    int16_t ContaLutas = 0, Regra = 0, Limite = 0, Diferenca = 0, LimiteFaltas = 0;
    bool MeiaFaltaGolden = false;
    int16_t Pontos1 = 0, Pontos2 = 0, Pontos3 = 0;
    std::array<std::string, 3> Nome, L2;
    std::array<std::string, 11> Som;
    int16_t Lingua = 0;

    // ---- Shared tables and paths ----
    std::array<std::string, 101> Idioma;
    std::string PastaLog, ArquivoLog;

    // ---- Fight variables ----
    bool LutaIniciada = false;
    int16_t TempoRestante = 0, RoundAtual = 0, ContaIntervalo = 0, ContaMinuto = 0;
    bool Pausado = false, PausaLigada = false, LutaDecidida = false, EmGolden = false, MostraConfig = false;
    std::array<int16_t, 3> PontosMarcados{}, Faltas{};
    std::array<bool, 3> MeiaFalta{};
    int16_t Configurando_b = 0;
    int32_t Pendentes = 0;
    std::string EstadoControles;
    int16_t BotaoCapturado = 0;

    // ---- Judges' buttons ----
    std::array<int16_t, 257> MapaBotoes{};
    std::array<int32_t, 257> MascaraBotao{};
    std::array<std::string, 19> DescricaoBotao;

    // ---- Window ----
    Form1Controles tela;
    Timer Timer_Luta{true, 1000, 1};
    Timer Timer_Joystick{true, 50, 1};
    std::array<Timer, 19> Timer_Botao = TimersBotao();  // 1..18

    // ---- Start-up and operator commands ----
    void Form_Load();
    void Form_KeyDown(int KeyCode, int Shift);
    void K_Amais_Click();
    void K_Amenos_Click();
    void K_VMais_Click();
    void K_Vmenos_Click();
    void K_FAMais_Click();
    void K_FAMenos_Click();
    void K_FVMais_Click();
    void K_FVMenos_Click();
    void K_Amais_DblClick() { K_Amais_Click(); }
    void K_Amenos_DblClick() { K_Amenos_Click(); }
    void K_VMais_DblClick() { K_VMais_Click(); }
    void K_Vmenos_DblClick() { K_Vmenos_Click(); }
    void K_FAMais_DblClick() { K_FAMais_Click(); }
    void K_FAMenos_DblClick() { K_FAMenos_Click(); }
    void K_FVMais_DblClick() { K_FVMais_Click(); }
    void K_FVMenos_DblClick() { K_FVMenos_Click(); }
    void L_Msg_Click();
    void L_Tempo_Click();
    void M_Config_Click();
    void M_Minuto_Click();
    void M_Sumula_Click();
    void L_Pontos_DblClick(int Index);
    void Configura();
    // Routes a mouse event on a named control to its handler; false when the control has none.
    bool Clique(const std::string& nome, Toque toque);

    // ---- Match clock and sound cues ----
    void Timer_Luta_Timer();
    void Inicio_Luta();
    void Espaco();
    void Minuto();
    // A message of "-" stands for the word "Pausa" in the current language.
    void Pausar(bool p, std::string Msg, uint32_t corfundo, uint32_t corfrente);
    void ResetaTimer();
    void TocaSom(int n);

    // ---- Layout scaling and message line ----
    void ReajustaTela();
    void Mensagem(const std::string& m = "", uint32_t corfundo = 0, uint32_t corfrente = 0);

    // ---- Scores and penalties ----
    void PontoAMais();
    void PontoAMenos();
    void PontoVMais();
    void PontoVMenos();
    void AMais();
    void AMenos();
    void VMais();
    void VMenos();

    // ---- Refresh, victory, reset ----
    void AtualizaTela();
    void ChecaVitoria();
    void ZeraLuta();

    // ---- Log and scoresheet ----
    void GravaLog(const std::string& texto);
    std::string LogR() const;
    std::string LogT() const;
    std::string LogTR() const;
    void Sumula();
    // Time stamp of a log line, taken from one clock reading.
    std::string Carimbo();

    // ---- Language ----
    void CarregaIdioma();
    std::string Traduz(int entrada) const;
    void Acerta_Idioma();

    // ---- Controllers, judges' agreement, button map ----
    void Timer_Joystick_Timer();
    std::string LeControles();
    static std::string BinarioBotoes(uint16_t palavra);
    void Dispara(const std::string& x);
    int b(int botao) const;
    void Checa(int b1, int b2, int b3, int Cor, int16_t p_Pontos);
    void Timer_Botao_Timer(int k);
    void PreparaBotoes();  // start-up: masks, default map, descriptions, then the button file
    bool ConfiguraBotoes();  // false when the window went away while it waited
    bool LeBotoes();    // false when there is no usable button file; the map is then untouched
    bool GravaBotoes();  // false when the file could not be written; the old one stays
    void AcendeLampada(int k, bool acesa);
    bool Capturando() const { return BotaoCapturado == kEsperandoBotao; }
    static constexpr int16_t kEsperandoBotao = 999;
    static constexpr int16_t kPedeConfiguracaoBotoes = 99;

    // ---- Settings file ----
    void LeConfig();
    bool GravaConfig();  // false when the file could not be written; the old one stays
    std::string CaminhoConfig() const;

private:
    static std::array<Timer, 19> TimersBotao() {
        std::array<Timer, 19> t{};
        for (auto& timer : t) timer.Interval = 2000;
        return t;
    }
    void Penalidade(int cor, bool mais);
    void Ponto(int cor, int passo);
};

}  // namespace vantor
