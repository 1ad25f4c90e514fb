// Where the program's own files are, and the two that outlast it (the settings and the button map), read and
// written whole. Portable, they sit beside the program and where it runs; installed (the program's folder lies in a
// prefix with its data in ../share/vantor, or cannot be written), under the user's XDG folders.
#pragma once

#include <string>

#include "app/plataforma.h"
#include "controllers/juizes.h"
#include "settings/ajustes.h"

namespace vantor {

constexpr const char* kArquivoBotoes = "botoes.cfg";

class ArquivosDoPrograma {
public:
    explicit ArquivosDoPrograma(Plataforma& plat) : plat_(plat) {}

    bool Instalado() const;
    // $XDG_CONFIG_HOME/vantor or $XDG_DATA_HOME/vantor (`dados`), with their defaults under $HOME.
    std::string PastaXdg(bool dados) const;
    std::string CaminhoConfig() const;
    std::string CaminhoBotoes() const;
    // The ring's list of bouts as last loaded: beside the settings file.
    std::string CaminhoLista() const;
    // Where the cues that come with the program are: beside it, or in ../share/vantor once installed.
    std::string PastaSons() const;

    // The cues and language of the settings file into `a` (defaults where it has none).
    void LeConfig(Ajustes& a) const;
    // False when the file could not be written; the old one stays.
    bool GravaConfig(const Ajustes& a) const;
    // False when there is no usable button file; the map is then untouched.
    bool LeBotoes(Juizes& j) const;
    // False when the file could not be written; the old one stays. Bytes beyond the map in a longer file are kept.
    bool GravaBotoes(const Juizes& j) const;

private:
    Plataforma& plat_;
};

}  // namespace vantor
