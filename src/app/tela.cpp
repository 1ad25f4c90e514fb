// The message line, on both boards, and the operator's mark of the hall's board.
#include "app/vantor.h"

namespace vantor {

void Vantor::Mensagem(const std::string& m, Tom tom) {
    Placar& t = janela_.tela;
    ++versaoTela_;
    t.L_Msg = {m, !m.empty()};
    if (!m.empty()) t.tomMsg = tom;
    // The hall sees the same, unless the caller then says otherwise.
    t.L_MsgPlateia = t.L_Msg;
}

void Vantor::MensagemPlateia(const std::string& m) {
    Rotulo& p = janela_.tela.L_MsgPlateia;
    ++versaoTela_;
    p.Caption = m;
    p.Visible = !m.empty() && janela_.tela.L_Msg.Visible;
}

void Vantor::PlateiaNaTela(bool mostra) {
    janela_.tela.plateiaVisivel = mostra;
    ++versaoTela_;
    Rotulo& c = janela_.tela.L_Plateia;
    // Two lines where the entry has its colon: the corner is narrow.
    std::string t = Traduz(mostra ? txt::PlateiaVisivel : txt::PlateiaOculta);
    if (const size_t dois = t.find(": "); dois != std::string::npos) t.replace(dois, 2, ":\r\n");
    c.Caption = t;
}

}  // namespace vantor
