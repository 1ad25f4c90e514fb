// One entry per fuzz target, shared by the libFuzzer programs and the replay test. Each takes raw bytes,
// drives the reader with them and returns "" when every property held, or what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantor::fuzz {

// The phases the saved states of one Sessao run held, each as bits: 1 the rest, 2 a time-out, 4 paused, 8 the golden
// round, 16 decided. The replay test checks that the kept inputs reach every combination the keys can make.
uint32_t FasesDaUltimaSessao();

std::string Wav(const uint8_t* dados, size_t tamanho);
std::string Sessao(const uint8_t* dados, size_t tamanho);
// A ring's list of bouts as its CSV bytes.
std::string Lista(const uint8_t* dados, size_t tamanho);

struct Alvo {
    const char* nome;  // also the folder name under fuzz/corpus and fuzz/regressao
    std::string (*entrada)(const uint8_t*, size_t);
};
inline constexpr Alvo kAlvos[] = {
    {"wav", Wav},
    {"sessao", Sessao},
    {"lista", Lista},
};

}  // namespace vantor::fuzz
