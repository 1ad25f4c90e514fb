// The sound layer heard for real: cues go to a PulseAudio null sink and are recorded back from its monitor with
// parec, so a cue that does not sound, or sounds when it should not, fails here. The cases use the server
// scripts/testa.sh starts; the one that stalls, kills or withholds a server starts servers of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <csignal>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/som_sdl.h"

// SDL 2.26's PulseAudio driver drops some of its server queries (pa_operation) without their last unref: a few
// hundred bytes a run that are SDL's to fix. Only allocations made inside libpulse are let go.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name LeakSanitizer looks for
extern "C" const char* __lsan_default_suppressions() { return "leak:libpulse.so\n"; }

namespace {

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;
constexpr int kTaxa = 44100, kJanela = kTaxa / 100;  // 10 ms windows
constexpr int kForte = 20000, kFraco = 6000;         // tone peaks, told apart in the recording

// A child process with its output in a file, killed when this goes.
struct Processo {
    pid_t pid = -1;
    explicit Processo(std::vector<std::string> args, const fs::path& saida = "/dev/null") {
        posix_spawn_file_actions_t f;
        posix_spawn_file_actions_init(&f);
        posix_spawn_file_actions_addopen(&f, 1, saida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&f, 2, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid, argv[0], &f, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&f);
    }
    ~Processo() {
        if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    }
};

// A PulseAudio server of the test's own, started as scripts/testa.sh starts the shared one.
struct Servidor {
    fs::path pasta = fs::temp_directory_path() / ("vantor-som-" + std::to_string(::getpid()));
    std::unique_ptr<Processo> daemon;
    Servidor() {
        fs::create_directories(pasta), ::setenv("PULSE_SERVER", ("unix:" + (pasta / "s").string()).c_str(), 1);
    }
    ~Servidor() { daemon.reset(), ::unsetenv("PULSE_SERVER"), fs::remove_all(pasta); }
    bool Inicia() {
        daemon = std::make_unique<Processo>(std::vector<std::string>{
            "env", "HOME=" + pasta.string(), "XDG_RUNTIME_DIR=" + pasta.string(), "pulseaudio", "--daemonize=no", "-n",
            "--exit-idle-time=-1", "--realtime=no", "--high-priority=no",
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + (pasta / "s").string(),
            "--load=module-null-sink sink_name=vantor_nula rate=44100 channels=2"});
        for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            if (std::system("pactl info >/dev/null 2>&1") == 0) return true;
        return false;
    }
};

// Half a second (or `quadros`) of a 440 Hz tone of `pico` (of 32767): 16-bit mono. The decoding of other PCM
// layouts is SDL's own.
std::string Wav(int pico, long quadros = kTaxa / 2) {
    std::string s;
    auto poe = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += char(v >> (8 * i));
    };
    s += "RIFF", poe(uint32_t(36 + 2 * quadros), 4), s += "WAVEfmt ", poe(16, 4), poe(1, 2), poe(1, 2);
    poe(kTaxa, 4), poe(2 * kTaxa, 4), poe(2, 2), poe(16, 2), s += "data", poe(uint32_t(2 * quadros), 4);
    for (long q = 0; q < quadros; ++q)
        poe(uint32_t(std::lround(pico * std::sin(2 * M_PI * 440 * double(q) / kTaxa))), 2);
    return s;
}

// What was heard since a mark: a null sink's monitor is exact zeros while nothing plays, and a 10 ms window
// louder than an RMS of 100 is sound.
struct Ouvido {
    double inicio = -1, duracao = 0;  // seconds; inicio -1 for silence
    int pico = 0;
};

class Som : public testing::Test {
protected:
    fs::path pasta = fs::temp_directory_path() / ("vantor-deixas-" + std::to_string(::getpid()));
    std::unique_ptr<Processo> parec;
    std::string dados;

    void SetUp() override { fs::create_directories(pasta); }
    void TearDown() override { parec.reset(), fs::remove_all(pasta); }
    void Escreve(const fs::path& nome, const std::string& bytes) {
        std::ofstream(pasta / nome, std::ios::binary) << bytes;
    }
    // Records the default sink's monitor of whichever server PULSE_SERVER (or the environment) leads to.
    void Escuta() {
        parec =
            std::make_unique<Processo>(std::vector<std::string>{"parec", "-d", "@DEFAULT_MONITOR@", "--format=s16le",
                                                                "--rate=44100", "--channels=1", "--latency-msec=20"},
                                       pasta / "gravacao");
        dados.clear();
        for (int i = 0; i < 250 && dados.size() < size_t{4} * kJanela; ++i) Espera(20);
        ASSERT_GE(dados.size(), 4u * kJanela) << "parec recorded nothing: run the tests through scripts/testa.sh";
        Espera(200);
    }
    void Espera(int ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        std::ifstream in(pasta / "gravacao", std::ios::binary);
        in.seekg(static_cast<std::streamoff>(dados.size()));
        dados.append(std::istreambuf_iterator<char>(in), {});
    }
    size_t Marca() const { return dados.size() / 2; }
    Ouvido Ouve(size_t marca) const {
        Ouvido r;
        for (size_t w = marca; w + kJanela <= Marca(); w += kJanela) {
            double soma = 0;
            for (size_t i = w; i < w + kJanela; ++i) {
                int16_t s;
                std::memcpy(&s, &dados[2 * i], 2);
                soma += double(s) * s, r.pico = std::max(r.pico, std::abs(int(s)));
            }
            if (std::sqrt(soma / kJanela) <= 100) continue;
            if (r.inicio < 0) r.inicio = double(w - marca) / kTaxa;
            r.duracao = double(w + kJanela - marca) / kTaxa - r.inicio;
        }
        return r;
    }
    // Plays a cue and listens until it is heard (and 0.2 s more, for its peak), `segundos` at most.
    Ouvido Toca(vantor::SomSDL& som, const std::string& nome, int segundos = 10) {
        const size_t marca = Marca();
        som.Toca(nome);
        for (const auto fim = Relogio::now() + std::chrono::seconds(segundos); Relogio::now() < fim;)
            if (Espera(50), Ouve(marca).inicio >= 0) return Espera(200), Ouve(marca);
        return Ouve(marca);
    }
    // Plays a cue again every two seconds, up to ten, until it is heard.
    bool TocaAteOuvir(vantor::SomSDL& som, const std::string& nome) {
        for (int i = 0; i < 5; ++i)
            if (Toca(som, nome, 2).inicio >= 0) return true;
        return false;
    }
};

