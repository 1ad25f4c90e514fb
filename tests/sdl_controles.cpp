// The controller layer against real SDL virtual joysticks: slots that hold through unplugs, the axis
// scale and its threshold, and presses shorter than a poll that must still be seen.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/controles_sdl.h"
#include "platform/trava.h"
#include "sdl_virtual.h"

namespace {

using vantor::ControlesSDL;
using vantor::LeituraControle;
using vantor::Trava;
using vantor::teste::Virtual;

// One poll as the core makes it: pump, then read every slot once.
struct Rodada {
    std::array<LeituraControle, ControlesSDL::kSlots> l;
    std::array<bool, ControlesSDL::kSlots> ok;
};

class Controles : public ::testing::Test {
protected:
    void SetUp() override {
        controles_.Bombeia();
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real controller is plugged in; the slots would not be ours";
    }
    Virtual& Liga(const char* nome = "Juiz") { return *virtuais_.emplace_back(std::make_unique<Virtual>(nome)); }
    Rodada Le() {
        controles_.Bombeia();
        Rodada r;
        for (int s = 0; s < ControlesSDL::kSlots; ++s) r.ok[s] = controles_.Le(s, r.l[s]);
        return r;
    }
    // Slots taken in one poll, as a bit mask.
    unsigned Ocupados() {
        const Rodada r = Le();
        unsigned m = 0;
        for (int s = 0; s < ControlesSDL::kSlots; ++s) m |= unsigned{r.ok[s]} << s;
        return m;
    }
    // Slots that see a press of v's button 1, as a bit mask.
    unsigned OndeAparece(Virtual& v) {
        v.Botao(0, true);
        const Rodada r = Le();
        v.Botao(0, false);
        Le();
        unsigned m = 0;
        for (int s = 0; s < ControlesSDL::kSlots; ++s) m |= unsigned{r.l[s].botoes == 1} << s;
        return m;
    }

