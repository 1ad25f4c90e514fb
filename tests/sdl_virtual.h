// Virtual game controllers for tests, made with SDL's virtual joystick API.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <vector>

#include "controle_virtual.h"
#include "platform/controles_sdl.h"

namespace vantor::teste {

// The controller layer with virtual controllers plugged in as a test asks; skipped when a real one is there.
class ComVirtuais : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    Virtual& Liga(const char* nome = "Juiz") {
        Virtual& v = *virtuais_.emplace_back(std::make_unique<Virtual>(nome));
        EXPECT_TRUE(v.Aberto()) << SDL_GetError();
        return v;
    }

    ControlesSDL controles_;  // first made, last gone: the virtual devices need SDL running
    std::vector<std::unique_ptr<Virtual>> virtuais_;
};

}  // namespace vantor::teste
