// The program's files: their places, and the settings and button map read and written.
#include "app/arquivos_programa.h"

#include <filesystem>

#include "settings/arquivos.h"
#include "settings/lutas.h"

namespace vantor {

bool ArquivosDoPrograma::Instalado() const { return ProgramaInstalado(plat_.PastaPrograma()); }

std::string ArquivosDoPrograma::PastaXdg(bool dados) const {
    return vantor::PastaXdg(dados, [this](const std::string& nome) { return plat_.Ambiente(nome); });
}

std::string ArquivosDoPrograma::CaminhoConfig() const {
    return CaminhoConfigDe(plat_.PastaPrograma(), [this](const std::string& nome) { return plat_.Ambiente(nome); });
}

std::string ArquivosDoPrograma::CaminhoLista() const {
    const std::string config = CaminhoConfig();
    const size_t barra = config.rfind('/');
    return barra == std::string::npos ? kArquivoLutas : Junta(config.substr(0, barra), kArquivoLutas);
}

std::string ArquivosDoPrograma::PastaSons() const { return PastaDados(plat_.PastaPrograma()); }

std::string ArquivosDoPrograma::CaminhoBotoes() const {
    return Instalado() ? Junta(PastaXdg(false), kArquivoBotoes) : kArquivoBotoes;
}

void ArquivosDoPrograma::LeConfig(Ajustes& a) const { LeTextoConfig(a, LeArquivo(CaminhoConfig())); }

bool ArquivosDoPrograma::GravaConfig(const Ajustes& a) const {
    if (Instalado()) CriaPastas(PastaXdg(false));
    return GravaArquivo(CaminhoConfig(), TextoConfig(a));
}

bool ArquivosDoPrograma::LeBotoes(Juizes& j) const { return j.MapaDeBytes(LeArquivo(CaminhoBotoes())); }

bool ArquivosDoPrograma::GravaBotoes(const Juizes& j) const {
    std::string dados = j.MapaEmBytes();
    const std::string caminho = CaminhoBotoes();
    const std::string antigo = LeArquivo(caminho);
    // Bytes beyond the map stay as they were, save a second map of ours, which is written anew or not at all.
    std::string resto = antigo.size() > Juizes::kTamanhoArquivo ? antigo.substr(Juizes::kTamanhoArquivo) : "";
    if (resto.starts_with(Juizes::kMarcaExtra))
        resto.erase(0, std::min(resto.size(), Juizes::kMarcaExtra.size() + Juizes::kTamanhoArquivo));
    dados += resto;
    if (Instalado()) CriaPastas(PastaXdg(false));
    return GravaArquivo(caminho, dados);
}

}  // namespace vantor
