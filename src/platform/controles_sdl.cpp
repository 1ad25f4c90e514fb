#include "platform/controles_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/trava.h"

namespace vantor {

namespace {

constexpr int kBotoes = 4;

uint32_t Escala(int16_t valor) { return static_cast<uint32_t>(valor + 32768); }

namespace fs = std::filesystem;

// What the model says of itself; two pads of one model without a serial number say the same.
std::string Modelo(SDL_Joystick* joy) {
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joy), guid, sizeof guid);
    const char* serie = SDL_JoystickGetSerial(joy);
    const char* nome = SDL_JoystickName(joy);
    return std::string(guid) + '\n' + (serie ? serie : "") + '\n' + (nome ? nome : "");
}

// The USB port ("1-1.4") of the device behind a node (/dev/input/event7, /dev/hidraw3): the node's class entry
// in sysfs leads into the device tree, and the USB device is the nearest folder above that holds busnum and
// devpath. "" when anything on the way is missing or odd.
std::string Porta(const std::string& no, const fs::path& sysfs) {
    const fs::path caminho(no);
    const std::string nome = caminho.filename().string();
    if (nome.empty() || nome == "." || nome == "..") return "";
    std::string classe;
    if (caminho.parent_path() == "/dev/input")
        classe = "input";
    else if (caminho.parent_path() == "/dev")
        classe = nome.substr(0, nome.find_last_not_of("0123456789") + 1);  // hidraw3: class hidraw
    if (classe.empty() || classe == "." || classe == "..") return "";
    std::error_code erro;
    const fs::path raiz = fs::canonical(sysfs, erro);
    if (erro) return "";
    fs::path pasta = fs::canonical(sysfs / "class" / classe / nome / "device", erro);
    if (erro) return "";
    // A link that leads out of the tree leads nowhere we can vouch for.
    if (std::mismatch(raiz.begin(), raiz.end(), pasta.begin(), pasta.end()).first != raiz.end()) return "";
    for (; pasta != raiz; pasta = pasta.parent_path()) {
        std::string nivel = pasta.filename().string();
        // A HID device of another bus (0005 is Bluetooth) on the way up: the USB device is only its dongle,
        // shared by every pad paired through it.
        if (nivel.size() == 19 && nivel[4] == ':' && nivel[9] == ':' && nivel[14] == '.' &&
            nivel.compare(0, 4, "0003") != 0)
            return "";
        if (fs::exists(pasta / "busnum", erro) && fs::exists(pasta / "devpath", erro)) return nivel;
    }
    return "";
}

}  // namespace

struct ControlesSDL::Controle {
    SDL_Joystick* joy = nullptr;
    SDL_JoystickID instancia = -1;
    Identidade identidade;
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

ControlesSDL::ControlesSDL(Caminho caminho, std::string sysfs)
    : caminho_(std::move(caminho)), sysfs_(std::move(sysfs)) {
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
                case SDL_JOYDEVICEREMOVED: Remove(e.jdevice.which); break;
                case SDL_JOYBUTTONDOWN:
                case SDL_JOYBUTTONUP:
                    if (Controle* c = Acha(e.jbutton.which); c && c->slot >= 0 && e.jbutton.button < kBotoes)
                        c->botoes[e.jbutton.button].Muda(e.jbutton.state == SDL_PRESSED);
                    break;
                case SDL_JOYAXISMOTION:
                    if (Controle* c = Acha(e.jaxis.which); c && c->slot >= 0) c->Eixo(e.jaxis.axis, e.jaxis.value);
                    break;
                default: break;
            }
        }
    }
    // Nobody else reads SDL's queue: keep whatever else lands there from piling up.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_JOYAXISMOTION - 1);
    SDL_FlushEvents(SDL_JOYBATTERYUPDATED + 1, SDL_LASTEVENT);
}

bool ControlesSDL::Le(int slot, uint16_t& entradas) {
    entradas = 0;
    if (slot < 0 || slot >= kSlots || !slots_[slot]) return false;
    Controle& c = *slots_[slot];
    for (int b = 0; b < kBotoes; ++b)
        if (c.botoes[b].Le()) entradas |= static_cast<uint16_t>(1u << b);
    // A stick pushed and let go between polls shows pushed at this one: the latch keeps what it saw first.
    if (c.direita.Le()) entradas |= entrada::Direita;
    if (c.baixo.Le()) entradas |= entrada::Baixo;
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
        std::string no;
        if (caminho_) {
            no = caminho_(i);
        } else if (const char* p = SDL_JoystickPathForIndex(i)) {
            no = p;
        }
        c->identidade = {Modelo(joy), Porta(no, sysfs_)};
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
    // Back on another port: the model alone decides, as it did before ports were known.
    if (slot < 0) slot = primeiro([&](int s) { return reservas_[s] && reservas_[s]->modelo == c.identidade.modelo; });
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

std::vector<ControleConectado> ControlesSDL::Lista() const {
    std::vector<ControleConectado> lista;
    for (int s = 0; s < kSlots; ++s)
        if (const Controle* c = slots_[s]) {
            const char* nome = SDL_JoystickName(c->joy);
            lista.push_back({s, nome ? nome : "", c->identidade.porta});
        }
    return lista;
}

bool ControlesSDL::Duvidosos() const {
    for (size_t i = 0; i < abertos_.size(); ++i)
        for (size_t j = i + 1; j < abertos_.size(); ++j)
            if (abertos_[i]->identidade.porta.empty() && abertos_[i]->identidade == abertos_[j]->identidade)
                return true;
    return false;
}

}  // namespace vantor
