// Scaling the design layout to the screen, and the message line.
#include "app/vantor.h"

namespace vantor {

template <typename T>
static T Min(T a, T b) {
    return a < b ? a : b;
}

void Vantor::ReajustaTela() {
    // Single precision, as the layout was designed with.
    const float vertical = static_cast<float>(plat.AlturaTela()) / 480.0f;
    const float horizontal = static_cast<float>(plat.LarguraTela()) / 640.0f;
    if (!(vertical > 0.0f) || !(horizontal > 0.0f)) return;  // no usable screen: keep the design size
    if (vertical == 1.0f && horizontal == 1.0f) return;
    const float fonte = Min(horizontal, vertical);
    janela_.tela.Height = janela_.tela.Height * vertical;
    janela_.tela.Width = janela_.tela.Width * horizontal;
    for (Controle* c : janela_.tela.ordem) {
        c->Left = c->Left * horizontal;
        c->Top = c->Top * vertical;
        c->Height = c->Height * vertical;
        c->Width = c->Width * horizontal;
        if (c->Kind == Tipo::Rotulo) c->FontSize = c->FontSize * fonte;
    }
}

void Vantor::Mensagem(const std::string& m, uint32_t corfundo, uint32_t corfrente) {
    Controle& l = janela_.tela.L_Msg;
    ++versaoTela_;
    l.Caption = m;
    if (!m.empty()) {
        // A background of 0 means none: the window shows through.
        l.BackOpaque = corfundo != 0;
        if (corfundo != 0) l.BackColor = corfundo;
        l.ForeColor = corfrente;
        l.Visible = true;
    } else {
        l.Visible = false;
    }
    // The hall sees the same, unless the caller then says otherwise.
    Controle& p = janela_.tela.L_MsgPlateia;
    p.Caption = l.Caption;
    p.BackOpaque = l.BackOpaque;
    p.BackColor = l.BackColor;
    p.ForeColor = l.ForeColor;
    p.Visible = l.Visible;
}

void Vantor::MensagemPlateia(const std::string& m) {
    Controle& p = janela_.tela.L_MsgPlateia;
    ++versaoTela_;
    p.Caption = m;
    p.Visible = !m.empty() && janela_.tela.L_Msg.Visible;
}

void Vantor::PlateiaNaTela(bool mostra) {
    janela_.plateiaVisivel = mostra;
    ++versaoTela_;
    Controle& c = janela_.tela.L_Plateia;
    // Two lines where the entry has its colon: the corner is narrow.
    std::string t = Traduz(mostra ? txt::PlateiaVisivel : txt::PlateiaOculta);
    if (const size_t dois = t.find(": "); dois != std::string::npos) t.replace(dois, 2, ":\r\n");
    c.Caption = t;
    c.BackColor = mostra ? RGB(0, 160, 0) : RGB(96, 96, 96);
}

}  // namespace vantor
