// The controller layer against real SDL virtual joysticks: slots, the stick's threshold, presses shorter than a poll,
// identical pads told apart by their USB ports in a sysfs tree of our own (tests/casos/sysfs).
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "controle_virtual.h"
#include "platform/controles_sdl.h"
#include "platform/trava.h"

namespace vantor::teste {
namespace {

TEST(Trava, EachTransitionReadsOnceAndOverflowDropsTheOldestPair) {
    Trava t;
    for (bool e : {true, true, false, true}) t.Muda(e);  // the repeat is no transition
    for (bool esperado : {true, false, true, true}) EXPECT_EQ(t.Le(), esperado);
    for (int mudancas : {80, Trava::kLimite + 1}) {  // past the bound: still alternating, then the present state
        Trava u;
        for (int i = 0; i < mudancas; ++i) u.Muda(i % 2 == 0);
        for (int i = 0; i < Trava::kLimite - mudancas % 2; ++i) EXPECT_EQ(u.Le(), i % 2 == 0) << mudancas << ' ' << i;
        EXPECT_EQ(u.Le(), mudancas % 2 == 1) << mudancas;
    }
}

class Controles : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    // `no`: the device node the controller claims, looked up in the fake sysfs tree (pads on USB ports, a Bluetooth
    // one, a dangling link, a link out of the tree); without it, SDL's own answer (a virtual device has none).
    Virtual& Liga(const char* nome = "Juiz", const char* no = nullptr) {
        Virtual& v = *virtuais_.emplace_back(std::make_unique<Virtual>(nome));
        EXPECT_TRUE(v.Aberto()) << SDL_GetError();
        if (no) nos_[v.Instancia()] = no;
        return v;
    }

