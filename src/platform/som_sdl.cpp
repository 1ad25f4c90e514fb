// SDL's PulseAudio driver waits for the server with no timeout when the subsystem starts, when a device opens or
// closes; a stalled server used to freeze the scoreboard when cues started on the window's thread. Here one
// worker makes every SDL audio call, the caller only leaves requests under a lock the worker never holds across
// an SDL call, and only the latest request of each kind is kept: a worker stuck for a minute does not come back
// to a backlog of cues.
#include "platform/som_sdl.h"

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace vantor {

namespace {

using Relogio = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A cue that waited longer than this for the worker (stuck in a stalled server) is old news: dropped.
constexpr auto kAtrasoMaximo = 2s;
// How often an idle worker looks at the device, so that a dead one is closed before the next cue.
constexpr auto kVerificacao = 500ms;
// An open device streams silence to the server all the time (0.4 % of a core here): closed once idle this long,
// and opened again by the next cue.
constexpr auto kOcioso = 5s;
// How long the destructor waits for the worker to let go of SDL.
constexpr auto kEsperaFim = 2s;

using Deixa = std::shared_ptr<const std::vector<int16_t>>;

struct Pedido {
    std::string arquivo;
    Relogio::time_point quando;
};

}  // namespace

struct SomSDL::Fila {
    std::mutex trava;
    std::condition_variable aviso;
    std::optional<std::vector<std::string>> preparar;
    std::optional<Pedido> tocar;
    bool parar = false;       // asked by the destructor
    bool abandonada = false;  // the destructor stopped waiting: no more SDL calls from the worker
    bool terminou = false;    // the worker has let go of SDL
};

namespace {

class Trabalhador {
public:
    Trabalhador(std::shared_ptr<SomSDL::Fila> fila, std::string pasta, bool driverEscolhido)
        : fila_(std::move(fila)), pasta_(std::move(pasta)), driverEscolhido_(driverEscolhido) {}

    void Roda() {
        for (;;) {
            std::optional<std::vector<std::string>> preparar;
            std::optional<Pedido> tocar;
            {
                std::unique_lock l(fila_->trava);
                fila_->aviso.wait_for(l, kVerificacao, [&] { return fila_->parar || fila_->preparar || fila_->tocar; });
                if (fila_->parar) break;
                preparar = std::exchange(fila_->preparar, std::nullopt);
                tocar = std::exchange(fila_->tocar, std::nullopt);
            }
            if (preparar) Prepara(*preparar);
            if (tocar) Toca(*tocar);
            if (!dispositivo_) continue;
            // A server that died (or a device unplugged) stops the device; the next cue opens a new one.
            if (SDL_GetAudioDeviceStatus(dispositivo_) != SDL_AUDIO_PLAYING) {
                Fecha();
            } else if (SDL_GetQueuedAudioSize(dispositivo_) > 0) {
                tocou_ = Relogio::now();
            } else if (Relogio::now() - tocou_ > kOcioso) {
                SDL_CloseAudioDevice(dispositivo_);
                dispositivo_ = 0;
            }
        }
        bool abandonada;
        {
            std::lock_guard l(fila_->trava);
            abandonada = fila_->abandonada;
        }
        if (!abandonada) {
            Fecha();
            SDL_TLSCleanup();  // SDL keeps its error text per thread, and frees it only for threads of its own
        }
        std::lock_guard l(fila_->trava);
        fila_->terminou = true;
        fila_->aviso.notify_all();
    }

private:
    void Prepara(const std::vector<std::string>& arquivos) {
        std::map<std::string, Deixa> novas;
        for (const auto& arquivo : arquivos)
            if (!novas.contains(arquivo)) novas[arquivo] = Le(arquivo);
        preparadas_ = std::move(novas);
    }

    void Toca(const Pedido& pedido) {
        if (dispositivo_) SDL_ClearQueuedAudio(dispositivo_);  // the cut, whatever comes next
        Deixa deixa;
        if (auto it = preparadas_.find(pedido.arquivo); it != preparadas_.end()) deixa = it->second;
        if (!deixa) deixa = Le(pedido.arquivo);  // not prepared, or its file was missing then
        if (!deixa || Relogio::now() - pedido.quando > kAtrasoMaximo) return;
        // Without its sound server SDL falls back to another driver (ALSA), which may lead nowhere; so while
        // on one, each cue starts SDL's audio afresh, which tries the server first again.
        if (iniciado_ && !driverEscolhido_ && !NoServidor()) Fecha();
        const auto bytes = static_cast<Uint32>(deixa->size() * sizeof(int16_t));
        // A device that failed since the last look gets one fresh start at once.
        for (int tentativa = 0; tentativa < 2; ++tentativa) {
            if (!dispositivo_ && !Abre()) return;
            if (SDL_QueueAudio(dispositivo_, deixa->data(), bytes) == 0 &&
                SDL_GetAudioDeviceStatus(dispositivo_) == SDL_AUDIO_PLAYING) {
                tocou_ = Relogio::now();
                return;
            }
            Fecha();
        }
    }

    bool Abre() {
        if (!iniciado_ && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        iniciado_ = true;
        SDL_AudioSpec formato{};
        formato.freq = SomSDL::kTaxa;
        formato.format = AUDIO_S16SYS;
        formato.channels = SomSDL::kCanais;
        formato.samples = 1024;
        // No changes allowed: SDL converts to the hardware's format itself, so a cue is converted once, here.
        dispositivo_ = SDL_OpenAudioDevice(nullptr, 0, &formato, nullptr, 0);
        if (dispositivo_ == 0) {
            Fecha();
            return false;
        }
        SDL_PauseAudioDevice(dispositivo_, 0);
        return true;
    }

    // Closes the device and SDL's audio with it, so that the next start picks a driver afresh: the sound server
    // first, once it is back, rather than whatever SDL fell back to while it was away.
    void Fecha() {
        if (dispositivo_) SDL_CloseAudioDevice(dispositivo_);
        dispositivo_ = 0;
        if (iniciado_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        iniciado_ = false;
    }

    static bool NoServidor() {
        const char* driver = SDL_GetCurrentAudioDriver();
        return driver && (std::strcmp(driver, "pulseaudio") == 0 || std::strcmp(driver, "pipewire") == 0);
    }

    // The working folder first, then the program's own, then the installed layout's share/vantor beside it.
    Deixa Le(const std::string& arquivo) const {
        namespace fs = std::filesystem;
        if (arquivo.empty()) return nullptr;
        std::error_code ec;
        const fs::path nome(arquivo);
        fs::path caminho = nome;
        if (nome.is_relative())
            for (const fs::path& pasta : {fs::path(pasta_), fs::path(pasta_) / ".." / "share" / "vantor"})
                if (!fs::exists(caminho, ec)) caminho = pasta / nome;
        if (!fs::is_regular_file(caminho, ec)) return nullptr;
        const auto tamanho = fs::file_size(caminho, ec);
        if (ec || tamanho == 0 || tamanho > SomSDL::kMaiorArquivo) return nullptr;
        std::vector<uint8_t> bytes(tamanho);
        std::ifstream f(caminho, std::ios::binary);
        if (!f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(tamanho))) return nullptr;
        auto amostras = DecodificaWav(bytes.data(), bytes.size());
        if (amostras.empty()) return nullptr;
        return std::make_shared<const std::vector<int16_t>>(std::move(amostras));
    }

    std::shared_ptr<SomSDL::Fila> fila_;
    const std::string pasta_;
    const bool driverEscolhido_;  // SDL_AUDIODRIVER names one: no second-guessing it
    bool iniciado_ = false;
    SDL_AudioDeviceID dispositivo_ = 0;
    Relogio::time_point tocou_{};  // when the device last had samples queued
    std::map<std::string, Deixa> preparadas_;
};

// SDL sizes uncompressed samples by the frame size the header declares, and a frame declared shorter than its
// channels' samples makes it hand back more samples than the file holds, the rest being whatever was in memory.
bool QuadroCabe(const uint8_t* fmt, Uint32 tamanho) {
    auto le16 = [&](size_t i) { return Uint16(fmt[i] | fmt[i + 1] << 8); };
    Uint16 etiqueta = le16(0);
    if (etiqueta == 0xFFFE && tamanho >= 26) etiqueta = le16(24);  // extensible: the sub-format's tag
    const bool semCompressao = etiqueta == 1 || etiqueta == 3 || etiqueta == 6 || etiqueta == 7;
    return !semCompressao || le16(12) >= Uint32(le16(2)) * ((le16(14) + 7u) / 8u);
}

// SDL allocates what a chunk's header declares before it reads the chunk, so a 60-byte file could ask for 2 GB:
// every declared size is clamped to the bytes really there before SDL sees them. SDL also takes files with no
// RIFF header, whose chunks this would not find; a WAV file has one, so those are no cue. False: not a WAV.
bool AjustaBlocos(std::vector<uint8_t>& b) {
    auto le = [&](size_t i) {
        return Uint32(b[i]) | Uint32(b[i + 1]) << 8 | Uint32(b[i + 2]) << 16 | Uint32(b[i + 3]) << 24;
    };
    auto poe = [&](size_t i, Uint32 v) {
        for (int k = 0; k < 4; ++k) b[i + k] = static_cast<uint8_t>(v >> (8 * k));
    };
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return false;
    poe(4, std::min<Uint32>(le(4), static_cast<Uint32>(b.size() - 8)));
    for (size_t i = 12; i + 8 <= b.size();) {
        const Uint32 tamanho = std::min<Uint32>(le(i + 4), static_cast<Uint32>(b.size() - i - 8));
        poe(i + 4, tamanho);
        if (std::memcmp(b.data() + i, "fmt ", 4) == 0 && tamanho >= 16 && !QuadroCabe(b.data() + i + 8, tamanho))
            return false;
        i += 8 + size_t(tamanho) + (tamanho & 1);
    }
    return true;
}

}  // namespace

std::vector<int16_t> DecodificaWav(const uint8_t* dados, size_t tamanho) {
    if (tamanho == 0 || tamanho > SomSDL::kMaiorArquivo) return {};
    std::vector<uint8_t> copia(dados, dados + tamanho);
    if (!AjustaBlocos(copia)) return {};
    SDL_AudioSpec formato{};
    Uint8* lidos = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(copia.data(), static_cast<int>(copia.size())), 1, &formato, &lidos, &bytes))
        return {};
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> amostras(lidos, SDL_FreeWAV);
    // Rates no sound card has are a broken header, and would make the conversion huge or empty.
    if (formato.freq < 1000 || formato.freq > 384000 || formato.channels == 0) return {};
    const Uint64 quadro = SDL_AUDIO_BITSIZE(formato.format) / 8 * formato.channels;
    const Uint64 quadros = std::min<Uint64>(bytes / quadro, Uint64(SomSDL::kMaiorDuracao) * Uint64(formato.freq));
    if (quadros == 0) return {};

    const std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)> fluxo(
        SDL_NewAudioStream(formato.format, formato.channels, formato.freq, AUDIO_S16SYS, SomSDL::kCanais,
                           SomSDL::kTaxa),
        SDL_FreeAudioStream);
    if (!fluxo || SDL_AudioStreamPut(fluxo.get(), lidos, static_cast<int>(quadros * quadro)) != 0 ||
        SDL_AudioStreamFlush(fluxo.get()) != 0)
        return {};
    std::vector<int16_t> saida(static_cast<size_t>(SDL_AudioStreamAvailable(fluxo.get())) / sizeof(int16_t));
    const int obtidos = SDL_AudioStreamGet(fluxo.get(), saida.data(), static_cast<int>(saida.size() * sizeof(int16_t)));
    if (obtidos <= 0) return {};
    saida.resize(static_cast<size_t>(obtidos) / sizeof(int16_t) / SomSDL::kCanais * SomSDL::kCanais);
    return saida;
}

