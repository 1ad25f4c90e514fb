// The scoreboard's design layout: every control at its design geometry, colour and font.
#include "ui/controles.h"

#include "controllers/juizes.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr uint32_t kPreto = RGB(0, 0, 0);
constexpr uint32_t kBranco = RGB(255, 255, 255);
constexpr uint32_t kAmarelo = RGB(255, 255, 0);
constexpr uint32_t kPessego = RGB(255, 192, 128);
constexpr uint32_t kAzulDica = RGB(48, 117, 181);
constexpr uint32_t kVermelhoDica = RGB(255, 0, 0);

// A control of a kind at its design place, in twips.
Controle Em(const char* nome, int indice, Tipo tipo, double l, double t, double w, double h) {
    Controle c;
    c.Name = nome;
    c.Index = indice;
    c.Kind = tipo;
    c.Left = l;
    c.Top = t;
    c.Width = w;
    c.Height = h;
    return c;
}

Controle NovoRotulo(const char* nome, int indice, double l, double t, double w, double h, std::string caption,
                    double pontos, bool negrito) {
    Controle c = Em(nome, indice, Tipo::Rotulo, l, t, w, h);
    c.Caption = std::move(caption);
    c.FontSize = pontos;
    c.FontBold = negrito;
    return c;
}

Controle Pintado(Controle c, uint32_t frente, uint32_t fundo) {
    c.ForeColor = frente;
    c.BackColor = fundo;
    c.BackOpaque = true;
    return c;
}

Controle Transparente(Controle c, uint32_t frente) {
    c.ForeColor = frente;
    c.BackOpaque = false;
    return c;
}

Controle Forma(const char* nome, int indice, double l, double t, double w, double h) {
    Controle c = Em(nome, indice, Tipo::Forma, l, t, w, h);
    c.FontSize = 0;
    c.BorderWidth = 2;
    c.FillSolid = true;
    c.FillColor = kBranco;
    return c;
}

Controle Clicavel(Controle c, bool duplo) {
    c.Clicavel = true;
    c.DuploClicavel = duplo;
    return c;
}

}  // namespace

