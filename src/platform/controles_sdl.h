// The judges' game controllers through SDL2's joystick API, read as sixteen fixed slots of inputs (buttons 1..4,
// the stick pushed right or down; controllers/entradas.h). Everything runs on the caller's thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/conferencia.h"
#include "controllers/entradas.h"

namespace vantor {

class ControlesSDL {
public:
    static constexpr int kSlots = 16;
    // Axis value (0..65535) above which the stick counts as pushed right or down.
    static constexpr uint32_t kLimiarEixo = 40000;

    // The device node (/dev/input/event7, /dev/hidraw3) of the controller at an SDL device index, "" when it has
    // none; SDL's own answer when not given.
    using Caminho = std::function<std::string(int indice)>;

    // Starts SDL's joystick subsystem only, without a window or signal handlers. When SDL cannot
    // start, every slot reads empty. The USB port of each controller is looked up under `sysfs`.
    explicit ControlesSDL(Caminho caminho = {}, std::string sysfs = "/sys");
    ~ControlesSDL();
    ControlesSDL(const ControlesSDL&) = delete;
    ControlesSDL& operator=(const ControlesSDL&) = delete;

    // Takes in what the controllers did since the last call: plugs, unplugs, buttons, sticks.
    // Call it before reading the slots at each poll.
    void Bombeia();

    // One poll's reading of a slot's inputs; false, and nothing pressed, when the slot is empty or out of range.
    // Each call takes one latched transition off every input, so read each slot once per poll.
    bool Le(int slot, uint16_t& entradas);

    // Controllers that hold a slot now.
    int Conectados() const;
    // The same, by slot, with SDL's name for each ("" when it has none) and its USB port ("" when unknown).
    std::vector<ControleConectado> Lista() const;

    // True while two connected controllers look alike (same model, same serial number or none) and no USB port
    // tells them apart: replugged in the other order they would swap slots.
    bool Duvidosos() const;

private:
    struct Controle;
    // What tells one physical controller from another across an unplug: the model's own data, and the USB port
    // ("" when unknown) for controllers of one model that carry no serial number.
    struct Identidade {
        std::string modelo;
        std::string porta;
        bool operator==(const Identidade&) const = default;
    };

    void Procura();
    void Remove(int32_t instancia);
    void DaSlot(Controle& c);
    Controle* Acha(int32_t instancia);

    Caminho caminho_;
    std::string sysfs_;
    bool iniciado_ = false;
    std::vector<std::unique_ptr<Controle>> abertos_;  // in the order they arrived
    std::array<Controle*, kSlots> slots_{};
    // The identity of the unplugged controller a free slot is kept for.
    std::array<std::optional<Identidade>, kSlots> reservas_{};
};

}  // namespace vantor
