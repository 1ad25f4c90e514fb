#include "luta.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vantor::teste {

PastaTemporaria::PastaTemporaria() {
    std::string modelo = (std::filesystem::temp_directory_path() / "vantor-XXXXXX").string();
    if (!::mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp failed");
    caminho_ = modelo;
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code ec;
    std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(caminho_, ec);
}

std::vector<std::string> LinhasDe(const std::string& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    const std::string texto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> linhas;
    size_t inicio = 0;
    while (inicio < texto.size()) {
        const size_t fim = texto.find("\r\n", inicio);
        if (fim == std::string::npos) {
            ADD_FAILURE() << "last line of " << arquivo << " has no CR LF: " << texto.substr(inicio);
            linhas.push_back(texto.substr(inicio));
            break;
        }
        linhas.push_back(texto.substr(inicio, fim - inicio));
        inicio = fim + 2;
    }
    return linhas;
}

Luta::Luta(int16_t lingua) {
    plat.temp = pasta.caminho() + "/";
    plat.pastaPrograma = pasta.caminho();
    if (lingua != 0) {
        std::ofstream(pasta.caminho() + "/vantor.ini", std::ios::binary)
            << "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=" << lingua;
    }
    v.Form_Load();
}

void Luta::Configura(const Ajustes& a) {
    plat.aoMostrarConfiguracao = [this, a](Form2&) {
        v.Rounds = a.Rounds;
        v.Tempo = a.Tempo;
        v.Intervalo = a.Intervalo;
        v.Regra = a.Regra;
        v.Limite = a.Limite;
        v.Diferenca = a.Diferenca;
        v.MeiaFaltaGolden = a.MeiaFaltaGolden;
        if (!a.Azul.empty()) v.Nome[1] = a.Azul;
        if (!a.Vermelho.empty()) v.Nome[2] = a.Vermelho;
    };
    Tecla(tecla::F1);
    plat.aoMostrarConfiguracao = nullptr;
}

void Luta::Tecla(int codigo, int mascara) { v.Form_KeyDown(codigo, mascara); }

void Luta::Tick(int n) {
    for (int i = 0; i < n; ++i) {
        plat.Avanca(1000);
        v.Timer_Luta_Timer();
    }
}

std::string Luta::L(const std::string& hms, const std::string& texto) {
    return "06/12/2026 " + hms + ",45\t" + texto;
}

}  // namespace vantor::teste
