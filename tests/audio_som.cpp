// The sound layer heard for real: cues go to a PulseAudio null sink and are recorded back from its monitor with
// parec, so a cue that does not sound, or sounds when it should not, fails here. The cases use the server
// scripts/testa.sh starts; those that stall, kill or withhold a server start one of their own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
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

// A child process, its output readable without waiting when asked for.
class Processo {
public:
    explicit Processo(std::vector<std::string> args, bool saida = false) {
        int p[2] = {-1, -1};
        if (saida && ::pipe(p) != 0) return;
        std::vector<char*> argv;
        argv.reserve(args.size() + 1);
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int nulo = ::open("/dev/null", O_RDWR);
            ::dup2(nulo, 0), ::dup2(saida ? p[1] : nulo, 1), ::dup2(nulo, 2);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        if (saida) ::close(p[1]), ::fcntl(fd_ = p[0], F_SETFL, O_NONBLOCK);
    }
    ~Processo() {
        if (pid_ > 0) ::kill(pid_, SIGKILL), ::waitpid(pid_, nullptr, 0);
        if (fd_ >= 0) ::close(fd_);
    }
    void Sinal(int s) {
        if (pid_ > 0) ::kill(pid_, s);
    }
    void Le(std::string& destino) {
        char b[65536];
        for (ssize_t n; fd_ >= 0 && (n = ::read(fd_, b, sizeof b)) > 0;) destino.append(b, size_t(n));
    }

private:
    pid_t pid_ = -1;
    int fd_ = -1;
};

// A PulseAudio server of the test's own, started as scripts/testa.sh starts the shared one.
struct Servidor {
    fs::path pasta = fs::temp_directory_path() / ("vantor-som-" + std::to_string(::getpid()));
    std::unique_ptr<Processo> daemon;
    std::string Endereco() const { return "unix:" + (pasta / "nativo").string(); }
    Servidor() {
        fs::create_directories(pasta);
        ::setenv("PULSE_SERVER", Endereco().c_str(), 1);
    }
    ~Servidor() { daemon.reset(), ::unsetenv("PULSE_SERVER"), fs::remove_all(pasta); }
    bool Inicia() {
        daemon = std::make_unique<Processo>(std::vector<std::string>{
            "env", "HOME=" + pasta.string(), "XDG_RUNTIME_DIR=" + pasta.string(), "pulseaudio", "--daemonize=no",
            "--system=no", "--use-pid-file=no", "-n", "--exit-idle-time=-1", "--disallow-exit", "--realtime=no",
            "--high-priority=no",
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + (pasta / "nativo").string(),
            "--load=module-null-sink sink_name=vantor_nula rate=44100 channels=2"});
        for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            if (std::system("pactl info >/dev/null 2>&1") == 0) return true;
        return false;
    }
};

// What was heard since a mark: a null sink's monitor is exact zeros while nothing plays, and a 10 ms window
// louder than an RMS of 100 is sound.
struct Ouvido {
    double inicio = -1, duracao = 0;  // seconds; inicio -1 for silence
    int pico = 0;
};

// A 440 Hz tone of `pico` (of 32767) in any PCM layout: 8-bit unsigned, 16/24/32-bit signed, 32-bit float.
std::string Wav(long quadros, int pico, int bits = 16, int canais = 1, int taxa = kTaxa, bool flutuante = false) {
    std::string s;
    auto poe = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += char(v >> (8 * i));
    };
    const auto dados = uint32_t(quadros * canais * bits / 8);
    s += "RIFF", poe(36 + dados, 4), s += "WAVEfmt ", poe(16, 4), poe(flutuante ? 3 : 1, 2), poe(canais, 2);
    poe(taxa, 4), poe(taxa * canais * bits / 8, 4), poe(canais * bits / 8, 2), poe(bits, 2), s += "data", poe(dados, 4);
    for (long q = 0; q < quadros; ++q) {
        const double v = pico * std::sin(2 * M_PI * 440 * double(q) / taxa);
        const uint32_t u = flutuante   ? std::bit_cast<uint32_t>(float(v / 32768))
                           : bits == 8 ? uint32_t(128 + std::lround(v / 256))
                                       : uint32_t(std::lround(v * (1 << (bits - 16))));
        for (int c = 0; c < canais; ++c) poe(u, bits / 8);
    }
    return s;
}

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
                                       true);
        dados.clear();
        for (int i = 0; i < 250 && dados.size() < size_t{4} * kJanela; ++i) Espera(20);
        ASSERT_GE(dados.size(), 4u * kJanela) << "parec recorded nothing: run the tests through scripts/testa.sh";
        Espera(200);
    }
    void Espera(int ms) {
        for (const auto fim = Relogio::now() + std::chrono::milliseconds(ms); Relogio::now() < fim;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (parec) parec->Le(dados);
        }
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
    // Plays a cue and listens until it is heard (and, with ateCalar, over: 0.4 s of quiet), ten seconds at most.
    Ouvido Toca(vantor::SomSDL& som, const std::string& nome, bool ateCalar = false, int segundos = 10) {
        const size_t marca = Marca();
        som.Toca(nome);
        Ouvido r;
        for (const auto fim = Relogio::now() + std::chrono::seconds(segundos); Relogio::now() < fim;) {
            Espera(50);
            r = Ouve(marca);
            if (r.inicio >= 0 && (!ateCalar || double(Marca() - marca) / kTaxa > r.inicio + r.duracao + 0.4)) break;
        }
        return r;
    }
    // Plays a cue again every two seconds, up to ten, until it is heard.
    bool TocaAteOuvir(vantor::SomSDL& som, const std::string& nome) {
        for (int i = 0; i < 5; ++i)
            if (Toca(som, nome, false, 2).inicio >= 0) return true;
        return false;
    }
};

