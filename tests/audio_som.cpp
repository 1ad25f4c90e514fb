// The sound layer heard for real: cues go to a PulseAudio null sink and are recorded back from its monitor with
// parec. The cases use the server scripts/testa.sh starts; the outage case starts servers of its own.
#include <gtest/gtest.h>
#include <csignal>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/som_sdl.h"
#include "settings/arquivos.h"

// SDL 2.26's PulseAudio driver drops some server queries without their last unref, SDL's to fix: only allocations
// made inside libpulse are let go.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name LeakSanitizer looks for
extern "C" const char* __lsan_default_suppressions() { return "leak:libpulse.so\n"; }

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
constexpr int kTaxa = 44100, kForte = 20000, kFraco = 6000;  // tone peaks, told apart in the recording

// A command started by the shell in the background, killed when this goes.
struct Processo {
    long pid = -1;
    explicit Processo(const std::string& comando) {
        if (FILE* f = ::popen((comando + " & echo $!").c_str(), "r")) {
            if (std::fscanf(f, "%ld", &pid) != 1) pid = -1;
            ::pclose(f);
        }
    }
    ~Processo() {
        if (pid > 0) ::kill(pid_t(pid), SIGKILL);
        for (int i = 0; pid > 0 && i < 100 && ::kill(pid_t(pid), 0) == 0; ++i) std::this_thread::sleep_for(10ms);
    }
};

// Half a second (or `quadros`) of a 440 Hz tone of `pico` (of 32767), 16-bit mono; other layouts are SDL's.
std::string Wav(int pico, long quadros = kTaxa / 2) {
    std::string s;
    auto poe = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += char(v >> (8 * i));
    };
    s += "RIFF", poe(uint32_t(36 + 2 * quadros), 4), s += "WAVEfmt ", poe(16, 4), poe(1, 2), poe(1, 2);
    poe(kTaxa, 4), poe(2 * kTaxa, 4), poe(2, 2), poe(16, 2), s += "data", poe(uint32_t(2 * quadros), 4);
    for (long q = 0; q < quadros; ++q) poe(uint32_t(std::lround(pico * std::sin(2 * M_PI * 440.0 * q / kTaxa))), 2);
    return s;
}

class Som : public testing::Test {
protected:
    fs::path pasta_ = fs::temp_directory_path() / ("vantor-som-" + std::to_string(::getpid()));
    std::unique_ptr<Processo> servidor_, parec_;

    void SetUp() override { fs::create_directories(pasta_); }
    void TearDown() override { parec_.reset(), servidor_.reset(), ::unsetenv("PULSE_SERVER"), fs::remove_all(pasta_); }
    // A server of the test's own at PULSE_SERVER, started as scripts/testa.sh starts the shared one.
    bool IniciaServidor() {
        const std::string p = pasta_.string();
        ::setenv("PULSE_SERVER", ("unix:" + p + "/s").c_str(), 1);
        // The sink first: once a client can connect, the monitor it records from is there.
        servidor_ = std::make_unique<Processo>(
            "HOME='" + p + "' XDG_RUNTIME_DIR='" + p +
            "' pulseaudio --daemonize=no --use-pid-file=no -n --exit-idle-time=-1 --load='module-null-sink " +
            "sink_name=vantor_nula rate=44100 channels=1' --load='module-native-protocol-unix auth-anonymous=1 " +
            "socket=" + p + "/s' >/dev/null 2>&1");
        for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(100ms))
            if (std::system("pactl info >/dev/null 2>&1") == 0) return true;
        return false;
    }
    // Records the null sink's monitor (both servers call it vantor_nula) from now on into "gravacao". Now and then a
    // recorder gets nothing at all: one still silent after 15 s (a loaded machine), then 8 s, is started again.
    void Escuta() {
        for (int vez = 0; vez == 0 || (vez < 4 && Marca() < 2000); ++vez) {
            parec_.reset(), fs::remove(pasta_ / "gravacao");  // nothing of an earlier recording counts
            parec_ =
                std::make_unique<Processo>("parec -d vantor_nula.monitor --format=s16le --rate=44100 --channels=1 " +
                                           std::string("--latency-msec=20 >'") + (pasta_ / "gravacao").string() +
                                           "' 2>'" + (pasta_ / "parec.txt").string() + "'");
            for (int i = 0; i < (vez ? 400 : 750) && Marca() < 2000; ++i) std::this_thread::sleep_for(20ms);
        }
        ASSERT_GE(Marca(), 2000u) << "parec recorded nothing (run the tests through scripts/testa.sh): "
                                  << vantor::LeArquivo((pasta_ / "parec.txt").string());
    }
    // The recording's size in whole samples; 0 before the recorder's shell made the file (not file_size's -1).
    size_t Marca() const {
        std::error_code ec;
        const uintmax_t n = fs::file_size(pasta_ / "gravacao", ec);
        return ec ? 0 : n & ~uintmax_t{1};
    }
    // The loudest sample since a mark, and when (seconds after it) the last audible one came; silence is zeros.
    std::pair<int, double> Ouve(size_t marca) const {
        std::ifstream in(pasta_ / "gravacao", std::ios::binary);
        in.seekg(static_cast<std::streamoff>(marca));
        const std::string d(std::istreambuf_iterator<char>(in), {});
        std::pair<int, double> r{0, -1};
        for (size_t i = 0; i + 1 < d.size(); i += 2) {
            int16_t s;
            std::memcpy(&s, &d[i], 2);
            r.first = std::max(r.first, std::abs(int(s)));
            if (std::abs(int(s)) > 300) r.second = double(i) / 2 / kTaxa;
        }
        return r;
    }
    // Plays a cue and gives the loudest sample heard: waits until it is heard, and 0.2 s more, `segundos` at most.
    int Toca(vantor::SomSDL& som, const std::string& nome, int segundos = 10) {
        const size_t marca = Marca();
        som.Toca(nome);
        for (int i = 0; i < segundos * 20 && Ouve(marca).first < 300; ++i) std::this_thread::sleep_for(50ms);
        std::this_thread::sleep_for(200ms);
        return Ouve(marca).first;
    }
    bool TocaAteOuvir(vantor::SomSDL& som, const std::string& nome) {  // every two seconds, up to five times
        for (int i = 0; i < 5; ++i)
            if (Toca(som, nome, 2) > 300) return true;
        return false;
    }
};

