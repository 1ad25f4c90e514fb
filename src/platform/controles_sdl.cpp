#include "platform/controles_sdl.h"

#include <SDL.h>

#include <algorithm>

#include "platform/trava.h"

namespace vantor {

namespace {

constexpr int kBotoes = 4;

uint32_t Escala(int16_t valor) { return static_cast<uint32_t>(valor + 32768); }

// What tells one physical controller from another across an unplug.
std::string Identidade(SDL_Joystick* joy) {
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joy), guid, sizeof guid);
    const char* serie = SDL_JoystickGetSerial(joy);
    const char* nome = SDL_JoystickName(joy);
    return std::string(guid) + '\n' + (serie ? serie : "") + '\n' + (nome ? nome : "");
}

}  // namespace

struct ControlesSDL::Controle {
    SDL_Joystick* joy = nullptr;
    SDL_JoystickID instancia = -1;
    std::string identidade;
    int slot = -1;  // -1 while all slots are taken
    std::array<Trava, kBotoes> botoes;
    Trava direita, baixo;
    std::array<int16_t, 2> eixos{};

    void Eixo(int eixo, int16_t valor) {
        if (eixo > 1) return;
        eixos[eixo] = valor;
        (eixo == 0 ? direita : baixo).Muda(Escala(valor) > kLimiarEixo);
    }

    // Starts the latches from the device's present state: a button held while plugging in shows.
    void Semeia() {
        botoes = {};
        direita = baixo = Trava{};
        for (int b = 0; b < kBotoes; ++b) botoes[b].Muda(SDL_JoystickGetButton(joy, b) != 0);
        for (int e = 0; e < 2; ++e) Eixo(e, SDL_JoystickGetAxis(joy, e));
    }
};

ControlesSDL::ControlesSDL() {
    // Qt owns the window and the process's signals; SDL only watches the controllers, in the background too.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    iniciado_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

ControlesSDL::~ControlesSDL() {
    if (!iniciado_) return;
    for (auto& c : abertos_) SDL_JoystickClose(c->joy);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void ControlesSDL::Bombeia() {
    if (!iniciado_) return;
    SDL_PumpEvents();
    SDL_Event eventos[32];
    int n;
    while ((n = SDL_PeepEvents(eventos, 32, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED)) > 0) {
        for (int i = 0; i < n; ++i) {
            const SDL_Event& e = eventos[i];
            switch (e.type) {
            case SDL_JOYDEVICEADDED:
                // The event's device index may be stale by now; a look at every device is not.
                Procura();
                break;
            case SDL_JOYDEVICEREMOVED:
                Remove(e.jdevice.which);
                break;
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP:
                if (Controle* c = Acha(e.jbutton.which); c && c->slot >= 0 && e.jbutton.button < kBotoes)
                    c->botoes[e.jbutton.button].Muda(e.jbutton.state == SDL_PRESSED);
                break;
            case SDL_JOYAXISMOTION:
                if (Controle* c = Acha(e.jaxis.which); c && c->slot >= 0) c->Eixo(e.jaxis.axis, e.jaxis.value);
                break;
            default:
                break;
            }
        }
    }
    // Nobody else reads SDL's queue: keep whatever else lands there from piling up.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_JOYAXISMOTION - 1);
    SDL_FlushEvents(SDL_JOYBATTERYUPDATED + 1, SDL_LASTEVENT);
}

bool ControlesSDL::Le(int slot, LeituraControle& leitura) {
    leitura = LeituraControle{};
    if (slot < 0 || slot >= kSlots || !slots_[slot]) return false;
    Controle& c = *slots_[slot];
    for (int b = 0; b < kBotoes; ++b)
        if (c.botoes[b].Le()) leitura.botoes |= 1u << b;
    // A latched stick transition the axis has already undone is shown at the far end or at the centre.
    auto eixo = [](Trava& t, int16_t valor) {
        const uint32_t real = Escala(valor);
        const bool estado = t.Le();
        if (estado != (real > kLimiarEixo)) return estado ? 65535u : 32768u;
        return real;
    };
    leitura.x = eixo(c.direita, c.eixos[0]);
    leitura.y = eixo(c.baixo, c.eixos[1]);
    return true;
}

ControlesSDL::Controle* ControlesSDL::Acha(int32_t instancia) {
    for (auto& c : abertos_)
        if (c->instancia == instancia) return c.get();
    return nullptr;
}

void ControlesSDL::Procura() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        const SDL_JoystickID instancia = SDL_JoystickGetDeviceInstanceID(i);
        if (instancia < 0 || Acha(instancia)) continue;
        SDL_Joystick* joy = SDL_JoystickOpen(i);
        if (!joy) continue;  // gone again already
        auto c = std::make_unique<Controle>();
        c->joy = joy;
        c->instancia = SDL_JoystickInstanceID(joy);
        c->identidade = Identidade(joy);
        abertos_.push_back(std::move(c));
        DaSlot(*abertos_.back());
    }
}

void ControlesSDL::Remove(int32_t instancia) {
    auto it = std::find_if(abertos_.begin(), abertos_.end(), [&](const auto& c) { return c->instancia == instancia; });
    if (it == abertos_.end()) return;
    const int slot = (*it)->slot;
    SDL_JoystickClose((*it)->joy);
    if (slot >= 0) {
        slots_[slot] = nullptr;
        reservas_[slot] = (*it)->identidade;
    }
    abertos_.erase(it);
    if (slot < 0) return;
    // A controller that found every slot taken gets the first one to free up.
    for (auto& c : abertos_)
        if (c->slot < 0) {
            DaSlot(*c);
            break;
        }
}

void ControlesSDL::DaSlot(Controle& c) {
    auto primeiro = [&](auto serve) {
        for (int s = 0; s < kSlots; ++s)
            if (!slots_[s] && serve(s)) return s;
        return -1;
    };
    int slot = primeiro([&](int s) { return reservas_[s] == c.identidade; });
    if (slot < 0) slot = primeiro([&](int s) { return !reservas_[s].has_value(); });
    if (slot < 0) slot = primeiro([](int) { return true; });
    if (slot < 0) return;
    c.slot = slot;
    slots_[slot] = &c;
    reservas_[slot].reset();
    c.Semeia();
}

int ControlesSDL::Conectados() const {
    int n = 0;
    for (const Controle* c : slots_) n += c != nullptr;
    return n;
}

}  // namespace vantor
