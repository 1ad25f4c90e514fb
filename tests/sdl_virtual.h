// Virtual game controllers for tests, made with SDL's virtual joystick API.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/controles_sdl.h"

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
        EXPECT_NE(joy_, nullptr) << SDL_GetError();
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

// The controller layer with virtual controllers plugged in as a test asks; skipped when a real one is there.
class ComVirtuais : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    Virtual& Liga(const char* nome = "Juiz") { return *virtuais_.emplace_back(std::make_unique<Virtual>(nome)); }

    ControlesSDL controles_;  // first made, last gone: the virtual devices need SDL running
    std::vector<std::unique_ptr<Virtual>> virtuais_;
};

}  // namespace vantor::teste