// Bare names are found in the working folder first, then in the program folder.
TEST_F(Som, FilesPlayWhenTheyAreWavsAndNothingElseDoes) {
    const std::string tom = Wav(kForte);
    const long limite = (vantor::SomSDL::kMaiorArquivo - 44) / 2;  // frames: two bytes each after the header
    const struct {
        const char* nome;
        std::string bytes;
        int pico;  // 0: silence
    } casos[] = {
        {"tom.wav", tom, kForte},
        {"dados_cortados.wav", tom.substr(0, tom.size() / 2), kForte},
        {"no_limite.wav", Wav(kForte, limite), kForte},
        {"grande_demais.wav", Wav(kForte, limite + 1), 0},
        {"cabecalho_cortado.wav", tom.substr(0, 30), 0},
        {"formato_absurdo.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16) + std::string(2000, '\x7f'), 0},
        {"lixo.wav", std::string(20000, '\xa5'), 0},
        {"vazio.wav", "", 0},
        {"pasta.wav", "", 0},
        {"nao_existe.wav", "", 0},
        {"atual.wav", Wav(kFraco), kForte},  // the working folder's louder one plays
        {"so_no_programa.wav", Wav(kFraco), kFraco},
    };
    for (const auto& c : casos) Escreve(c.nome, c.bytes);
    fs::remove(pasta / "pasta.wav"), fs::create_directory(pasta / "pasta.wav"), fs::remove(pasta / "nao_existe.wav");
    fs::create_directories(pasta / "atual");
    Escreve("atual/atual.wav", tom);
    const fs::path antes = fs::current_path();
    fs::current_path(pasta / "atual");
    Escuta();
    vantor::SomSDL som(pasta.string());
    for (const auto& c : casos) {
        som.Toca("");  // cuts the last one
        Espera(400);
        const Ouvido r = Toca(som, c.nome, c.pico ? 10 : 1);
        EXPECT_TRUE(c.pico ? r.pico > c.pico / 2 && r.pico < c.pico * 2 : r.pico < 50) << c.nome << ": " << r.pico;
    }
    fs::current_path(antes);
}

TEST_F(Som, PreparedCuesPlayFromMemoryAndANewCueCutsTheOld) {
    Escreve("longa.wav", Wav(kFraco, 5L * kTaxa));
    Escreve("curta.wav", Wav(kForte));
    Escuta();
    vantor::SomSDL som(pasta.string());
    som.Prepara({"longa.wav", "curta.wav"});
    ASSERT_GE(Toca(som, "curta.wav").inicio, 0);  // the worker prepared both before it played this
    fs::remove(pasta / "longa.wav"), fs::remove(pasta / "curta.wav");
    const size_t marca = Marca();
    ASSERT_GE(Toca(som, "longa.wav").inicio, 0) << "a prepared cue whose file is gone since";
    // Alone the quiet tone lasts five seconds; cut by the loud half second, it is over long before.
    EXPECT_GT(Toca(som, "curta.wav").pico, kForte / 2);
    Espera(1500);
    EXPECT_LT(Ouve(marca).duracao, 3.5);
}

// A server stopped (SIGSTOP), killed, or not there at all when the layer starts: the caller is never held, and
// cues are heard again once the server is back.
TEST_F(Som, CuesComeBackAfterTheServerStallsDiesOrComesLate) {
    enum Falha { kParado, kMorto, kAusente };
    for (Falha falha : {kParado, kMorto, kAusente}) {
        SCOPED_TRACE(falha);
        Servidor servidor;
        if (falha != kAusente) {
            ASSERT_TRUE(servidor.Inicia());
            Escuta();
        }
        vantor::SomSDL som(VANTOR_BUILD_DIR);
        EXPECT_TRUE(falha == kAusente || TocaAteOuvir(som, "gongo.wav"));
        if (falha == kParado) ::kill(servidor.daemon->pid, SIGSTOP);
        if (falha == kMorto) servidor.daemon.reset();
        for (int i = 0; i < 4; ++i) {
            const auto antes = Relogio::now();
            som.Toca(i % 2 ? "gongo.wav" : "nao_preparado.wav");
            som.Prepara({"sino.wav", "gongo.wav"});
            // Not a timing claim: a bound no loaded machine misses, only to tell "returned" from "hung".
            EXPECT_LT(Relogio::now() - antes, std::chrono::seconds(1)) << "the caller was held";
            Espera(1000);
        }
        if (falha == kParado)
            ::kill(servidor.daemon->pid, SIGCONT);
        else
            ASSERT_TRUE(servidor.Inicia());
        Escuta();
        som.Toca("");  // whatever was left over from the outage is cut: what is heard next is new
        Espera(1000);
        EXPECT_TRUE(TocaAteOuvir(som, "sino.wav")) << "silent after the server came back";
    }
}

}  // namespace
