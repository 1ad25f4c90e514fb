// Replays every kept fuzz input (the hand-made seeds and the inputs that once broke a reader) through
// the same entries the fuzz targets use, built with the normal compiler.
#include <gtest/gtest.h>

#include <filesystem>

#include "entradas.h"
#include "settings/arquivos.h"

TEST(FuzzRegressao, EveryKeptInputHoldsItsProperties) {
    namespace fs = std::filesystem;
    uint32_t fases = 0;  // every combination of phases the kept sessions' saved states held
    for (const auto& alvo : vantor::fuzz::kAlvos) {
        int entradas = 0;
        std::error_code ec;  // a missing folder holds no inputs
        for (const char* pasta : {"corpus", "regressao"})
            for (const auto& e : fs::directory_iterator(fs::path(VANTOR_FUZZ_DIR) / pasta / alvo.nome, ec)) {
                const std::string bytes = vantor::LeArquivo(e.path());
                EXPECT_EQ(alvo.entrada(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "") << e.path();
                if (alvo.entrada == vantor::fuzz::Sessao) fases |= vantor::fuzz::FasesDaUltimaSessao();
                ++entradas;
            }
        EXPECT_GE(entradas, 3) << "seeds of " << alvo.nome << " are missing";
    }
    // Every combination of phases the keys can make (bits as FasesDaUltimaSessao's; a search of 23,000 random
    // sessions found no other) is saved and read back by some kept input.
    constexpr auto bit = [](std::initializer_list<int> fs) {
        uint32_t b = 0;
        for (int f : fs) b |= 1u << f;
        return b;
    };
    EXPECT_EQ(fases, bit({0, 1, 2, 3, 4, 5, 8, 10, 12, 20, 21, 28, 29})) << std::hex << fases;
}