    ControlesSDL controles_;  // first made, last gone: the virtual devices need SDL running
    std::vector<std::unique_ptr<Virtual>> virtuais_;
};

TEST(Trava, HeldInputLetGoAndPressedAgainReadsReleasedThenPressed) {
    Trava t;
    t.Muda(true);
    EXPECT_TRUE(t.Le());
    t.Muda(true);  // a repeat is no transition
    t.Muda(false);
    t.Muda(true);
    for (bool esperado : {false, true, true}) EXPECT_EQ(t.Le(), esperado);
}

TEST(Trava, OverflowDropsTheOldestPairAndEndsAtThePresentState) {
    Trava t;
    for (int i = 0; i < 40; ++i) {
        t.Muda(true);
        t.Muda(false);
    }
    for (int i = 0; i < Trava::kLimite; ++i) EXPECT_EQ(t.Le(), i % 2 == 0) << i;
    EXPECT_FALSE(t.Le());

    // An odd count over the bound: every read is still a change from the one before, and it ends held.
    for (int i = 0; i <= Trava::kLimite; ++i) t.Muda(i % 2 == 0);
    for (int i = 0; i < Trava::kLimite - 1; ++i) EXPECT_EQ(t.Le(), i % 2 == 0) << i;
    EXPECT_TRUE(t.Le());
}

TEST_F(Controles, EmptyAndOutOfRangeSlotsReadZeroAndFalse) {
    EXPECT_EQ(Ocupados(), 0u);
    Liga();
    Le();
    for (int slot : {-1, 1, ControlesSDL::kSlots, 1000}) {
        LeituraControle l{7, 7, 7, 7};
        EXPECT_FALSE(controles_.Le(slot, l)) << slot;
        EXPECT_EQ(l.x + l.y + l.z + l.botoes, 0u) << slot;
    }
    LeituraControle l{7, 7, 7, 7};
    EXPECT_TRUE(controles_.Le(0, l));
    EXPECT_EQ(l.x, 32768u);  // a centred stick
    EXPECT_EQ(l.y, 32768u);
    EXPECT_EQ(l.z + l.botoes, 0u);
}

TEST_F(Controles, ThreeControllersTakeTheFirstSlotsWithButtonsAndSticks) {
    Liga();
    Liga();
    Virtual& c = Liga();
    EXPECT_EQ(Ocupados(), 0b111u);

    c.Botao(0, true);
    c.Botao(3, true);
    Rodada r = Le();
    EXPECT_EQ(r.l[2].botoes, 0b1001u);
    EXPECT_EQ(r.l[0].botoes + r.l[1].botoes, 0u);
    c.Botao(0, false);
    c.Botao(3, false);
    c.Botao(4, true);  // inputs beyond buttons 1..4 and the two axes show nowhere
    c.Botao(5, true);
    c.Eixo(2, 32767);
    r = Le();
    EXPECT_EQ(r.l[2].botoes + r.l[2].z, 0u);
    EXPECT_EQ(r.l[2].x, 32768u);
    EXPECT_EQ(r.l[2].y, 32768u);

    c.Eixo(0, 32767);
    c.Eixo(1, 32767);
    r = Le();
    EXPECT_EQ(r.l[2].x, 65535u);
    EXPECT_EQ(r.l[2].y, 65535u);
    c.Eixo(0, -32768);
    c.Eixo(1, 7232);  // 40000 on the slot's scale: not pushed down
    r = Le();
    EXPECT_EQ(r.l[2].x, 0u);
    EXPECT_EQ(r.l[2].y, 40000u);
    c.Eixo(1, 7233);
    EXPECT_EQ(Le().l[2].y, 40001u);
}

TEST_F(Controles, UnpluggedControllerKeepsItsSlotAndOthersStayPut) {
    Liga();
    Liga();
    Virtual& terceiro = Liga();
    Le();
    virtuais_[1]->Botao(1, true);
    Le();
    virtuais_[1]->Desliga();  // judge 2 goes, button still held
    Rodada r = Le();
    EXPECT_FALSE(r.ok[1]);
    EXPECT_EQ(r.l[1].x + r.l[1].y + r.l[1].botoes, 0u);
    EXPECT_EQ(OndeAparece(terceiro), 1u << 2);

    Virtual& outro = Liga("Outro");  // a different model does not take judge 2's place
    EXPECT_EQ(OndeAparece(outro), 1u << 3);
    Virtual& volta = Liga();
    EXPECT_EQ(OndeAparece(volta), 1u << 1);

    // Two identical controllers missing: the first to return takes the lowest of their slots.
    virtuais_[0]->Desliga();
    volta.Desliga();
    EXPECT_EQ(Ocupados(), 0b1100u);
    EXPECT_EQ(OndeAparece(Liga("Outro")), 1u << 4);
    EXPECT_EQ(OndeAparece(Liga()), 1u << 0);
    EXPECT_EQ(OndeAparece(Liga()), 1u << 1);
}

TEST_F(Controles, ASeventeenthControllerWaitsForAFreeSlot) {
    for (int i = 0; i < ControlesSDL::kSlots; ++i) Liga();
    Virtual& extra = Liga("Extra");
    EXPECT_EQ(Ocupados(), 0xFFFFu);
    EXPECT_EQ(OndeAparece(extra), 0u);

    extra.Botao(3, true);
    virtuais_[5]->Desliga();  // only a reserved slot frees up: the waiting one takes it, button held
    EXPECT_EQ(Le().l[5].botoes, 8u);
    extra.Botao(3, false);
    EXPECT_EQ(OndeAparece(extra), 1u << 5);
    EXPECT_EQ(OndeAparece(Liga()), 0u);  // and the returning one now waits in turn
}

TEST_F(Controles, PressesShorterThanAPollAreSeen) {
    Virtual& v = Liga();
    Le();
    v.Botao(0, true);
    SDL_Delay(10);
    v.Botao(0, false);
    EXPECT_EQ(Le().l[0].botoes, 1u);
    EXPECT_EQ(Le().l[0].botoes, 0u);

    for (int i = 0; i < 2; ++i) {
        v.Botao(2, true);
        v.Botao(2, false);
    }
    for (unsigned esperado : {4u, 0u, 4u, 0u, 0u}) EXPECT_EQ(Le().l[0].botoes, esperado);

    // A flick of the stick past the threshold and back shows at the far end, then at the real value.
    v.Eixo(0, 7233);
    v.Eixo(0, 0);
    EXPECT_EQ(Le().l[0].x, 65535u);
    EXPECT_EQ(Le().l[0].x, 32768u);
    v.Eixo(1, 7232);  // up to the threshold only: nothing to latch
    v.Eixo(1, 0);
    EXPECT_EQ(Le().l[0].y, 32768u);

    // Held down, let go and pushed again between polls: released at the centre, then the real value.
    v.Eixo(1, 30000);
    EXPECT_EQ(Le().l[0].y, 62768u);
    v.Eixo(1, 0);
    v.Eixo(1, 20000);
    EXPECT_EQ(Le().l[0].y, 32768u);
    EXPECT_EQ(Le().l[0].y, 52768u);
}

TEST_F(Controles, DevicesThatComeAndGoBetweenPollsLeaveNoTrace) {
    for (int i = 0; i < 3; ++i) Le();  // nothing plugged, no events
    Virtual& breve = Liga();
    breve.Botao(0, true);
    breve.Desliga();
    EXPECT_EQ(Ocupados(), 0u);
    EXPECT_EQ(OndeAparece(Liga("Outro")), 1u << 0);
}

}  // namespace
