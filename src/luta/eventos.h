// What the fight says happened. The log, the sound, the saved fight and the boards follow these; the fight knows
// nothing of files, devices or colours.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vantor {

// What a message says, for the board to colour: a pause, the prompt to start, a winner, a tie, a warning.
enum class Tom : uint8_t { Nenhum, Pausa, Inicio, Azul, Vermelho, Empate, Aviso };

struct Evento {
    enum class Tipo : uint8_t {
        Linha,            // `texto` goes to the fight's log, time-stamped
        Som,              // cue `n` plays (1 end of a round, 2 a result, 3 time-out, 4 its end)
        Mensagem,         // the message line of both boards shows `texto` in `tom` ("" clears it)
        MensagemPlateia,  // the hall's board shows `texto` there instead ("" leaves it off)
        RelogioDoZero,    // the clock's second starts again from now (a start, a time-out)
    };
    Tipo tipo = Tipo::Linha;
    std::string texto;
    int n = 0;
    Tom tom = Tom::Nenhum;
    bool operator==(const Evento&) const = default;
};

using Seguidor = std::function<void(const Evento&)>;

}  // namespace vantor
