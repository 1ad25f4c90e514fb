// The match settings: what the configuration dialog edits, and the sounds and language the settings file keeps.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

// The two corners, as every per-corner array indexes them (index 0 is unused).
constexpr int Azul = 1;
constexpr int Vermelho = 2;
constexpr int Oponente(int cor) { return cor == Azul ? Vermelho : Azul; }

// Rule systems, by the values stored in `Regra`.
namespace regra {
constexpr int16_t WtfAntiga = 0;        // a gap of more than 12 points from round 3
constexpr int16_t LimiteDiferenca = 1;  // a point limit and a winning difference
constexpr int16_t Wtf2017 = 2;          // a difference in the last round; golden round won by two
}  // namespace regra

// `Limite` and `Diferenca` hold this when they are not in use.
constexpr int16_t kSemLimite = 99;

// Languages, by the values stored in `Lingua`.
namespace lingua {
constexpr int16_t Portugues = 0, Espanhol = 1, Ingles = 2;
}  // namespace lingua

struct Ajustes {
    int16_t Tempo = 60, TempoInicial = 60, Intervalo = 15, Rounds = 1, RoundInicial = 1, Arbitros = 3;
    int16_t ContaLutas = 0;  // fight resets since the dialog was last confirmed
    int16_t Regra = regra::Wtf2017, Limite = kSemLimite, Diferenca = kSemLimite, LimiteFaltas = 10;
    bool MeiaFaltaGolden = false;
    int16_t Pontos1 = 1, Pontos2 = 2, Pontos3 = 3;  // Pontos3 = 0: the third button is not used
    std::array<std::string, 3> Nome, L2;            // per corner
    std::array<std::string, 11> Som;                // cues 1..4
    int16_t Lingua = lingua::Portugues;

    bool operator==(const Ajustes&) const = default;
};

// The settings file's text, read into the four cue files and the language of `a` (defaults where it has none),
// and written from them.
void LeTextoConfig(Ajustes& a, const std::string& texto);
std::string TextoConfig(const Ajustes& a);

}  // namespace vantor
