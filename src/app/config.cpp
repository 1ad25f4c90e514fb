// The program's settings: where their file is, reading and writing it, and the dialog's new settings.
#include <filesystem>

#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

bool Vantor::Instalado() const { return ProgramaInstalado(plat.PastaPrograma()); }

std::string Vantor::PastaXdg(bool dados) const {
    return vantor::PastaXdg(dados, [this](const std::string& nome) { return plat.Ambiente(nome); });
}

std::string Vantor::CaminhoConfig() const {
    return CaminhoConfigDe(plat.PastaPrograma(), [this](const std::string& nome) { return plat.Ambiente(nome); });
}

std::string Vantor::PastaSons() const {
    const std::string programa = plat.PastaPrograma();
    const std::string dados = Junta(programa, "../share/vantor");
    return ProgramaInstalado(programa) && ExisteArquivo(dados)
               ? std::filesystem::path(dados).lexically_normal().string()
               : programa;
}

std::string Vantor::CaminhoBotoes() const {
    return Instalado() ? Junta(PastaXdg(false), kArquivoBotoes) : kArquivoBotoes;
}

void Vantor::LeConfig() {
    LeTextoConfig(ajustes_, LeArquivo(CaminhoConfig()));
    plat.PreparaSons({ajustes_.Som.begin() + 1, ajustes_.Som.begin() + 5});
}

void Vantor::DefineAjustes(const Ajustes& ajustes) {
    const bool sons = ajustes.Som != ajustes_.Som;
    ajustes_ = ajustes;
    if (sons) plat.PreparaSons({ajustes_.Som.begin() + 1, ajustes_.Som.begin() + 5});
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
    GravaConfig();
}

bool Vantor::GravaConfig() {
    if (Instalado()) CriaPastas(PastaXdg(false));
    return GravaArquivo(CaminhoConfig(), TextoConfig(ajustes_));
}

}  // namespace vantor
