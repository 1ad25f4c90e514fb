// The controller layer with virtual controllers plugged in as a test asks; skipped when a real one is there.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controle_virtual.h"
#include "luta.h"
#include "platform/controles_sdl.h"

namespace vantor::teste {

class ComVirtuais : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    // `no`: the device node the controller claims, looked up in the fake sysfs tree of tests/casos/sysfs (a few
    // pads on USB ports, a Bluetooth one, a dangling link, a link out of the tree); without it, SDL's own answer
    // (a virtual device has none).
    Virtual& Liga(const char* nome = "Juiz", const char* no = nullptr) {
        Virtual& v = *virtuais_.emplace_back(std::make_unique<Virtual>(nome));
        EXPECT_TRUE(v.Aberto()) << SDL_GetError();
        if (no) nos_[v.Instancia()] = no;
        return v;
    }

    std::map<SDL_JoystickID, std::string> nos_;
    ControlesSDL controles_{[this](int i) -> std::string {  // first made, last gone: the virtual devices need SDL
                                const auto it = nos_.find(SDL_JoystickGetDeviceInstanceID(i));
                                const char* sdl = SDL_JoystickPathForIndex(i);
                                return it != nos_.end() ? it->second : sdl ? sdl : "";
                            },
                            VANTOR_CASOS_DIR "/sysfs/sys"};
    std::vector<std::unique_ptr<Virtual>> virtuais_;
};

}  // namespace vantor::teste
