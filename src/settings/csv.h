// Comma-separated text as spreadsheets write it: a header row, comma, semicolon or tab between fields, quoted
// fields with doubled quotes inside, line breaks inside quotes, CR LF, LF or CR line ends, a UTF-8 mark or none.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct RegistroCsv {
    int linha = 0;  // the line of the file the record begins on, from 1
    std::vector<std::string> campos;
};

struct LeituraCsv {
    std::vector<RegistroCsv> registros;
    char separador = ',';
    int aspasAbertas = 0;  // the line of a quote never closed (the records before it are read); 0: none
};

// The separator is the one of comma, semicolon and tab that the first line uses most outside quotes.
LeituraCsv LeCsv(std::string_view texto);

// Where `texto` stops being UTF-8 (overlong forms, surrogates and code points past U+10FFFF included); npos when
// it is UTF-8 throughout.
size_t FimDoUtf8(std::string_view texto);

// At most `n` characters of UTF-8 text, never cutting one in two.
std::string CortaUtf8(std::string s, size_t n);

// One field as a spreadsheet reads it back unchanged: quoted when it holds a separator, a quote or a line break; a
// text a spreadsheet would take for a formula (=, +, -, @ first) begins with an apostrophe.
std::string CampoCsv(std::string_view campo);

}  // namespace vantor