    // One poll as the core makes it: pump, then every slot read once.
    std::array<uint16_t, ControlesSDL::kSlots> Le(unsigned* ocupados = nullptr) {
        controles_.Bombeia();
        std::array<uint16_t, ControlesSDL::kSlots> l{};
        for (int s = 0; s < ControlesSDL::kSlots; ++s)
            if (controles_.Le(s, l[s]) && ocupados) *ocupados |= 1u << s;
        return l;
    }
    // The slots taken; with v, the slots that see a press of its first button. As bit masks.
    unsigned Slots(Virtual* v = nullptr) {
        unsigned ocupados = 0, m = 0;
        if (v) v->Botao(0, true);
        const auto l = Le(&ocupados);
        if (!v) return ocupados;
        v->Botao(0, false);
        Le();
        for (int s = 0; s < ControlesSDL::kSlots; ++s) m |= unsigned{l[s] == entrada::Botao1} << s;
        return m;
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

TEST_F(Controles, ControllersTakeTheFirstFreeSlotsAndUnpluggedOnesKeepTheirsForTheirReturn) {
    Virtual& breve = Liga("Breve");  // plugged and gone before a poll: no slot, no reservation
    breve.Botao(0, true), breve.Desliga();
    EXPECT_EQ(Slots(), 0u);
    for (int i = 0; i < 3; ++i) Liga();
    EXPECT_EQ(Slots(), 0b111u);
    for (int slot : {-1, 3, ControlesSDL::kSlots, 1000}) {
        uint16_t l = 7;
        EXPECT_TRUE(!controles_.Le(slot, l) && l == 0) << slot;
    }
    Virtual& c = *virtuais_[3];
    for (int b : {0, 3, 4, 5}) c.Botao(b, true);  // buttons past the fourth and a third axis show nowhere
    c.Eixo(2, 32767);
    auto l = Le();
    EXPECT_EQ(l[2], 0b1001u);
    EXPECT_EQ(l[0] + l[1], 0u);
    for (int b : {0, 3, 4, 5}) c.Botao(b, false);
    virtuais_[2]->Desliga();
    EXPECT_EQ(Slots(), 0b101u);
    EXPECT_EQ(Slots(&c), 1u << 2);
    EXPECT_EQ(Slots(&Liga("Outro")), 1u << 3);  // another model leaves judge 2's slot free
    EXPECT_EQ(Slots(&Liga()), 1u << 1);
    // Two identical controllers missing: the first back takes the lower of their slots.
    virtuais_[1]->Desliga(), virtuais_[5]->Desliga();
    EXPECT_EQ(Slots(), 0b1100u);
    for (auto [nome, slot] : {std::pair{"Outro", 4}, {"Juiz", 0}, {"Juiz", 1}})
        EXPECT_EQ(Slots(&Liga(nome)), 1u << slot) << nome << slot;
}

TEST_F(Controles, ASeventeenthControllerWaitsForAFreeSlot) {
    for (int i = 0; i < ControlesSDL::kSlots; ++i) Liga();
    Virtual& extra = Liga("Extra");
    EXPECT_EQ(Slots(), 0xFFFFu);
    EXPECT_EQ(Slots(&extra), 0u);
    extra.Botao(3, true);
    virtuais_[5]->Desliga();  // the waiting one takes the freed slot, its held button showing
    EXPECT_EQ(Le()[5], entrada::Botao4);
    EXPECT_EQ(Slots(&Liga()), 0u);  // and the one returning now waits in turn
}

TEST_F(Controles, SticksOnTheSlotScaleAndInputsShorterThanAPoll) {
    Virtual& v = Liga();
    Le();
    v.Botao(0, true), SDL_Delay(10), v.Botao(0, false);
    for (unsigned esperado : {1u, 0u}) EXPECT_EQ(Le()[0], esperado);
    // Pushed past 40000 of 0..65535 (7232 is 40000); a stick undone between polls shows what the latch saw first.
    const struct {
        int eixo;
        std::vector<int16_t> valores;
        std::vector<bool> empurrado;
    } casos[] = {{0, {32767}, {true}}, {0, {-32768}, {false}},        {1, {7232, 0}, {false}},
                 {1, {7232}, {false}}, {1, {7233}, {true}},           {0, {7233, 0}, {true, false}},
                 {1, {30000}, {true}}, {1, {0, 20000}, {false, true}}};
    for (const auto& c : casos) {
        for (int16_t valor : c.valores) v.Eixo(c.eixo, valor);
        for (bool esperado : c.empurrado)
            EXPECT_EQ((Le()[0] & (c.eixo ? entrada::Baixo : entrada::Direita)) != 0, esperado)
                << c.eixo << ' ' << c.valores[0];
    }
}

// The ring check's list: every controller that holds a slot, by slot, with SDL's name and its USB port ("" without
// one); an unplugged one leaves it, and the seventeenth, waiting for a slot, is not on it until one frees.
TEST_F(Controles, TheListNamesEachControllerInASlotWithItsPort) {
    Liga("Pad A"), Liga("Pad B", "/dev/input/event7"), Liga("Pad C", "/dev/input/event8");
    Le();
    using Lista = std::vector<ControleConectado>;
    EXPECT_EQ(controles_.Lista(), (Lista{{0, "Pad A", ""}, {1, "Pad B", "1-1.2"}, {2, "Pad C", "1-1.4"}}));
    virtuais_[1]->Desliga(), Le();
    EXPECT_EQ(controles_.Lista(), (Lista{{0, "Pad A", ""}, {2, "Pad C", "1-1.4"}}));
    for (int i = 0; i < ControlesSDL::kSlots - 1; ++i) Liga("Mais");
    Le();
    const Lista lista = controles_.Lista();
    ASSERT_EQ(lista.size(), size_t{ControlesSDL::kSlots}) << "the one waiting for a slot is listed";
    EXPECT_EQ(lista[1], (ControleConectado{1, "Mais", ""})) << "Pad B's slot, the last one free";
    virtuais_[0]->Desliga(), Le();
    EXPECT_EQ(controles_.Lista()[0], (ControleConectado{0, "Mais", ""})) << "the waiting one took the freed slot";
}

// Pads of one model without serial numbers: without a port (none from SDL; an empty path, no sysfs entry, a dangling
// link, paths outside /dev, a Bluetooth pad behind its dongle, a link out of the tree) doubtful while both are in; on
// USB ports told apart, and back in the other order on new nodes (the kernel numbers them anew), in their slots.
TEST_F(Controles, PadsThatLookAlikeAreToldApartByTheirPortsOrAreDoubtfulWhileBothAreIn) {
    const struct {
        const char* modelo;
        const char *no[2], *volta[2];  // the nodes; where they come back, if they do
        bool duvidosos;
    } casos[] = {
        {"Igual", {nullptr, ""}, {}, true},
        {"Igual", {"/dev/input/event99", "/dev/input/event50"}, {}, true},
        {"Igual", {"/tmp/input/event7", "input/event7"}, {}, true},
        {"Igual", {"/dev/input/event12", "/dev/input/event60"}, {}, true},
        {"Igual", {"/dev/input/event7", ""}, {}, false},
        {"Igual", {"/dev/hidraw2", "/dev/input/event7"}, {}, false},
        {"Par 1", {"/dev/input/event7", "/dev/input/event8"}, {"/dev/input/event10", "/dev/input/event9"}, false},
        {"Par 2", {"/dev/hidraw1", "/dev/hidraw2"}, {"/dev/input/event7", "/dev/input/event8"}, false},
        {"Par 3", {"/dev/input/event7", "/dev/input/event8"}, {"/dev/input/event11", "/dev/input/event9"}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.modelo) + " " + (c.no[0] ? c.no[0] : "-") + " " + c.no[1]);
        Virtual* par[2] = {&Liga(c.modelo, c.no[0]), &Liga(c.modelo, c.no[1])};
        const unsigned slots[2] = {Slots(par[0]), Slots(par[1])};
        EXPECT_TRUE(slots[0] && slots[1] && slots[0] != slots[1]);
        EXPECT_EQ(controles_.Duvidosos(), c.duvidosos);
        par[0]->Desliga(), Le();
        EXPECT_FALSE(controles_.Duvidosos());
        par[1]->Desliga(), Le();
        if (!c.volta[0]) continue;
        for (size_t k : {1, 0}) EXPECT_EQ(Slots(&Liga(c.modelo, c.volta[k])), slots[k]) << k;
        EXPECT_FALSE(controles_.Duvidosos());
        for (auto& v : virtuais_) v->Desliga();
    }
}

}  // namespace
}  // namespace vantor::teste
