// A virtual game controller made with SDL's virtual joystick API, for the tests and the benchmarks.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace vantor::teste {

// Three axes and six buttons, more than a slot carries. SDL reports a virtual device's state only while it is open and
// only at SDL_JoystickUpdate, so every change is followed by one, as a real device reports each change.
class Virtual {
public:
    explicit Virtual(const char* nome) {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION, d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = 3, d.nbuttons = 6, d.name = nome;
        joy_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
    }
    ~Virtual() { Desliga(); }
    Virtual(const Virtual&) = delete;
    Virtual& operator=(const Virtual&) = delete;

    void Botao(int b, bool pressionado) {
        SDL_JoystickSetVirtualButton(joy_, b, pressionado ? SDL_PRESSED : SDL_RELEASED), SDL_JoystickUpdate();
    }
    void Eixo(int e, int16_t valor) { SDL_JoystickSetVirtualAxis(joy_, e, valor), SDL_JoystickUpdate(); }
    // Input 0..3 is a button; 4 and 5 push the stick right and down.
    void Muda(int entrada, bool apertada) {
        entrada < 4 ? Botao(entrada, apertada) : Eixo(entrada - 4, apertada ? SDL_JOYSTICK_AXIS_MAX : 0);
    }
    bool Aberto() const { return joy_ != nullptr; }
    SDL_JoystickID Instancia() const { return SDL_JoystickInstanceID(joy_); }
    void Desliga() {
        for (int i = 0; joy_ && i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == Instancia()) SDL_JoystickDetachVirtual(i);
        if (joy_) SDL_JoystickClose(joy_);
        joy_ = nullptr;
    }

private:
    SDL_Joystick* joy_ = nullptr;
};

}  // namespace vantor::teste
