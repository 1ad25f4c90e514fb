// Replays every kept fuzz input (the hand-made seeds and the inputs that once broke a reader) through
// the same entries the fuzz targets use, built with the normal compiler.
#include <gtest/gtest.h>

#include <filesystem>

#include "entradas.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

TEST(FuzzRegressao, EveryKeptInputHoldsItsProperties) {
    for (const auto& alvo : fuzz::kAlvos) {
        int entradas = 0;
        for (const char* pasta : {"corpus", "regressao"}) {
            const std::filesystem::path dir = std::filesystem::path(VANTOR_FUZZ_DIR) / pasta / alvo.nome;
            if (!std::filesystem::is_directory(dir)) continue;
            for (const auto& arquivo : std::filesystem::directory_iterator(dir)) {
                const std::string bytes = LeArquivo(arquivo.path());
                EXPECT_EQ(alvo.entrada(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
                    << arquivo.path();
                ++entradas;
            }
        }
        EXPECT_GE(entradas, 3) << "seeds of " << alvo.nome << " are missing";
    }
}

}  // namespace
}  // namespace vantor::teste
