// The board's controls as the front end lays them out and paints them: each one's place (in twips, the design's
// 640 x 480 pixels scaled to the screen), colours and font, with the caption and state the table gives it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/placar.h"

namespace vantor {

// The design size of the key hints' font, in points; the dialogs' text is as large.
constexpr double kPontosDasDicas = 8.25;

// 24-bit colour, red in the low byte.
constexpr uint32_t RGB(int r, int g, int b) {
    return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           (static_cast<uint32_t>(b & 0xFF) << 16);
}
// The colours the board's messages, markers and round label use.
namespace cor {
constexpr uint32_t Preto = RGB(0, 0, 0), Branco = RGB(255, 255, 255), Vermelho = RGB(255, 0, 0), Azul = RGB(0, 0, 255),
                   Amarelo = RGB(255, 255, 0), Ciano = RGB(0, 255, 255), VerdeClaro = RGB(128, 255, 128),
                   CinzaClaro = RGB(224, 224, 224), LaranjaClaro = RGB(255, 224, 128);
}  // namespace cor

constexpr int Vermelho_de(uint32_t c) { return static_cast<int>(c & 0xFF); }
constexpr int Verde_de(uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Azul_de(uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class Tipo { Rotulo, Forma };
enum class Alinhamento { Esquerda, Direita, Centro };

struct Controle {
    std::string Name;
    int Index = -1;  // -1 for controls that are not in an array
    Tipo Kind = Tipo::Rotulo;
    // Geometry in twips (15 to a pixel); fractional once scaled.
    double Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    uint32_t ForeColor = 0;
    uint32_t BackColor = 0;
    bool BackOpaque = false;
    // Shapes: the fill covers the back colour unless the fill is transparent.
    uint32_t FillColor = RGB(255, 255, 255);
    bool FillSolid = false;
    int BorderWidth = 0;
    double FontSize = 8.25;  // points; 0 for shapes
    bool FontBold = false;
    Alinhamento Alignment = Alinhamento::Centro;
    bool Visible = true;
    // Which mouse handlers the control has; the front end routes clicks by this.
    bool Clicavel = false;
    bool DuploClicavel = false;
    // An aid for the operator (keys, click areas, settings): the audience's view leaves it out. What only the hall
    // needs (the result with the winner's name) the operator's view leaves out.
    bool SoOperador = false, SoPlateia = false;
    // Digits the hall reads (scores, clocks, counts): never covered. The caption is drawn, centred, in the band of
    // rows that the controls of `FaixaEvita` shown over it leave free where it comes out largest.
    bool NuncaCoberto = false;
    // Controls painted over this one that must stay readable. Its caption keeps clear of `TextoEvita`; its
    // background and caption keep clear of `TodoEvita`. Only those the view paints and that show at the moment.
    std::vector<const Controle*> TextoEvita, TodoEvita, FaixaEvita;
};

// The main window's controls at their design geometry (640 x 480 pixels, 9600 x 7200 twips).
struct Form1Controles {
    Form1Controles();
    Form1Controles(const Form1Controles&) = delete;
    Form1Controles& operator=(const Form1Controles&) = delete;

    double Width = 9600, Height = 7200;  // client area in twips
    uint32_t BackColor = RGB(0, 0, 0);

    std::array<Controle, 3> L_Nome, L_Pontos;  // index 1 blue, 2 red
    // The score at the end of regular time, kept in view once the golden round has cleared the scores.
    std::array<Controle, 3> L_Regular;
    Controle L_Tempo, L_Msg, L_Minuto, L_Golden, L_Config, L_RoundTitulo, L_Round, S_Round, L_Versao;
    // The hall's copy of the message line (no operator's prompts; a result with the winner's name and how), the
    // title that says what the count box counts, and the operator's mark of whether the hall's board shows.
    Controle L_MsgPlateia, L_MinutoTitulo, L_Plateia;
    Controle K_Amais, K_Amenos, K_VMais, K_Vmenos, K_FAMais, K_FAMenos, K_FVMais, K_FVMenos;
    std::array<Controle, 11> S_FaltaAzul, S_FaltaVermelho;  // 1..10
    std::array<Controle, 10> L_Valor;                       // 0..9
    std::array<Controle, 31> S_Botao;                       // 1..30
    Controle M_Falta, M_FaltaAzul, M_FaltaVermelho, M_Ponto, M_PontoAzul, M_PontoVermelho, M_Minuto, M_Sumula, M_Config;
    // The operator's warnings: look-alike controllers over the key-hint line (a warning matters more than a
    // reminder of the keys), log lines waiting for the disk across the lower board.
    Controle L_Aviso, L_AvisoLog;
    // The bout in the day's record, small under the clock on both boards; the list's next bout, between bouts, on
    // the operator's.
    Controle L_Luta, L_Proxima;

    // The layout scaled from its design size to a screen of `largura` x `altura` pixels: places by each direction's
    // factor, fonts by the smaller one. A screen of no size leaves the design size.
    void Escala(int largura, int altura);
    // The table's board: every caption and what shows, and the colours its state picks.
    void Mostra(const Placar& p);

    // Every control, in painting order (later ones are drawn on top and take clicks first). The order is
    // chosen so that the penalty markers, the lamps, the round's title and number and the +/- signs are never
    // painted over.
    std::vector<Controle*> ordem;
};

}  // namespace vantor