SomSDL::SomSDL(std::string pastaPrograma) : fila_(std::make_shared<Fila>()) {
    // Qt owns the process's signals; SDL only plays.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Vantor");
    const bool driverEscolhido = SDL_GetHint(SDL_HINT_AUDIODRIVER) != nullptr;
    trabalhador_ =
        std::thread([t = Trabalhador(fila_, std::move(pastaPrograma), driverEscolhido)]() mutable { t.Roda(); });
}

// The worker normally lets go of SDL (closes the device, quits SDL's audio) within milliseconds. When it does not
// within kEsperaFim, it is stuck inside a call into a stalled server, which SDL waits for with no timeout, and it
// can be neither joined (the exit would last as long as the stall) nor safely killed. So it is left behind,
// detached: it owns its share of the queue, and should it ever come back it makes no further SDL call, because a
// quit racing the end of the process (or a later instance's own SDL calls) could crash, while a device left open
// is reclaimed by the system at exit.
SomSDL::~SomSDL() {
    std::unique_lock l(fila_->trava);
    fila_->parar = true;
    fila_->aviso.notify_all();
    if (fila_->aviso.wait_for(l, kEsperaFim, [&] { return fila_->terminou; })) {
        l.unlock();
        trabalhador_.join();
        return;
    }
    fila_->abandonada = true;
    l.unlock();
    trabalhador_.detach();
}

void SomSDL::Prepara(const std::vector<std::string>& arquivos) {
    std::lock_guard l(fila_->trava);
    fila_->preparar = arquivos;
    fila_->aviso.notify_all();
}

void SomSDL::Toca(const std::string& arquivo) {
    std::lock_guard l(fila_->trava);
    fila_->tocar = Pedido{arquivo, Relogio::now()};
    fila_->aviso.notify_all();
}

}  // namespace vantor
