// A controller's inputs as one poll reads them: one bit each, numbered as the button map numbers the sixteen
// positions of a slot. Whatever reads the device decides what counts as pressed (a stick past its threshold).
#pragma once

#include <cstdint>

namespace vantor::entrada {

constexpr uint16_t Botao1 = 1u << 0, Botao2 = 1u << 1, Botao3 = 1u << 2, Botao4 = 1u << 3;
constexpr uint16_t Direita = 1u << 9;  // the stick pushed right
constexpr uint16_t Baixo = 1u << 10;   // the stick pushed down

constexpr int kPorSlot = 16;
constexpr int kSlots = 16;  // positions 1..256 are all the button map holds

// The button map's position (1..256) of bit `bit` of slot `slot` (0..15): a slot's first position is its bit 15.
constexpr int Posicao(int slot, int bit) { return slot * kPorSlot + (kPorSlot - 1 - bit) + 1; }

}  // namespace vantor::entrada
