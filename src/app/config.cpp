// The program's settings: read at start-up, and the dialog's new ones put in place and written.
#include "app/vantor.h"

namespace vantor {

void Vantor::LeConfig() {
    arquivos_.LeConfig(ajustes_);
    plat_.PreparaSons({ajustes_.Som.begin() + 1, ajustes_.Som.begin() + 5});
}

void Vantor::DefineAjustes(const Ajustes& ajustes) {
    const bool sons = ajustes.Som != ajustes_.Som;
    ajustes_ = ajustes;
    if (sons) plat_.PreparaSons({ajustes_.Som.begin() + 1, ajustes_.Som.begin() + 5});
}

void Vantor::ConfirmaConfiguracao(Ajustes ajustes) {
    Saneia(ajustes);
    DefineAjustes(ajustes);
    ajustes_.ContaLutas = 0;
    const Ajustes& a = ajustes_;
    GravaLog("Configura\tRounds: " + std::to_string(a.Rounds) + "\tIntervalo: " + std::to_string(a.Intervalo) +
             "\tRound: " + std::to_string(a.Tempo) + "\tNome Azul: " + a.Nome[Azul] + "\tL2 Azul: " + a.L2[Azul] +
             "\tNome Vermelho: " + a.Nome[Vermelho] + "\tL2 Vermelho: " + a.L2[Vermelho] +
             "\tÁrbitros: " + std::to_string(a.Arbitros));
    // A settings file that cannot be written costs the next start its sounds and language, not this fight.
    arquivos_.GravaConfig(ajustes_);
}

bool Vantor::UsaModelo(const Modelo& m) {
    if (EmLuta()) return false;
    Ajustes a = ajustes_;
    AplicaModelo(m, a);
    ConfirmaConfiguracao(a);
    ZeraLuta();
    return true;
}

Modelos Vantor::LeModelos() const {
    return ModelosDe(plat_.PastaPrograma(), [this](const std::string& nome) { return plat_.Ambiente(nome); });
}

}  // namespace vantor
