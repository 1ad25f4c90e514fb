// A libFuzzer program for one entry of entradas.h; VANTOR_ALVO names it at build time.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "entradas.h"

namespace {
constexpr auto kEntrada = [] {
    for (const auto& alvo : vantor::fuzz::kAlvos)
        if (std::string_view(alvo.nome) == VANTOR_ALVO) return alvo.entrada;
    throw "unknown target";  // stops the build
}();
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const std::string erro = kEntrada(dados, tamanho);
    if (!erro.empty()) {
        std::fprintf(stderr, "property failed: %s\n", erro.c_str());
        std::abort();
    }
    return 0;
}
