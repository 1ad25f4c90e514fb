// Controller polling: twenty times a second every slot's inputs are read, and what changed goes to the judges'
// agreement.
#include "app/vantor.h"

namespace vantor {

void Vantor::Timer_Joystick_Timer() {
    AoFim fim{*this};
    fim.mudaTela = false;  // twenty polls a second, nearly all of them finding nothing new
    plat_.BombeiaControles();
    // Look-alike controllers could swap judges when replugged: the operator must know.
    Rotulo& aviso = janela_.tela.L_Aviso;
    if (aviso.Visible != plat_.ControlesDuvidosos()) {
        aviso.Visible = !aviso.Visible, fim.mudaTela = true;
        if (aviso.Visible) aviso.Caption = Traduz(txt::ControlesIguais);
    }
    const auto novo = LeControles();
    if (novo != juizes_.EstadoControles) {
        fim.mudaTela = true;
        Dispara(novo);
        juizes_.EstadoControles = novo;
    }
}

std::array<uint16_t, entrada::kSlots> Vantor::LeControles() {
    const int slots = plat_.joyGetNumDevs();
    std::array<uint16_t, entrada::kSlots> lidas{};
    // Slots beyond the sixteenth can never score; they are not read at all.
    for (int c = 0; c < entrada::kSlots; ++c) {
        const auto s = static_cast<size_t>(c);
        uint16_t palavra = 0;
        if (c >= slots || !plat_.joyGetPos(c, palavra)) {
            juizes_.Presente[s] = false, juizes_.Retidos[s] = 0;
            continue;
        }
        // A controller replugged with a button still held (or plugged in with one down, or holding one at start-up)
        // must not vote again: what it holds as it comes is no press until released.
        if (!juizes_.Presente[s]) juizes_.Retidos[s] = palavra, juizes_.Presente[s] = true;
        juizes_.Retidos[s] &= palavra;
        lidas[s] = palavra & static_cast<uint16_t>(~juizes_.Retidos[s]);
    }
    return lidas;
}

}  // namespace vantor
