// The judges' game controllers through SDL2's joystick API, read as sixteen fixed slots on the
// 0..65535 axis scale with buttons 1..4 in bits 0..3. Everything runs on the caller's thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/plataforma.h"

namespace vantor {

class ControlesSDL {
public:
    static constexpr int kSlots = 16;
    // Axis value (0..65535) above which the stick counts as pushed right or down.
    static constexpr uint32_t kLimiarEixo = 40000;

    // Starts SDL's joystick subsystem only, without a window or signal handlers. When SDL cannot
    // start, every slot reads empty.
    ControlesSDL();
    ~ControlesSDL();
    ControlesSDL(const ControlesSDL&) = delete;
    ControlesSDL& operator=(const ControlesSDL&) = delete;

    // Takes in what the controllers did since the last call: plugs, unplugs, buttons, sticks.
    // Call it before reading the slots at each poll.
    void Bombeia();

    // One poll's reading of a slot; false, and all zero, when the slot is empty or out of range.
    // Each call takes one latched transition off every input, so read each slot once per poll.
    bool Le(int slot, LeituraControle& leitura);

    // Controllers that hold a slot now.
    int Conectados() const;

private:
    struct Controle;

    void Procura();
    void Remove(int32_t instancia);
    void DaSlot(Controle& c);
    Controle* Acha(int32_t instancia);

    bool iniciado_ = false;
    std::vector<std::unique_ptr<Controle>> abertos_;  // in the order they arrived
    std::array<Controle*, kSlots> slots_{};
    // The identity of the unplugged controller a free slot is kept for.
    std::array<std::optional<std::string>, kSlots> reservas_{};
};

}  // namespace vantor
