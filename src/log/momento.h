// One reading of the wall clock, local time: what a log line's stamp and a saved fight's moment are made of.
#pragma once

namespace vantor {

struct Momento {
    int ano = 2000, mes = 1, dia = 1;
    int hora = 0, minuto = 0, segundo = 0;
    int milissegundo = 0;
};

}  // namespace vantor
