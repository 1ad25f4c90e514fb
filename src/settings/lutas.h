// A ring's list of bouts for the day: a CSV file from the tournament's desk or a spreadsheet, one row a bout. Its
// columns are found by their header's names, in any order and case (Portuguese, Spanish or English); a list with
// any fault is refused whole, naming the line at fault, so that nothing half-read reaches the record.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "lang/idioma.h"

namespace vantor {

constexpr const char* kArquivoLutas = "lutas.csv";  // the list as last loaded, kept across restarts
constexpr size_t kMaiorLista = size_t{4} << 20;     // a thousand bouts take some 100 kB

struct LutaDaLista {
    std::string numero, categoria, modelo;
    std::array<std::string, 3> nome, l2;          // 1 blue, 2 red
    std::string evento, quadra, arbitro, juizes;  // "" where the list does not give them
    int linha = 0;                                // where the bout is in the file
    bool operator==(const LutaDaLista&) const = default;
};

struct ListaDeLutas {
    std::vector<LutaDaLista> lutas;
    // The bout of this number, or -1.
    int Acha(const std::string& numero) const;
};

struct LeituraDaLista {
    ListaDeLutas lista;
    int erro = 0;         // the language entry of why the list was refused; 0 when it was read
    int linha = 0;        // the line at fault; 0 for the file as a whole
    std::string detalhe;  // what was at fault there: a column's name, a model's, the other line of a number
};

// Reads a list's bytes (at most `kMaiorLista`; one byte more says the file was larger). `modeloExiste` says
// whether a model's name is known; without it models are not checked. Texts are cleaned as typed ones are: line
// breaks and tabs as blanks, blanks at the ends dropped, 40 characters at most.
LeituraDaLista LeListaDeLutas(const std::string& bytes,
                              const std::function<bool(const std::string&)>& modeloExiste = {});

// Why a list was refused, in language `lingua`: "Lista de lutas recusada: linha 7: nome vazio (azul)".
std::string ExplicaLista(const LeituraDaLista& r, const TabelaIdioma& t, int lingua);

}  // namespace vantor