// Bare names are found in the working folder first, then in the program folder, then in ../share/vantor beside it
// (installed). Prepared cues play from memory, and a new cue cuts the one playing.
TEST_F(Som, WavFilesPlayAndNothingElseDoesAndANewCueCutsTheOld) {
    const std::string tom = Wav(kForte);
    const long limite = (vantor::SomSDL::kMaiorArquivo - 44) / 2;  // frames, two bytes each after the header
    const struct {
        const char* nome;
        std::string bytes;
        int pico;  // 0: silence
    } casos[] = {
        {"tom.wav", tom, kForte},
        {"dados_cortados.wav", tom.substr(0, tom.size() / 2), kForte},
        {"no_limite.wav", Wav(kForte, limite), kForte},
        {"grande_demais.wav", Wav(kForte, limite + 1), 0},
        {"vazio.wav", "", 0},
        {"pasta.wav", "", 0},
        {"nao_existe.wav", "", 0},
        {"atual.wav", Wav(kFraco), kForte},     // the working folder's louder one plays
        {"programa.wav", Wav(kFraco), kFraco},  // the installed louder one does not
        {"instalado.wav", "", kFraco},
    };
    const fs::path programa = pasta_ / "bin", instalado = pasta_ / "share/vantor";
    fs::create_directories(programa), fs::create_directories(instalado), fs::create_directories(pasta_ / "atual");
    for (const auto& c : casos) vantor::GravaArquivo((programa / c.nome).string(), c.bytes);
    for (const char* nome : {"pasta.wav", "nao_existe.wav", "instalado.wav"}) fs::remove(programa / nome);
    fs::create_directory(programa / "pasta.wav");
    vantor::GravaArquivo((pasta_ / "atual/atual.wav").string(), tom);
    vantor::GravaArquivo((instalado / "programa.wav").string(), tom);
    vantor::GravaArquivo((instalado / "instalado.wav").string(), Wav(kFraco));
    vantor::GravaArquivo((programa / "longa.wav").string(), Wav(kFraco, 5L * kTaxa));
    const fs::path antes = fs::current_path();
    fs::current_path(pasta_ / "atual");
    Escuta();
    vantor::SomSDL som(programa.string());
    som.Prepara({"longa.wav"});
    for (const auto& c : casos) {
        som.Toca("");  // cuts the last one
        std::this_thread::sleep_for(400ms);
        const int pico = Toca(som, c.nome, c.pico ? 10 : 1);
        EXPECT_TRUE(c.pico ? pico > c.pico / 2 && pico < c.pico * 2 : pico < 50) << c.nome << ": " << pico;
    }
    fs::current_path(antes);
    fs::remove(programa / "longa.wav");
    const size_t marca = Marca();
    EXPECT_GT(Toca(som, "longa.wav"), kFraco / 2) << "a prepared cue whose file is gone since";
    // Alone the quiet tone lasts five seconds; cut by the loud half second, it is over long before.
    EXPECT_GT(Toca(som, "tom.wav"), kForte / 2);
    std::this_thread::sleep_for(4s);
    EXPECT_LT(Ouve(marca).second, 3.5);
}

// A server stopped (SIGSTOP), killed, or not there at all when the layer starts: the caller is never held, and
// cues are heard again once the server is back.
TEST_F(Som, CuesComeBackAfterTheServerStallsDiesOrComesLate) {
    enum Falha { kParado, kMorto, kAusente };
    for (Falha falha : {kParado, kMorto, kAusente}) {
        SCOPED_TRACE(falha);
        parec_.reset(), servidor_.reset();
        ::setenv("PULSE_SERVER", ("unix:" + pasta_.string() + "/s").c_str(), 1);
        if (falha != kAusente) {
            ASSERT_TRUE(IniciaServidor());
            Escuta();
        }
        vantor::SomSDL som(VANTOR_BUILD_DIR);
        EXPECT_TRUE(falha == kAusente || TocaAteOuvir(som, "gongo.wav"));
        if (falha == kParado) ::kill(pid_t(servidor_->pid), SIGSTOP);
        if (falha == kMorto) servidor_.reset();
        for (int i = 0; i < 4; ++i) {
            const auto antes = std::chrono::steady_clock::now();
            som.Toca(i % 2 ? "gongo.wav" : "nao_preparado.wav");
            som.Prepara({"sino.wav", "gongo.wav"});
            // Not a timing claim: a bound no loaded machine misses, only to tell "returned" from "hung".
            EXPECT_LT(std::chrono::steady_clock::now() - antes, 1s) << "the caller was held";
            std::this_thread::sleep_for(1s);
        }
        if (falha == kParado)
            ::kill(pid_t(servidor_->pid), SIGCONT);
        else
            ASSERT_TRUE(IniciaServidor());
        Escuta();
        som.Toca("");  // whatever was left over from the outage is cut: what is heard next is new
        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(TocaAteOuvir(som, "sino.wav")) << "silent after the server came back";
    }
}

}  // namespace
