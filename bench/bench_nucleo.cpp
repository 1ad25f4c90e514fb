// Core throughput: a tournament day through the record alone, on a simulated clock. Every second has
// twenty controller polls and one match-clock tick; a seeded operator starts, scores, pauses, calls
// time-outs and resets fights, and three scripted judges press their buttons. The logs and the saved fight
// are really written, to a private folder.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <vector>

#include "app/form2.h"
#include "app/vantor.h"
#include "mapa_juizes.h"
#include "medidas.h"

using namespace vantor;
using namespace vantor::bench;

namespace {

// The outside world for a headless day: a clock that the day's loop moves on, scripted controller
// slots, and OK to every question.
class PlataformaSimulada : public Plataforma {
public:
    std::string temp, pastaPrograma;
    int64_t ms = 0;  // since 08:00 on the day
    std::array<uint16_t, 16> leituras{};
    std::function<void()> aoConfigurar;
    long sons = 0, perguntas = 0, sumulas = 0, avisos = 0;

    Momento Agora() override {
        const int64_t s = int64_t{8} * 3600 + ms / 1000;
        return {2026,
                12,
                7,
                static_cast<int>(s / 3600 % 24),
                static_cast<int>(s / 60 % 60),
                static_cast<int>(s % 60),
                static_cast<int>(ms % 1000)};
    }
    std::string Carimbo(const Momento& m) override {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d,%02d", m.dia, m.mes, m.ano, m.hora, m.minuto,
                      m.segundo, m.milissegundo / 10);
        return buf;
    }
    std::string Ambiente(const std::string& nome) override { return nome == "TEMP" ? temp : ""; }
    std::string PastaPrograma() override { return pastaPrograma; }
    int LarguraTela() override { return 1024; }
    int AlturaTela() override { return 768; }
    void TocaWav(const std::string&) override { ++sons; }
    bool PerguntaOkCancela(const std::string&, const std::string&, bool) override {
        ++perguntas;
        return true;
    }
    void Avisa(const std::string&, const std::string&) override { ++avisos; }
    void MostraConfiguracao(Form2&) override {
        if (aoConfigurar) aoConfigurar();
    }
    void MostraEscolhaSom(FormSom&) override {}
    void AbreSumula(const std::string&, int) override { ++sumulas; }
    void Encerra() override {}
    int joyGetNumDevs() override { return 16; }
    bool joyGetPos(int slot, uint16_t& l) override {
        if (slot < 0 || slot >= kJuizes) return false;  // nothing plugged in there
        l = leituras[static_cast<size_t>(slot)];
        return true;
    }
    int ControlesConectados() override { return kJuizes; }
    void BombeiaControles() override {}
    bool ControlesDuvidosos() override { return false; }
    void PreparaSons(const std::vector<std::string>&) override {}
    bool EsperaEventos() override { return false; }
};

struct Contagem {
    long ticks = 0, polls = 0, lampadas = 0, teclas = 0, apertos = 0, lutas = 0;
};

// The day's loop: the clock, the polls, the lamps' two-second timers, the operator and the judges.
class Dia {
public:
    Dia(PlataformaSimulada& plat, Vantor& v, unsigned semente) : plat_(plat), v_(v), sorte_(semente) {}

    void Segundo() {
        for (int p = 0; p < 20; ++p) {
            plat_.ms += 50;
            Juizes();
            v_.Timer_Joystick_Timer();
            ++n.polls;
            Lampadas();
            Operador();
            Lampadas();
        }
        v_.Timer_Luta_Timer();
        ++n.ticks;
    }

    Contagem n;

private:
    bool Chance(double porSegundo) { return std::uniform_real_distribution<double>(0, 1)(sorte_) < porSegundo / 20.0; }
    int64_t Entre(int64_t a, int64_t b) { return std::uniform_int_distribution<int64_t>(a, b)(sorte_); }

    void Tecla(int codigo) {
        v_.Form_KeyDown(codigo, 0);
        ++n.teclas;
    }