Form1Controles::Form1Controles() {
    L_Nome[1] =
        Pintado(NovoRotulo("L_Nome", 1, 6120, 0, 3495, 1275, "Azul", 24, false), RGB(0, 0, 255), RGB(224, 224, 224));
    L_Nome[2] =
        Pintado(NovoRotulo("L_Nome", 2, 0, 0, 3495, 1275, "Vermelho", 24, false), RGB(128, 0, 0), RGB(224, 224, 224));
    L_Pontos[1] =
        Pintado(NovoRotulo("L_Pontos", 1, 4800, 720, 3975, 4935, "88", 249.75, true), kAmarelo, RGB(0, 0, 255));
    L_Pontos[2] =
        Pintado(NovoRotulo("L_Pontos", 2, 840, 720, 3975, 4935, "88", 249.75, true), kAmarelo, RGB(234, 12, 0));
    L_Pontos[1].DuploClicavel = L_Pontos[2].DuploClicavel = true;

    L_Tempo = Clicavel(Pintado(NovoRotulo("L_Tempo", -1, 3480, -120, 2685, 1395, "9:99", 63.75, true), kBranco, kPreto),
                       false);
    L_Msg = Clicavel(Transparente(NovoRotulo("L_Msg", -1, 675, 1320, 8295, 1215, "", 48, true), kPreto), false);
    // The count box sits under the clock, not over its lower third; a title strip at its top says what it counts.
    L_Minuto = Pintado(NovoRotulo("L_Minuto", -1, 3600, 1275, 2415, 1650, "99", 80.25, true), kPreto, kPessego);
    L_Minuto.Visible = false;
    L_MinutoTitulo = Pintado(NovoRotulo("L_MinutoTitulo", -1, 3600, 1275, 2415, 375, "", 12, true), kPreto, kPessego);
    L_MinutoTitulo.Visible = false;
    L_MsgPlateia = Transparente(NovoRotulo("L_MsgPlateia", -1, 675, 1320, 8295, 1215, "", 48, true), kPreto);
    L_MsgPlateia.Visible = false;
    L_MsgPlateia.SoPlateia = true;
    L_Golden = Pintado(NovoRotulo("L_Golden", -1, 1560, 4440, 6615, 1185, "Golden Round", 48, false), kPreto,
                       RGB(255, 224, 128));
    // At the banner's ends, clear of the "-" signs; after a golden round they stay with the result.
    L_Regular[1] = Pintado(NovoRotulo("L_Regular", 1, 6285, 4815, 1500, 810, "", 24, true), kPreto, RGB(255, 224, 128));
    L_Regular[2] = Pintado(NovoRotulo("L_Regular", 2, 1830, 4815, 1500, 810, "", 24, true), kPreto, RGB(255, 224, 128));
    L_Regular[1].Visible = L_Regular[2].Visible = false;
    L_Config = Pintado(NovoRotulo("L_Config", -1, 0, 4440, 9615, 375, "", 12, false), kPreto, RGB(255, 255, 128));
    L_RoundTitulo =
        Pintado(NovoRotulo("L_RoundTitulo", -1, 4440, 5640, 735, 255, "Round", 8.25, true), kPreto, kPessego);
    L_Round = Pintado(NovoRotulo("L_Round", -1, 4440, 5760, 735, 945, "9", 48, true), kPreto, kPessego);
    S_Round = Forma("S_Round", -1, 4200, 5520, 1215, 1335);
    S_Round.FillColor = kPessego;
    L_Versao = Transparente(NovoRotulo("L_Versao", -1, 4200, 5310, 1215, 375, "Vantor 4.2.4", 9.75, true), kAmarelo);

    K_Amais = Clicavel(Transparente(NovoRotulo("K_Amais", -1, 7800, 2760, 975, 1455, "+", 72, true), kBranco), true);
    K_Amenos = Clicavel(Transparente(NovoRotulo("K_Amenos", -1, 7800, 4080, 975, 1455, "-", 72, true), kBranco), true);
    K_VMais = Clicavel(Transparente(NovoRotulo("K_VMais", -1, 840, 2760, 975, 1455, "+", 72, true), kBranco), true);
    K_Vmenos = Clicavel(Transparente(NovoRotulo("K_Vmenos", -1, 840, 4080, 975, 1455, "-", 72, true), kBranco), true);
    const uint32_t cinza = RGB(192, 192, 192);
    K_FAMais =
        Clicavel(Pintado(NovoRotulo("K_FAMais", -1, 5160, 5880, 1095, 1095, "+", 36, true), kPreto, cinza), true);
    K_FAMenos =
        Clicavel(Pintado(NovoRotulo("K_FAMenos", -1, 8640, 5760, 855, 1095, "-", 36, true), kPreto, cinza), true);
    K_FVMais =
        Clicavel(Pintado(NovoRotulo("K_FVMais", -1, 3240, 5880, 1215, 1095, "+", 36, true), kPreto, cinza), true);
    K_FVMenos =
        Clicavel(Pintado(NovoRotulo("K_FVMenos", -1, -120, 5760, 975, 1095, "-", 36, true), kPreto, cinza), true);

    const double esquerdaAzul[5] = {8280, 7680, 7080, 6480, 5880};
    const double esquerdaVermelho[5] = {600, 1200, 1800, 2400, 3000};
    for (int i = 1; i <= 10; ++i) {
        const double topo = i <= 5 ? 5760 : 6360;
        S_FaltaAzul[i] = Forma("S_FaltaAzul", i, esquerdaAzul[(i - 1) % 5], topo, 600, 600);
        S_FaltaVermelho[i] = Forma("S_FaltaVermelho", i, esquerdaVermelho[(i - 1) % 5], topo, 600, 600);
    }

    // Legend under the lamp columns: indices 0, 2, 5 on the left edge, 1, 3, 4 on the right.
    const struct {
        int indice;
        double left;
        const char* texto;
    } legenda[6] = {{0, 0, "1"}, {1, 9360, "1"}, {2, 240, "2"}, {3, 9120, "2"}, {4, 8880, "3"}, {5, 480, "3"}};
    for (const auto& l : legenda)
        L_Valor[l.indice] =
            Transparente(NovoRotulo("L_Valor", l.indice, l.left, 4800, 255, 255, l.texto, 12, false), RGB(0, 192, 0));

    // Lamps: one column per value group, taller for higher values, three judges stacked from the
    // bottom; neighbouring lamps share their one-pixel border.
    const double alturas[3] = {375, 615, 855};
    const double colunaVermelho[3] = {0, 240, 480};
    const double colunaAzul[3] = {9360, 9120, 8880};
    for (int k = 1; k <= 18; ++k) {
        const int coluna = ((k - 1) / 3) % 3;
        const int lampada = (k - 1) % 3;
        const double h = alturas[coluna];
        const double topo = 4815 - h - lampada * (h - 15);
        const double left = k <= 9 ? colunaVermelho[coluna] : colunaAzul[coluna];
        S_Botao[k] = Forma("S_Botao", k, left, topo, 255, h);
    }
    // Groups 4 and 5 (turning kicks), when in use: a row each under the columns' values, judges 1 to 3 from the edge,
    // the group's value at the row's outer end.
    for (int k = 19; k <= kBotoes; ++k) {
        const QualBotao b = DoBotao(k);
        const double topo = b.grupo == 4 ? 5070 : 5415;
        const double left = b.cor == Vermelho ? 195 + (b.juiz - 1) * 180 : 9240 - (b.juiz - 1) * 180;
        S_Botao[k] = Forma("S_Botao", k, left, topo, 195, 330);
        S_Botao[k].Visible = false;
    }
    for (int k = 1; k <= kBotoes; ++k) {
        S_Botao[k].BackColor = RGB(0, 255, 0);
        S_Botao[k].BackOpaque = true;
        S_Botao[k].BorderWidth = 1;
    }
    for (int i = 6; i <= 9; ++i) {
        const bool vermelho = i % 2 == 0;
        L_Valor[i] = Transparente(
            NovoRotulo("L_Valor", i, vermelho ? 0 : 9435, i < 8 ? 5100 : 5445, 180, 255, i < 8 ? "4" : "5", 12, false),
            RGB(0, 192, 0));
        L_Valor[i].Visible = false;
    }

    const uint32_t dica = kBranco;
    M_Falta = Transparente(NovoRotulo("M_Falta", -1, 0, 6960, 720, 255, "Faltas:", kPontosDasDicas, false), dica);
    M_Falta.Alignment = Alinhamento::Direita;
    M_FaltaAzul = Pintado(NovoRotulo("M_FaltaAzul", -1, 720, 6960, 1080, 255, "F5(+) F6(-)", kPontosDasDicas, false),
                          kBranco, kAzulDica);
    M_FaltaVermelho =
        Pintado(NovoRotulo("M_FaltaVermelho", -1, 1800, 6960, 1080, 255, "F9(+) F10(-)", kPontosDasDicas, false),
                kBranco, kVermelhoDica);
    M_Ponto = Transparente(NovoRotulo("M_Ponto", -1, 2880, 6960, 720, 255, "Pontos:", kPontosDasDicas, false), dica);
    M_Ponto.Alignment = Alinhamento::Direita;
    M_PontoAzul = Pintado(NovoRotulo("M_PontoAzul", -1, 3600, 6960, 1200, 255, "F12(+) F11(-)", kPontosDasDicas, false),
                          kBranco, kAzulDica);
    M_PontoVermelho =
        Pintado(NovoRotulo("M_PontoVermelho", -1, 4800, 6960, 1080, 255, "F8(+) F7(-)", kPontosDasDicas, false),
                kBranco, kVermelhoDica);
    M_Minuto = Clicavel(
        Transparente(NovoRotulo("M_Minuto", -1, 5880, 6960, 1320, 255, "1 minuto: \"1\"", kPontosDasDicas, false),
                     dica),
        false);
    M_Sumula = Clicavel(
        Transparente(NovoRotulo("M_Sumula", -1, 7200, 6960, 960, 255, "Súmula: \"S\"", kPontosDasDicas, false), dica),
        false);
    M_Config = Clicavel(
        Transparente(NovoRotulo("M_Config", -1, 8160, 6960, 1455, 255, "Configuração: F1", kPontosDasDicas, false),
                     dica),
        false);

    L_Aviso = Pintado(NovoRotulo("L_Aviso", -1, 0, 6960, 9600, 255, "", kPontosDasDicas, true), kPreto, kAmarelo);
    L_Aviso.Visible = false;
    // Log lines waiting for the disk: a place of its own between the lamp columns, where the operator looks.
    L_AvisoLog = Pintado(NovoRotulo("L_AvisoLog", -1, 735, 4440, 8145, 375, "", 12, true), kBranco, kVermelhoDica);
    L_AvisoLog.Visible = false;
    // Whether the hall's board shows: in the free corner between the message line's end and the lamps.
    L_Plateia = Pintado(NovoRotulo("L_Plateia", -1, 8985, 1290, 615, 975, "", 9.75, true), kBranco, RGB(96, 96, 96));

    // The bout under the clock, where the message line and the count box cover it when they show.
    L_Luta = Transparente(NovoRotulo("L_Luta", -1, 3480, 1320, 2685, 255, "", 9.75, false), kBranco);
    L_Luta.Visible = false;
    // Between bouts, what Page Down brings: over the settings' summary.
    L_Proxima = Pintado(NovoRotulo("L_Proxima", -1, 735, 4065, 8145, 375, "", 12, true), kPreto, RGB(160, 224, 255));
    L_Proxima.Visible = false;

    // The operator's aids: the click areas, the key hints, the settings' summary, the version and the warnings.
    for (Controle* c :
         {&K_Amais,  &K_Amenos,    &K_VMais,         &K_Vmenos, &K_FAMais,    &K_FAMenos,       &K_FVMais, &K_FVMenos,
          &M_Falta,  &M_FaltaAzul, &M_FaltaVermelho, &M_Ponto,  &M_PontoAzul, &M_PontoVermelho, &M_Minuto, &M_Sumula,
          &M_Config, &L_Config,    &L_Versao,        &L_Aviso,  &L_AvisoLog,  &L_Plateia,       &L_Proxima})
        c->SoOperador = true;
    // A score keeps clear of its corner's +/- signs; the golden banner leaves the "-" signs on the score's colour,
    // where they read; the round's number sits under its title; a penalty area's sign sits beside the markers and
    // the round's frame.
    L_Golden.TodoEvita = {&K_Amenos, &K_Vmenos};
    L_Golden.TextoEvita = {&L_Regular[1], &L_Regular[2]};
    L_AvisoLog.TextoEvita = {&L_Regular[1], &L_Regular[2]};
    // "Pausa" from S during the rest: the count box stays whole and the message keeps beside it.
    L_Msg.TextoEvita = L_MsgPlateia.TextoEvita = {&L_Minuto, &L_MinutoTitulo};
    L_Round.TextoEvita = {&L_RoundTitulo};
    K_FAMais.TextoEvita = {&S_FaltaAzul[5], &S_FaltaAzul[10], &S_Round, &L_RoundTitulo,
                           &L_Round,        &M_PontoVermelho, &M_Minuto};
    K_FAMenos.TextoEvita = {&S_FaltaAzul[1], &S_FaltaAzul[6]};
    K_FVMais.TextoEvita = {&S_FaltaVermelho[5], &S_FaltaVermelho[10], &S_Round, &L_RoundTitulo, &L_Round, &M_Ponto,
                           &M_PontoAzul};
    K_FVMenos.TextoEvita = {&S_FaltaVermelho[1], &S_FaltaVermelho[6]};

    // Painting order, bottom to top. The penalty areas go under the markers they overlap; the round's title over
    // its number; the banners, the clock and the message line over the scores; the +/- signs and the lamps last,
    // since nothing may hide them.
    for (int c = 2; c >= 1; --c) ordem.push_back(&L_Pontos[c]);
    for (int c = 2; c >= 1; --c) ordem.push_back(&L_Nome[c]);
    for (Controle* c : {&K_FAMais, &K_FAMenos, &K_FVMais, &K_FVMenos, &S_Round, &L_Round, &L_RoundTitulo})
        ordem.push_back(c);
    for (int i = 1; i <= 10; ++i) {
        ordem.push_back(&S_FaltaAzul[i]);
        ordem.push_back(&S_FaltaVermelho[i]);
    }
    for (auto& l : L_Valor) ordem.push_back(&l);
    for (Controle* c :
         {&L_Versao,   &M_Falta,        &M_FaltaAzul,  &M_FaltaVermelho, &M_Ponto,  &M_PontoAzul, &M_PontoVermelho,
          &M_Minuto,   &M_Sumula,       &M_Config,     &L_Aviso,         &L_Config, &L_Proxima,   &L_Golden,
          &L_AvisoLog, &L_Regular[2],   &L_Regular[1], &L_Luta,          &L_Tempo,  &L_Msg,       &L_MsgPlateia,
          &L_Minuto,   &L_MinutoTitulo, &L_Plateia,    &K_Amais,         &K_Amenos, &K_VMais,     &K_Vmenos})
        ordem.push_back(c);
    for (int k = 1; k <= kBotoes; ++k) ordem.push_back(&S_Botao[k]);

    // The digits the hall reads keep clear of whatever may show over them: the operator's +/- signs beside a
    // score, and the rows of every other control painted later whose place meets theirs (the names, the message
    // line, the banners, the count box and its title, the operator's notes). Both scores lose the same rows, so
    // they keep one size, side by side, each centred in its own colour.
    L_Pontos[1].TextoEvita = {&K_Amais, &K_Amenos};
    L_Pontos[2].TextoEvita = {&K_VMais, &K_Vmenos};
    for (Controle* c : {&L_Pontos[1], &L_Pontos[2], &L_Tempo, &L_Minuto}) {
        c->NuncaCoberto = true;
        const auto depois = std::ranges::find(ordem, c);
        for (auto it = depois + 1; it != ordem.end(); ++it) {
            const Controle& o = **it;
            // The other score shares a one-pixel edge, not a row of digits.
            const bool outro = &o == &L_Pontos[1] || std::ranges::find(c->TextoEvita, &o) != c->TextoEvita.end();
            if (!outro && o.Left < c->Left + c->Width && c->Left < o.Left + o.Width && o.Top < c->Top + c->Height &&
                c->Top < o.Top + o.Height)
                c->FaixaEvita.push_back(&o);
        }
    }
}

}  // namespace vantor

