// What the boards show, as the table decides it: each control's caption and whether it shows, and the state that
// picks a colour (a message's tone, a penalty marker, a lit lamp). Where a control is, its colours and its font are
// the front end's (ui/controles.h), which draws this.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "luta/eventos.h"

namespace vantor {

enum class Toque { Nenhum, Clique, DuploClique };

struct Rotulo {
    std::string Caption;
    bool Visible = true;
};

// A penalty marker: empty, a whole penalty, or the pending half after the whole ones.
enum class Marcacao : uint8_t { Vazia, Falta, Meia };
struct Marcador {
    Marcacao marca = Marcacao::Vazia;
    bool Visible = true;
};

struct Lampada {
    bool acesa = false;
    bool Visible = true;
};

struct Placar {
    std::array<Rotulo, 3> L_Nome, L_Pontos;  // index 1 blue, 2 red
    // The score at the end of regular time, kept in view once the golden round has cleared the scores.
    std::array<Rotulo, 3> L_Regular{{{}, {"", false}, {"", false}}};
    Rotulo L_Tempo{"9:99"}, L_Minuto{"99", false}, L_MinutoTitulo{"", false}, L_Golden{"Golden Round"};
    Rotulo L_Config, L_Round{"9"};
    bool roundGolden = false;  // the round's number past the regular rounds
    // The message line, and the hall's copy of it (no operator's prompts; a result with the winner's name and how).
    Rotulo L_Msg, L_MsgPlateia{"", false};
    Tom tomMsg = Tom::Nenhum;
    // The operator's mark of whether the hall's board shows.
    Rotulo L_Plateia;
    bool plateiaVisivel = false;
    std::array<Marcador, 11> S_FaltaAzul, S_FaltaVermelho;  // 1..10
    // The lamps' values, 0..9: groups 1, 2 and 3 at 0/1, 2/3 and 4/5 (red, blue), groups 4 and 5 at 6/7, 8/9.
    std::array<Rotulo, 10> L_Valor{
        {{"1"}, {"1"}, {"2"}, {"2"}, {"3"}, {"3"}, {"4", false}, {"4", false}, {"5", false}, {"5", false}}};
    std::array<Lampada, 31> S_Botao;  // 1..30
    // The key hints whose words are the language's.
    Rotulo M_Falta{"Faltas:"}, M_Ponto{"Pontos:"}, M_Minuto{"1 minuto: \"1\""}, M_Sumula{"Súmula: \"S\""},
        M_Config{"Configuração: F1"};
    // The bout in the day's record, on both boards; the list's next bout, on the operator's only.
    Rotulo L_Luta{"", false}, L_Proxima{"", false};
    // The operator's warnings: look-alike controllers, and log lines or the fight not reaching the disk.
    Rotulo L_Aviso{"", false}, L_AvisoLog{"", false};
};

}  // namespace vantor
