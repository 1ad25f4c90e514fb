// Qt keys as the virtual-key codes and modifier mask the core's key handler takes.
#pragma once

#include <Qt>

namespace vantor::ui {

// Virtual-key code of a key, or 0 for a key that has none here. Codes name keys, not
// characters: 's' and 'S' are both 83, and the keypad's digits (96..105) differ from the main
// keyboard's (48..57).
int CodigoVirtual(int teclaQt, Qt::KeyboardModifiers modificadores);

// 1 Shift, 2 Ctrl, 4 Alt, added together.
int MascaraModificadores(Qt::KeyboardModifiers modificadores);

}  // namespace vantor::ui
