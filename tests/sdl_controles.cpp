// The controller layer against real SDL virtual joysticks: slots, the axis scale, presses shorter than a poll.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <vector>

#include "platform/trava.h"
#include "sdl_virtual.h"

namespace {

using vantor::ControlesSDL;
using vantor::LeituraControle;
using vantor::Trava;
using vantor::teste::Virtual;

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

class Controles : public vantor::teste::ComVirtuais {
protected:
    // One poll as the core makes it: pump, then every slot read once.
    std::array<LeituraControle, ControlesSDL::kSlots> Le(unsigned* ocupados = nullptr) {
        controles_.Bombeia();
        std::array<LeituraControle, ControlesSDL::kSlots> l;
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
        for (int s = 0; s < ControlesSDL::kSlots; ++s) m |= unsigned{l[s].botoes == 1} << s;
        return m;
    }
};

TEST_F(Controles, ThreeControllersTakeTheFirstSlotsAndOthersReadZero) {
    Virtual& breve = Liga("Breve");  // plugged and gone before a poll: no slot, no reservation
    breve.Botao(0, true);
    breve.Desliga();
    EXPECT_EQ(Slots(), 0u);
    for (int i = 0; i < 3; ++i) Liga();
    Virtual& c = *virtuais_.back();
    EXPECT_EQ(Slots(), 0b111u);
    for (int slot : {-1, 3, ControlesSDL::kSlots, 1000}) {
        LeituraControle l{7, 7, 7, 7};
        EXPECT_FALSE(controles_.Le(slot, l)) << slot;
        EXPECT_EQ(l.x + l.y + l.z + l.botoes, 0u) << slot;
    }
    for (int b : {0, 3, 4, 5}) c.Botao(b, true);  // buttons past the fourth and a third axis show nowhere
    c.Eixo(2, 32767);
    const auto l = Le();
    EXPECT_EQ(l[2].botoes, 0b1001u);
    EXPECT_EQ(l[0].botoes + l[1].botoes + l[2].z, 0u);
}

TEST_F(Controles, UnpluggedControllersKeepTheirSlotsForTheirReturn) {
    for (int i = 0; i < 3; ++i) Liga();
    Le();
    virtuais_[1]->Desliga();
    EXPECT_EQ(Slots(), 0b101u);
    EXPECT_EQ(Slots(virtuais_[2].get()), 1u << 2);
    EXPECT_EQ(Slots(&Liga("Outro")), 1u << 3);  // another model leaves judge 2's slot free
    EXPECT_EQ(Slots(&Liga()), 1u << 1);
    // Two identical controllers missing: the first back takes the lower of their slots.
    virtuais_[0]->Desliga();
    virtuais_[4]->Desliga();
    EXPECT_EQ(Slots(), 0b1100u);
    EXPECT_EQ(Slots(&Liga("Outro")), 1u << 4);
    EXPECT_EQ(Slots(&Liga()), 1u << 0);
    EXPECT_EQ(Slots(&Liga()), 1u << 1);
}

TEST_F(Controles, ASeventeenthControllerWaitsForAFreeSlot) {
    for (int i = 0; i < ControlesSDL::kSlots; ++i) Liga();
    Virtual& extra = Liga("Extra");
    EXPECT_EQ(Slots(), 0xFFFFu);
    EXPECT_EQ(Slots(&extra), 0u);
    extra.Botao(3, true);
    virtuais_[5]->Desliga();  // the waiting one takes the freed slot, its held button showing
    EXPECT_EQ(Le()[5].botoes, 8u);
    EXPECT_EQ(Slots(&Liga()), 0u);  // and the one returning now waits in turn
}

TEST_F(Controles, SticksOnTheSlotScaleAndInputsShorterThanAPoll) {
    Virtual& v = Liga();
    Le();
    v.Botao(0, true);
    SDL_Delay(10);
    v.Botao(0, false);
    for (unsigned esperado : {1u, 0u}) EXPECT_EQ(Le()[0].botoes, esperado);
    // A stick undone between polls shows what the latch saw first: the far end, or the centre.
    const struct { int eixo; std::vector<int16_t> valores; std::vector<uint32_t> lidos; } casos[] = {
        {0, {32767}, {65535}}, {0, {-32768}, {0}}, {1, {7232, 0}, {32768}}, {1, {7232}, {40000}}, {1, {7233}, {40001}},
        {0, {7233, 0}, {65535, 32768}}, {1, {30000}, {62768}}, {1, {0, 20000}, {32768, 52768}}};
    for (const auto& c : casos) {
        for (int16_t valor : c.valores) v.Eixo(c.eixo, valor);
        for (uint32_t esperado : c.lidos) {
            const LeituraControle l = Le()[0];
            EXPECT_EQ(c.eixo ? l.y : l.x, esperado) << c.eixo << ' ' << c.valores[0];
        }
    }
}

}  // namespace
