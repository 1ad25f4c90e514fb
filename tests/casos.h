// Files of cases and expected results, in tests/casos.
#pragma once

#include <string>
#include <vector>

namespace vantor::teste {

// The lines of a file of tests/casos, without blank lines and '#' comments.
std::vector<std::string> Casos(const std::string& nome);
// Each line of a table of tests/casos as numbers.
std::vector<std::vector<int>> TabelaCasos(const std::string& nome);
// Compares a fight's log with its expected file in tests/casos; a missing file is written from this run, for
// review, and fails.
void ConfereLog(const std::vector<std::string>& log, const std::string& nome);

}  // namespace vantor::teste