    // Each lamp's timer fires two seconds after the record (re)started it, as the window's would.
    void Lampadas() {
        for (size_t k = 1; k <= 18; ++k) {
            const Timer& t = v_.Janela().Timer_Botao[k];
            if (!t.Enabled) continue;
            if (t.Restarts != vistos_[k]) {
                vistos_[k] = t.Restarts;
                inicio_[k] = plat_.ms;
            } else if (plat_.ms - inicio_[k] >= t.Interval) {
                inicio_[k] += t.Interval;
                v_.Timer_Botao_Timer(static_cast<int>(k));
                ++n.lampadas;
            }
        }
    }

    void Operador() {
        const int64_t agora = plat_.ms;
        if (!v_.Luta().LutaIniciada) {
            if (proximaLuta_ < 0) proximaLuta_ = agora + Entre(20'000, 120'000);
            if (agora < proximaLuta_) return;
            // Now and then the settings change between fights.
            if (Entre(0, 9) == 0) Tecla(tecla::F1);
            Tecla(tecla::Enter);
            ++n.lutas;
            inicioLuta_ = agora;
            proximaLuta_ = fimLuta_ = retoma_ = -1;
            return;
        }
        if (fimLuta_ < 0 && (v_.Luta().LutaDecidida || agora - inicioLuta_ > int64_t{12} * 60'000))
            fimLuta_ = agora + Entre(5'000, 30'000);
        if (fimLuta_ >= 0 && agora >= fimLuta_) {
            if (Entre(0, 3) == 0) Tecla(tecla::S);
            Tecla(tecla::Esc);  // OK to the question: a new fight
            return;
        }
        if (v_.Luta().Pausado && v_.Luta().ContaIntervalo < 0 && v_.Luta().ContaMinuto < 0) {
            if (retoma_ < 0) retoma_ = agora + Entre(3'000, 20'000);
            if (agora >= retoma_) {
                Tecla(tecla::Espaco);
                retoma_ = -1;
            }
            return;
        }
        static constexpr int kPontos[] = {tecla::F12, tecla::Esquerda, tecla::F8,  tecla::Direita,
                                          tecla::F12, tecla::F8,       tecla::F11, tecla::F7};
        static constexpr int kFaltas[] = {tecla::F5, tecla::Acima, tecla::F9, tecla::Abaixo, tecla::F6, tecla::F10};
        if (Chance(1.0 / 8)) Tecla(kPontos[Entre(0, std::size(kPontos) - 1)]);
        if (Chance(1.0 / 25)) Tecla(kFaltas[Entre(0, std::size(kFaltas) - 1)]);
        if (!v_.Luta().Pausado && Chance(1.0 / 60)) Tecla(tecla::Espaco);
        if (Chance(1.0 / 400)) Tecla(tecla::Um);
    }

    // Every few seconds a technique: two or three judges press the same corner and value within
    // a second and a half, each holding for one to eight polls; now and then a lone press.
    void Juizes() {
        const int64_t agora = plat_.ms;
        if (Chance(1.0 / 5)) {
            const int vermelho = static_cast<int>(Entre(0, 1));
            const int64_t sorteio = Entre(0, 9);
            const int valor = sorteio < 6 ? 0 : sorteio < 9 ? 1 : 2;
            const int64_t quantos = Entre(0, 4) == 0 ? 1 : Entre(2, 3);
            int primeiro = static_cast<int>(Entre(0, kJuizes - 1));
            for (int64_t q = 0; q < quantos; ++q) {
                const int j = (primeiro + static_cast<int>(q)) % kJuizes;
                const int e = (vermelho ? 0 : 3) + valor;
                auto& janela = segura_[static_cast<size_t>(j)][static_cast<size_t>(e)];
                if (janela.second > agora) continue;  // still held from before
                const int64_t comeca = agora + Entre(0, 1'500);
                janela = {comeca, comeca + 50 * Entre(1, 8)};
                ++n.apertos;
            }
        }
        for (int j = 0; j < kJuizes; ++j) {
            uint16_t l = 0;
            for (int e = 0; e < kEntradas; ++e) {
                const auto [de, ate] = segura_[static_cast<size_t>(j)][static_cast<size_t>(e)];
                if (agora < de || agora >= ate) continue;
                l |= e < 4 ? static_cast<uint16_t>(1u << e) : e == 4 ? entrada::Direita : entrada::Baixo;
            }
            plat_.leituras[static_cast<size_t>(j)] = l;
        }
    }

    PlataformaSimulada& plat_;
    Vantor& v_;
    std::mt19937_64 sorte_;
    std::array<unsigned, 19> vistos_{};
    std::array<int64_t, 19> inicio_{};
    std::array<std::array<std::pair<int64_t, int64_t>, kEntradas>, kJuizes> segura_{};
    int64_t proximaLuta_ = -1, inicioLuta_ = 0, fimLuta_ = -1, retoma_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    const long horas = std::max(1L, Opcao(argc, argv, "--horas", 8));
    const auto semente = static_cast<unsigned>(Opcao(argc, argv, "--semente", 1));
    // The core's own work is the figure here: every tick saves the fight with a synced write, which on a disk is
    // the disk's time (bench_diario measures it). In memory when the system has a memory file system.
    const bool memoria = std::filesystem::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0;
    std::printf(
        "bench_nucleo: a %ld-hour tournament day through the core alone (seed %u), logs and the saved fight "
        "written to %s\n",
        horas, semente, memoria ? "a memory file system (/dev/shm)" : "disk");

    PastaTemporaria pasta(memoria ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path());
    const auto antes = std::filesystem::current_path();
    std::filesystem::current_path(pasta.Caminho());
    std::ofstream("botoes.cfg", std::ios::binary) << MapaDeBotoes();

    PlataformaSimulada plat;
    plat.temp = pasta.Caminho() + "/";
    plat.pastaPrograma = pasta.Caminho();
    Vantor v(plat);
    // Three rounds of ninety seconds with thirty of rest, and now and then two rounds of two minutes.
    bool curto = true;
    plat.aoConfigurar = [&] {
        // As the dialog's OK would leave them.
        Ajustes a = v.Config();
        a.Rounds = curto ? 3 : 2;
        a.Tempo = a.TempoInicial = curto ? 90 : 120;
        a.Intervalo = 30;
        v.ConfirmaConfiguracao(a);
        curto = !curto;
    };

    const Instante t0 = Relogio::now();
    v.Form_Load();
    v.Form_KeyDown(tecla::F1, 0);
    Dia dia(plat, v, semente);
    for (long s = 0; s < horas * 3600; ++s) dia.Segundo();
    const Instante t1 = Relogio::now();

    long arquivos = 0, linhas = 0;
    for (const auto& f : std::filesystem::directory_iterator(pasta.Caminho() + "/LOG")) {
        if (!f.path().filename().string().starts_with("LOG_")) continue;  // the saved fight lies beside the logs
        std::ifstream in(f.path(), std::ios::binary);
        const std::string texto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ++arquivos;
        for (size_t i = texto.find("\r\n"); i != std::string::npos; i = texto.find("\r\n", i + 2)) ++linhas;
    }
    std::filesystem::current_path(antes);

    const Contagem& n = dia.n;
    Conta("match-clock ticks (Timer_Luta_Timer)", n.ticks);
    Conta("controller polls (Timer_Joystick_Timer)", n.polls);
    Conta("lamp timers fired (Timer_Botao_Timer)", n.lampadas);
    Conta("operator keys (Form_KeyDown)", n.teclas);
    Conta("judges' presses scripted", n.apertos);
    Conta("fights started", n.lutas);
    Conta("handler calls in all", n.ticks + n.polls + n.lampadas + n.teclas);
    Conta("log files written", arquivos);
    Conta("log lines written", linhas);
    Figura("wall time for the day", Ms(t1 - t0) / 1000.0, "s", 2.0 * static_cast<double>(horas) / 8.0);
    return 0;
}
