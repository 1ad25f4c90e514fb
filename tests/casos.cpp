#include "casos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vantor::teste {

std::vector<std::string> Casos(const std::string& nome) {
    std::ifstream in(std::string(VANTOR_CASOS_DIR) + "/" + nome);
    if (!in) ADD_FAILURE() << "no tests/casos/" << nome;
    std::vector<std::string> linhas;
    for (std::string l; std::getline(in, l);)
        if (!l.empty() && l[0] != '#') linhas.push_back(l);
    return linhas;
}

std::vector<std::vector<int>> TabelaCasos(const std::string& nome) {
    std::vector<std::vector<int>> tabela;
    for (const std::string& l : Casos(nome)) {
        std::istringstream in(l);
        tabela.emplace_back(std::istream_iterator<int>(in), std::istream_iterator<int>());
    }
    return tabela;
}

void ConfereLog(const std::vector<std::string>& log, const std::string& nome) {
    const std::string caminho = std::string(VANTOR_CASOS_DIR) + "/" + nome;
    if (!std::filesystem::exists(caminho)) {
        std::ofstream out(caminho);
        for (const auto& l : log) out << l << '\n';
        ADD_FAILURE() << caminho << " was missing: written from this run";
    }
    EXPECT_EQ(log, Casos(nome)) << nome;
}

}  // namespace vantor::teste
