// A virtual game controller made with SDL's virtual joystick API, for the tests and the benchmarks.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace vantor::teste {

// A virtual controller with three axes and six buttons, more than a slot carries. SDL turns a virtual
// device's state into events only while someone holds it open, and only at SDL_JoystickUpdate, which reports
// the state of that moment: two changes without an update between them would be one change, or none. So the
// helper holds it open and follows every change with an update, as a real device reports each change.
class Virtual {
public:
    explicit Virtual(const char* nome) {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = 3;
        d.nbuttons = 6;
        d.name = nome;
        joy_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
    }
    ~Virtual() { Desliga(); }
    Virtual(const Virtual&) = delete;
    Virtual& operator=(const Virtual&) = delete;

    void Botao(int b, bool pressionado) {
        SDL_JoystickSetVirtualButton(joy_, b, pressionado ? SDL_PRESSED : SDL_RELEASED);
        SDL_JoystickUpdate();
    }
    void Eixo(int e, int16_t valor) {
        SDL_JoystickSetVirtualAxis(joy_, e, valor);
        SDL_JoystickUpdate();
    }
    bool Aberto() const { return joy_ != nullptr; }
    SDL_JoystickID Instancia() const { return SDL_JoystickInstanceID(joy_); }
    // Input 0..3 is a button; 4 and 5 push the stick right and down.
    void Muda(int entrada, bool apertada) {
        if (entrada < 4) return Botao(entrada, apertada);
        Eixo(entrada - 4, apertada ? SDL_JOYSTICK_AXIS_MAX : 0);
    }
    void Desliga() {
        if (!joy_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joy_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        SDL_JoystickClose(joy_);
        joy_ = nullptr;
    }

private:
    SDL_Joystick* joy_ = nullptr;
};

}  // namespace vantor::teste
