// Asks a window to close the way a window manager does when its close button is clicked: a WM_PROTOCOLS client
// message carrying WM_DELETE_WINDOW. (xdotool windowclose destroys the window instead, which no window manager
// does to a client that takes part in that protocol.)
// Usage: fecha_janela <window id>    Exit status 0 when the message was sent.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fecha_janela <window id>\n");
        return 2;
    }
    Display* tela = XOpenDisplay(nullptr);
    if (!tela) return 1;
    const Window janela = std::strtoul(argv[1], nullptr, 0);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = janela;
    e.xclient.message_type = XInternAtom(tela, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(tela, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const Status enviado = XSendEvent(tela, janela, False, NoEventMask, &e);
    XSync(tela, False);
    XCloseDisplay(tela);
    return enviado ? 0 : 1;
}
