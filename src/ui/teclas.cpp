#include "ui/teclas.h"

namespace vantor::ui {

int CodigoVirtual(int t, Qt::KeyboardModifiers mods) {
    const bool teclado = mods.testFlag(Qt::KeypadModifier);
    if (t >= Qt::Key_0 && t <= Qt::Key_9) return (teclado ? 96 : 48) + (t - Qt::Key_0);
    if (t >= Qt::Key_A && t <= Qt::Key_Z) return 65 + (t - Qt::Key_A);
    if (t >= Qt::Key_F1 && t <= Qt::Key_F24) return 112 + (t - Qt::Key_F1);
    if (teclado) {
        switch (t) {
            case Qt::Key_Asterisk: return 106;
            case Qt::Key_Plus: return 107;
            case Qt::Key_Minus: return 109;
            case Qt::Key_Period:
            case Qt::Key_Comma: return 110;
            case Qt::Key_Slash: return 111;
            default: break;
        }
    }
    switch (t) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Print: return 44;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        // With Shift held Qt reports the character, not the key; on a US layout these are the
        // digit keys of the main keyboard.
        case Qt::Key_ParenRight: return 48;
        case Qt::Key_Exclam: return 49;
        case Qt::Key_At: return 50;
        case Qt::Key_NumberSign: return 51;
        case Qt::Key_Dollar: return 52;
        case Qt::Key_Percent: return 53;
        case Qt::Key_AsciiCircum: return 54;
        case Qt::Key_Ampersand: return 55;
        case Qt::Key_Asterisk: return 56;
        case Qt::Key_ParenLeft: return 57;
        default: return 0;
    }
}

int MascaraModificadores(Qt::KeyboardModifiers mods) {
    int m = 0;
    if (mods.testFlag(Qt::ShiftModifier)) m |= 1;
    if (mods.testFlag(Qt::ControlModifier)) m |= 2;
    if (mods.testFlag(Qt::AltModifier)) m |= 4;
    return m;
}

}  // namespace vantor::ui
