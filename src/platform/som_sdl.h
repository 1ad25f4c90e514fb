// The scoreboard's WAV cues through SDL2's audio. Every SDL audio call runs on a worker thread of this layer's
// own; the caller only leaves requests for it, so a sound server that stalls or dies never holds the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace vantor {

class SomSDL {
public:
    // A bigger file is no cue: a wrong choice of file must not fill the memory.
    static constexpr size_t kMaiorArquivo = 8u << 20;
    // A cue is cut here, whatever its length: a wrong choice must not play for the whole fight either.
    static constexpr int kMaiorDuracao = 60;  // seconds
    // Every cue is converted once to this format, the one the device is opened with.
    static constexpr int kTaxa = 44100, kCanais = 2;

    // pastaPrograma: where a bare name is looked for when the working folder does not have it; then its
    // ../share/vantor, where an installed program's cues are.
    explicit SomSDL(std::string pastaPrograma);
    // Stops the worker; see the definition for a worker stuck inside a stalled server.
    ~SomSDL();
    SomSDL(const SomSDL&) = delete;
    SomSDL& operator=(const SomSDL&) = delete;

    // Decodes these cues ahead, on the worker, so that playing one later only queues it. Returns at once.
    void Prepara(const std::vector<std::string>& arquivos);
    // Cuts any cue still playing and starts this one; returns at once. A name that does not lead to a playable
    // WAV (empty, missing, empty file, folder, not a WAV, over kMaiorArquivo) plays nothing and says nothing.
    void Toca(const std::string& arquivo);

    struct Fila;

private:
    std::shared_ptr<Fila> fila_;
    std::thread trabalhador_;
};

// The bytes of a WAV file as interleaved 16-bit samples in the device's format; empty when they are no playable
// WAV. Memory in, memory out: no device, no SDL_Init.
std::vector<int16_t> DecodificaWav(const uint8_t* dados, size_t tamanho);

}  // namespace vantor