TEST_F(Som, FilesPlayWhenTheyAreWavsAndNothingElseDoes) {
    const std::string tom = Wav(kTaxa, kForte);
    const long limite = vantor::SomSDL::kMaiorArquivo - 44;  // 8-bit mono: a byte a frame after 44 of header
    const struct {
        const char* nome;
        std::string bytes;
        bool toca;
    } casos[] = {
        {"pcm16.wav", tom, true},
        {"pcm8.wav", Wav(8000, kForte, 8, 1, 8000), true},
        {"pcm24_estereo_48k.wav", Wav(48000, kForte, 24, 2, 48000), true},
        {"pcm32_22k.wav", Wav(22050, kForte, 32, 1, 22050), true},
        {"float32.wav", Wav(kTaxa, kForte, 32, 1, kTaxa, true), true},
        {"dados_cortados.wav", tom.substr(0, tom.size() / 2), true},
        {"no_limite.wav", Wav(limite, kForte, 8, 1, 8000), true},
        {"grande_demais.wav", Wav(limite + 1, kForte, 8, 1, 8000), false},
        {"cabecalho_cortado.wav", tom.substr(0, 30), false},
        {"formato_absurdo.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16) + std::string(2000, '\x7f'), false},
        {"lixo.wav", std::string(20000, '\xa5'), false},
        {"vazio.wav", "", false},
        {"pasta.wav", "", false},
        {"nao_existe.wav", "", false},
    };
    for (const auto& c : casos) Escreve(c.nome, c.bytes);
    fs::remove(pasta / "pasta.wav"), fs::create_directory(pasta / "pasta.wav"), fs::remove(pasta / "nao_existe.wav");
    Escuta();
    vantor::SomSDL som(pasta.string());  // bare names, found in the program folder
    for (const auto& c : casos) {
        som.Toca("");  // cuts the last one
        Espera(400);
        const size_t marca = Marca();
        const Ouvido r = c.toca ? Toca(som, c.nome) : (som.Toca(c.nome), Espera(800), Ouve(marca));
        if (c.toca)
            EXPECT_GT(r.pico, kForte / 2) << c.nome;
        else
            EXPECT_LT(r.pico, 50) << c.nome << " sounded " << r.inicio << " s in";
    }
}

TEST_F(Som, PreparedCuesPlayFromMemoryAndANewCueCutsTheOld) {
    Escreve("longa.wav", Wav(5L * kTaxa, kFraco));
    Escreve("curta.wav", Wav(kTaxa / 2, kForte));
    Escuta();
    vantor::SomSDL som(pasta.string());
    som.Prepara({"longa.wav", "curta.wav"});
    ASSERT_GE(Toca(som, "curta.wav", true).inicio, 0);  // the worker prepared both before it played this
    fs::remove(pasta / "longa.wav"), fs::remove(pasta / "curta.wav");
    const size_t marca = Marca();
    ASSERT_GE(Toca(som, "longa.wav").inicio, 0) << "a prepared cue whose file is gone since";
    Espera(300);
    // Alone the quiet tone lasts five seconds; cut by the loud half second, it is over long before.
    EXPECT_GT(Toca(som, "curta.wav", true).pico, kForte / 2);
    EXPECT_LT(Ouve(marca).duracao, 3.5);
}

TEST_F(Som, ABareNameIsLookedForInTheWorkingFolderThenTheProgramFolder) {
    const fs::path antes = fs::current_path();
    fs::create_directories(pasta / "atual");
    Escreve("atual/deixa.wav", Wav(kTaxa / 2, kForte));
    Escreve("deixa.wav", Wav(kTaxa / 2, kFraco));
    Escuta();
    fs::current_path(pasta / "atual");
    vantor::SomSDL som(pasta.string());
    EXPECT_GT(Toca(som, "deixa.wav", true).pico, kForte / 2) << "the working folder's file should play";
    fs::remove(pasta / "atual/deixa.wav");
    const Ouvido r = Toca(som, "deixa.wav", true);
    EXPECT_TRUE(r.pico > kFraco / 2 && r.pico < kForte / 2) << "the program folder's file should play: " << r.pico;
    fs::current_path(antes);
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
        if (falha != kAusente) {
            EXPECT_TRUE(TocaAteOuvir(som, "gongo.wav"));
        }
        if (falha == kParado) servidor.daemon->Sinal(SIGSTOP);
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
            servidor.daemon->Sinal(SIGCONT);
        else
            ASSERT_TRUE(servidor.Inicia());
        Escuta();
        som.Toca("");  // whatever was left over from the outage is cut: what is heard next is new
        Espera(1000);
        EXPECT_TRUE(TocaAteOuvir(som, "sino.wav")) << "silent after the server came back";
    }
}

}  // namespace
