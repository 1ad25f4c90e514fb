// The ring check before the day's first bout: every connected controller with the judges' buttons it serves, the
// judges left without one, and a lamp for every button in use. Plain data the core fills and a front end lays out.
#pragma once

#include <string>
#include <vector>

namespace vantor {

// A controller that holds a slot, as the controller layer knows it.
struct ControleConectado {
    int slot = 0;       // 0..15, the map's positions slot * 16 + 1 .. slot * 16 + 16
    std::string nome;   // the device's own name, "" when it gives none
    std::string porta;  // its USB port ("1-1.4"), "" when unknown
    bool operator==(const ControleConectado&) const = default;
};

struct ConferenciaDoRinque {
    struct Controle {
        ControleConectado conectado;
        std::vector<int> botoes;  // the buttons in use it serves, judge by judge
        std::string texto;        // what the operator reads: slot, name and port, then a line per judge served
        bool operator==(const Controle&) const = default;
    };
    struct Lampada {
        int botao = 0, juiz = 0, cor = 0, valor = 0;
        bool acesa = false;        // the board's own lamp: lit for two seconds after each press
        bool vista = false;        // pressed since the check opened
        bool semControle = false;  // no connected controller has an input mapped to it
        bool operator==(const Lampada&) const = default;
    };

    std::vector<Controle> controles;     // by slot
    std::vector<Lampada> lampadas;       // judge by judge: red's groups in use, then blue's
    std::vector<int> juizesSemControle;  // 1..3
    // Captions in the current language: the window's title, the judges without a controller (or that each has one),
    // what to do, the close button, the lamp rows' and columns' headers, the empty list.
    std::string titulo, situacao, instrucao, fechar, juiz, vermelho, azul, nenhumControle;
    bool operator==(const ConferenciaDoRinque&) const = default;
};

}  // namespace vantor
