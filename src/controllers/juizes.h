// The judges' buttons: which controller input is which button, the open agreement windows, and the
// assignment mode's progress.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controllers/entradas.h"

namespace vantor {

struct Juizes {
    std::array<int16_t, 257> MapaBotoes{};    // input position 1..256 -> button 1..18, 0 unassigned
    std::array<int32_t, 257> MascaraBotao{};  // button k -> bit k-1
    std::array<std::string, 19> DescricaoBotao;
    int32_t Pendentes = 0;                                    // buttons whose two-second window is open
    std::array<uint16_t, entrada::kSlots> EstadoControles{};  // the previous poll's reading, slot by slot
    // Per slot: whether its last read found a controller (not before the first poll), and the inputs held when a
    // controller came into it, ignored until released.
    std::array<bool, entrada::kSlots> Presente{};
    std::array<uint16_t, entrada::kSlots> Retidos{};
    int16_t Configurando_b = 0;  // the lamp being assigned; kPedeConfiguracao asks for the assignment
    int16_t BotaoCapturado = 0;  // kEsperando while the assignment waits for a press

    static constexpr size_t kTamanhoArquivo = 514;  // the button file's map: 257 little-endian 16-bit entries
    static constexpr int16_t kEsperando = 999;
    static constexpr int16_t kPedeConfiguracao = 99;

    bool Capturando() const { return BotaoCapturado == kEsperando; }
    // 1 when the button's window is open, else 0.
    int b(int botao) const;
    // The masks, and the map a fresh installation starts with.
    void MapaPadrao();
    // The map as the button file holds it, and back; false, map untouched, when `dados` is too short.
    std::string MapaEmBytes() const;
    bool MapaDeBytes(const std::string& dados);
};

}  // namespace vantor
