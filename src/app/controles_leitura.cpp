// Controller polling: twenty times a second every slot becomes 16 characters of "0"/"1", and a
// changed text goes to the judges' agreement.
#include "app/vantor.h"

namespace vantor {

namespace {
constexpr uint32_t kLimiarEixo = 40000;
constexpr int kSlotsLidos = 16;  // positions 1..256 are all the button map can hold
}  // namespace

void Vantor::Timer_Joystick_Timer() {
    const AoFim fim{*this};
    plat.BombeiaControles();
    // Look-alike controllers could swap judges when replugged: the operator must know.
    Controle& aviso = janela_.tela.L_Aviso;
    aviso.Visible = plat.ControlesDuvidosos();
    if (aviso.Visible) aviso.Caption = Traduz(txt::ControlesIguais);
    const std::string novo = LeControles();
    if (novo != juizes_.EstadoControles) {
        Dispara(novo);
        juizes_.EstadoControles = novo;
    }
}

std::string Vantor::LeControles() {
    const int slots = plat.joyGetNumDevs();
    std::string texto;
    // Slots beyond the sixteenth can never score; they are not read at all.
    for (int c = 0; c < slots && c < kSlotsLidos; ++c) {
        LeituraControle leitura;  // every field cleared: a failed read shows nothing pressed
        const bool lido = plat.joyGetPos(c, leitura);
        if (!lido) leitura = {};
        auto palavra = static_cast<uint16_t>(leitura.botoes & 0x0F);
        if (leitura.x > kLimiarEixo) palavra |= 1u << 9;
        if (leitura.y > kLimiarEixo) palavra |= 1u << 10;
        // A controller replugged with a button still held (or plugged in with one down) must not vote again: what
        // it holds as it comes is no press until released.
        const auto s = static_cast<size_t>(c);
        if (!lido) {
            juizes_.Fora[s] = true, juizes_.Retidos[s] = 0;
        } else {
            if (juizes_.Fora[s]) juizes_.Retidos[s] = palavra, juizes_.Fora[s] = false;
            juizes_.Retidos[s] &= palavra;
            palavra &= static_cast<uint16_t>(~juizes_.Retidos[s]);
        }
        texto += BinarioBotoes(palavra);
    }
    return texto;
}

std::string Vantor::BinarioBotoes(uint16_t palavra) {
    std::string bloco(16, '0');
    for (int bit = 15; bit >= 0; --bit)
        if (palavra & (1u << bit)) bloco[static_cast<size_t>(15 - bit)] = '1';
    return bloco;
}

}  // namespace vantor
