// The judges' buttons: which controller input is which button, the open agreement windows, and the
// assignment mode's progress.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "controllers/entradas.h"
#include "settings/ajustes.h"

namespace vantor {

// The judges' buttons: three judges, two corners, up to five value groups. Groups 1 to 3 keep the numbers the
// button file has always had (red 1..9, blue 10..18); groups 4 and 5 follow them (red 19..24, blue 25..30).
constexpr int kBotoes = 30;
constexpr int kBotoesAntigos = 18;
constexpr int BotaoDe(int cor, int grupo, int juiz) {
    return (grupo <= 3 ? (cor == Vermelho ? 0 : 9) + (grupo - 1) * 3 : (cor == Vermelho ? 18 : 24) + (grupo - 4) * 3) +
           juiz;
}
struct QualBotao {
    int cor, grupo, juiz;
};
constexpr QualBotao DoBotao(int k) {
    if (k <= kBotoesAntigos) {
        const int base = k <= 9 ? k - 1 : k - 10;
        return {k <= 9 ? Vermelho : Azul, base / 3 + 1, base % 3 + 1};
    }
    const int base = k <= 24 ? k - 19 : k - 25;
    return {k <= 24 ? Vermelho : Azul, base / 3 + 4, base % 3 + 1};
}

struct Juizes {
    std::array<int16_t, 257> MapaBotoes{};    // input position 1..256 -> button 1..30, 0 unassigned
    std::array<int32_t, 257> MascaraBotao{};  // button k -> bit k-1
    std::array<std::string, kBotoes + 1> DescricaoBotao;
    int32_t Pendentes = 0;                                    // buttons whose two-second window is open
    std::array<uint16_t, entrada::kSlots> EstadoControles{};  // the previous poll's reading, slot by slot
    // Per slot: whether its last read found a controller (not before the first poll), and the inputs held when a
    // controller came into it, ignored until released.
    std::array<bool, entrada::kSlots> Presente{};
    std::array<uint16_t, entrada::kSlots> Retidos{};
    int16_t Configurando_b = 0;  // the lamp being assigned; kPedeConfiguracao asks for the assignment
    int16_t BotaoCapturado = 0;  // kEsperando while the assignment waits for a press

    static constexpr size_t kTamanhoArquivo = 514;  // the button file's map: 257 little-endian 16-bit entries
    // Buttons of groups 4 and 5, when any is assigned, follow the map as a second one after this mark, where a
    // reader of the first 514 bytes never looks.
    static constexpr std::string_view kMarcaExtra = "VNT5";
    static constexpr int16_t kEsperando = 999;
    static constexpr int16_t kPedeConfiguracao = 99;

    bool Capturando() const { return BotaoCapturado == kEsperando; }
    // 1 when the button's window is open, else 0.
    int b(int botao) const;
    // The masks, and the map a fresh installation starts with.
    void MapaPadrao();
    // The map as the button file holds it (514 bytes, and the second map only when groups 4 or 5 have buttons), and
    // back; false, map untouched, when `dados` is too short.
    std::string MapaEmBytes() const;
    bool MapaDeBytes(const std::string& dados);
};

}  // namespace vantor