namespace vantor {

void Form1Controles::Escala(int largura, int altura) {
    // Single precision, as the layout was designed with.
    const float vertical = static_cast<float>(altura) / 480.0f;
    const float horizontal = static_cast<float>(largura) / 640.0f;
    if (!(vertical > 0.0f) || !(horizontal > 0.0f)) return;  // no usable screen: keep the design size
    if (vertical == 1.0f && horizontal == 1.0f) return;
    const float fonte = std::min(horizontal, vertical);
    Height = Height * vertical;
    Width = Width * horizontal;
    for (Controle* c : ordem) {
        c->Left = c->Left * horizontal;
        c->Top = c->Top * vertical;
        c->Height = c->Height * vertical;
        c->Width = c->Width * horizontal;
        if (c->Kind == Tipo::Rotulo) c->FontSize = c->FontSize * fonte;
    }
}

namespace {

void Poe(Controle& c, const Rotulo& r) {
    c.Caption = r.Caption;
    c.Visible = r.Visible;
}

// A message's colours by what it says: a pause, the prompt to start, a winner, a tie, a warning; none shows through.
void Tinge(Controle& c, Tom tom) {
    struct Cores {
        uint32_t fundo, frente;
    };
    static constexpr Cores kCores[] = {
        {0, cor::Preto},                // Nenhum
        {cor::Ciano, cor::Preto},       // Pausa
        {cor::VerdeClaro, cor::Preto},  // Inicio
        {cor::Azul, cor::Branco},       // Azul
        {cor::Vermelho, cor::Branco},   // Vermelho
        {cor::Ciano, cor::Vermelho},    // Empate
        {cor::Branco, cor::Preto},      // Aviso
    };
    const Cores k = kCores[static_cast<size_t>(tom)];
    c.BackOpaque = k.fundo != 0;
    if (k.fundo != 0) c.BackColor = k.fundo;
    c.ForeColor = k.frente;
}

uint32_t CorDaMarca(Marcacao m) {
    switch (m) {
        case Marcacao::Falta: return cor::Vermelho;
        case Marcacao::Meia: return cor::Amarelo;
        default: return cor::Branco;
    }
}

}  // namespace

void Form1Controles::Mostra(const Placar& p) {
    for (size_t c = 1; c <= 2; ++c) {
        Poe(L_Nome[c], p.L_Nome[c]);
        Poe(L_Pontos[c], p.L_Pontos[c]);
        Poe(L_Regular[c], p.L_Regular[c]);
    }
    for (auto [c, r] : {std::pair{&L_Tempo, &p.L_Tempo},
                        {&L_Minuto, &p.L_Minuto},
                        {&L_MinutoTitulo, &p.L_MinutoTitulo},
                        {&L_Golden, &p.L_Golden},
                        {&L_Config, &p.L_Config},
                        {&L_Round, &p.L_Round},
                        {&L_Msg, &p.L_Msg},
                        {&L_MsgPlateia, &p.L_MsgPlateia},
                        {&L_Plateia, &p.L_Plateia},
                        {&M_Falta, &p.M_Falta},
                        {&M_Ponto, &p.M_Ponto},
                        {&M_Minuto, &p.M_Minuto},
                        {&M_Sumula, &p.M_Sumula},
                        {&M_Config, &p.M_Config},
                        {&L_Aviso, &p.L_Aviso},
                        {&L_AvisoLog, &p.L_AvisoLog},
                        {&L_Luta, &p.L_Luta},
                        {&L_Proxima, &p.L_Proxima}})
        Poe(*c, *r);
    for (size_t i = 0; i < L_Valor.size(); ++i) Poe(L_Valor[i], p.L_Valor[i]);
    L_Round.BackColor = p.roundGolden ? cor::LaranjaClaro : cor::CinzaClaro;
    Tinge(L_Msg, p.tomMsg);
    Tinge(L_MsgPlateia, p.tomMsg);
    L_Plateia.BackColor = p.plateiaVisivel ? RGB(0, 160, 0) : RGB(96, 96, 96);
    for (size_t i = 1; i <= 10; ++i) {
        S_FaltaAzul[i].Visible = p.S_FaltaAzul[i].Visible;
        S_FaltaAzul[i].FillColor = CorDaMarca(p.S_FaltaAzul[i].marca);
        S_FaltaVermelho[i].Visible = p.S_FaltaVermelho[i].Visible;
        S_FaltaVermelho[i].FillColor = CorDaMarca(p.S_FaltaVermelho[i].marca);
    }
    // A lit lamp lets its green show through the white fill.
    for (size_t k = 1; k <= kBotoes; ++k) {
        S_Botao[k].Visible = p.S_Botao[k].Visible;
        S_Botao[k].FillSolid = !p.S_Botao[k].acesa;
    }
}

}  // namespace vantor
