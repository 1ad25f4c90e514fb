// Replays every kept fuzz input (the hand-made seeds and the inputs that once broke a reader) through
// the same entries the fuzz targets use, built with the normal compiler.
#include <gtest/gtest.h>

#include <filesystem>

#include "entradas.h"
#include "settings/arquivos.h"

TEST(FuzzRegressao, EveryKeptInputHoldsItsProperties) {
    namespace fs = std::filesystem;
    for (const auto& alvo : vantor::fuzz::kAlvos) {
        int entradas = 0;
        std::error_code ec;  // a missing folder holds no inputs
        for (const char* pasta : {"corpus", "regressao"})
            for (const auto& e : fs::directory_iterator(fs::path(VANTOR_FUZZ_DIR) / pasta / alvo.nome, ec)) {
                const std::string bytes = vantor::LeArquivo(e.path());
                EXPECT_EQ(alvo.entrada(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "") << e.path();
                ++entradas;
            }
        EXPECT_GE(entradas, 3) << "seeds of " << alvo.nome << " are missing";
    }
}
