// Virtual game controllers for tests, made with SDL's virtual joystick API.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controle_virtual.h"
#include "luta.h"
#include "platform/controles_sdl.h"

namespace vantor::teste {

// The controller layer with virtual controllers plugged in as a test asks; skipped when a real one is there.
class ComVirtuais : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    // `no`: the device node the controller claims, looked up in the sysfs tree under arvore_/sys; without it,
    // SDL's own answer (a virtual device has none).
    Virtual& Liga(const char* nome = "Juiz", const char* no = nullptr) {
        Virtual& v = *virtuais_.emplace_back(std::make_unique<Virtual>(nome));
        EXPECT_TRUE(v.Aberto()) << SDL_GetError();
        if (no) nos_[v.Instancia()] = no;
        return v;
    }

    std::map<SDL_JoystickID, std::string> nos_;
    PastaTemporaria arvore_;
    // First made, last gone: the virtual devices need SDL running.
    ControlesSDL controles_{[this](int i) -> std::string {
                                if (const auto it = nos_.find(SDL_JoystickGetDeviceInstanceID(i)); it != nos_.end())
                                    return it->second;
                                const char* sdl = SDL_JoystickPathForIndex(i);
                                return sdl ? sdl : "";
                            },
                            arvore_.caminho() + "/sys"};
    std::vector<std::unique_ptr<Virtual>> virtuais_;
};

}  // namespace vantor::teste
