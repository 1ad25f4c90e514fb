// The match settings: what the configuration dialog edits, and the sounds and language the settings file keeps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
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
constexpr int16_t Wt2022 = 3;           // best of three: each round won on its own, the bout by two rounds
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
    int16_t FaltasRound = 5;     // best of three: the penalties that lose a round
    int16_t CartoesRevisao = 0;  // video review cards per corner and bout (0: no reviews)
    int16_t TempoGolden = 0;     // the golden round's length in seconds (0: as the rule system gives it)
    int16_t Pontos1 = 1, Pontos2 = 2, Pontos3 = 3;  // Pontos3 = 0: the third button is not used
    int16_t Pontos4 = 0, Pontos5 = 0;               // the fourth and fifth groups: 0, the default, not used
    std::array<std::string, 3> Nome, L2;            // per corner
    std::array<std::string, 11> Som;                // cues 1..4
    int16_t Lingua = lingua::Portugues;
    // The bout in the day's record, from the ring's list or typed: "" where not given. The event and the ring
    // outlast a run (the settings file); the rest is the bout's.
    std::string NumeroLuta, Categoria, Evento, Quadra, Arbitro, NomesJuizes;

    bool operator==(const Ajustes&) const = default;
};

// The longest name, second line, bout number or category (the judges' names together: three times as long).
constexpr size_t kMaiorTexto = 40;

// Line breaks and tabs as blanks: a name or a file name is one line of the log and of the settings file.
std::string UmaLinha(std::string texto);

// Values that would decide a fight before it starts or keep its clock from running take the nearest sound one:
// rounds and round time below 1 become 1 round and 60 s, a start time below 1 the round time, the start round
// 1 to `Rounds` + 1 (the golden round), a limit or difference below 1 "not in use", penalties a round 1 to the
// penalty limit (5 when below 1), review cards 0 to 9, a golden round's own length 0 or more. Names, second lines,
// the bout's texts and cue files keep to one line; the bout's texts to `kMaiorTexto` characters.
void Saneia(Ajustes& a);

// Installed: the folder `programa` has its data in ../share/vantor beside it, or cannot be written.
bool ProgramaInstalado(const std::string& programa);
// Where the files that come with the program (cues, models) are: beside it, or in ../share/vantor once installed.
std::string PastaDados(const std::string& programa);

// The points of the judges' value group `g` (1..5; 0 for a group not in use), and whether it is in use: the first
// two always are.
int16_t ValorDoGrupo(const Ajustes& a, int g);
inline bool GrupoEmUso(const Ajustes& a, int g) { return g <= 2 || ValorDoGrupo(a, g) > 0; }
// $XDG_CONFIG_HOME/vantor, or $XDG_DATA_HOME/vantor when `dados`, from the environment `ambiente`, with the
// defaults under $HOME.
std::string PastaXdg(bool dados, const std::function<std::string(const std::string&)>& ambiente);
constexpr const char* kArquivoConfig = "vantor.ini";

// Where vantor.ini is for the program in `programa`: beside it, or in the user's config folder once installed.
std::string CaminhoConfigDe(const std::string& programa,
                            const std::function<std::string(const std::string&)>& ambiente);

// The settings file's text (CR LF, LF or lone CR line ends), read into the four cue files and the language of `a`
// (defaults where it has none), and written from them (CR LF).
void LeTextoConfig(Ajustes& a, const std::string& texto);
std::string TextoConfig(const Ajustes& a);

}  // namespace vantor
