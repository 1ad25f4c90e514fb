#include "luta.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <tuple>

namespace vantor::teste {

PastaTemporaria::PastaTemporaria() : caminho_((std::filesystem::temp_directory_path() / "vantor-XXXXXX").string()) {
    if (!::mkdtemp(caminho_.data())) throw std::runtime_error("mkdtemp failed");
}

void DesktopCom(const std::string& pasta, bool editor) {
    for (const char* d : {"dados/applications", "sistema", "config", "config-sistema"})
        std::filesystem::create_directories(pasta + "/" + d);
    if (editor) {
        std::ofstream(pasta + "/dados/applications/editor.desktop")
            << "[Desktop Entry]\nType=Application\nName=Editor\nExec=/bin/true %f\nMimeType=text/plain;\n";
        std::ofstream(pasta + "/config/mimeapps.list") << "[Default Applications]\ntext/plain=editor.desktop\n";
    }
    ::setenv("XDG_DATA_HOME", (pasta + "/dados").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (pasta + "/sistema").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (pasta + "/config").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (pasta + "/config-sistema").c_str(), 1);
}

std::vector<std::string> LinhasDe(const std::string& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    const std::string texto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> linhas;
    for (size_t inicio = 0, fim; inicio < texto.size(); inicio = fim + 2) {
        fim = texto.find("\r\n", inicio);
        linhas.push_back(texto.substr(inicio, fim - inicio));
        if (fim == std::string::npos) {
            ADD_FAILURE() << "last line of " << arquivo << " has no CR LF: " << linhas.back();
            break;
        }
    }
    return linhas;
}

std::vector<std::string> Casos(const std::string& nome) {
    std::ifstream in(std::string(VANTOR_CASOS_DIR) + "/" + nome);
    if (!in) ADD_FAILURE() << "no tests/casos/" << nome;
    std::vector<std::string> linhas;
    for (std::string l; std::getline(in, l);)
        if (!l.empty() && l[0] != '#') linhas.push_back(l);
    return linhas;
}

void ConfereLog(const std::vector<std::string>& log, const std::string& nome) {
    const std::string caminho = std::string(VANTOR_CASOS_DIR) + "/" + nome;
    if (!std::filesystem::exists(caminho)) {
        std::ofstream out(caminho);
        for (const auto& l : log) out << l << '\n';
        ADD_FAILURE() << caminho << " was missing: written from this run";
    }
    EXPECT_EQ(log, Casos(nome)) << nome;
}

Luta::Luta(int16_t lingua, std::pair<int, int> tela) {
    std::tie(plat.largura, plat.altura) = tela;
    plat.temp = pasta.Caminho() + "/";
    plat.pastaPrograma = pasta.Caminho();
    if (lingua != lingua::Portugues)
        std::ofstream(pasta.Caminho() + "/vantor.ini", std::ios::binary)
            << "Som1=gongo.wav\r\nSom2=sino.wav\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=" << lingua;
    v.Form_Load();
}

void Luta::Configura(const Ajustes& a) {
    plat.aoMostrarConfiguracao = [this, a](Form2&) {
        Cena(v, [&](vantor::Ajustes& n) {
            n.Rounds = a.Rounds, n.Tempo = a.Tempo, n.Intervalo = a.Intervalo, n.Regra = a.Regra;
            n.Diferenca = a.Diferenca;
            if (!a.Azul.empty()) n.Nome[Azul] = a.Azul;
            if (!a.Vermelho.empty()) n.Nome[Vermelho] = a.Vermelho;
        });
    };
    Tecla(tecla::F1);
    plat.aoMostrarConfiguracao = nullptr;
}

void Luta::Passa(int ms) {
    const auto corre = [this](const Timer& t, const std::function<void()>& tick) {
        auto& [inicios, prazo] = prazos_[&t];
        if (inicios != t.Restarts) inicios = t.Restarts, prazo = agora_ + t.Interval;
        if (t.Enabled && agora_ >= prazo) prazo += t.Interval, tick();
    };
    for (int passo = 0; passo < ms; passo += 10) {
        plat.Avanca(10), agora_ += 10;
        corre(v.Janela().Timer_Luta, [this] { v.Timer_Luta_Timer(); });
        corre(v.Janela().Timer_Joystick, [this] { v.Timer_Joystick_Timer(); });
        for (int k = 1; k <= 18; ++k) corre(v.Janela().Timer_Botao[size_t(k)], [this, k] { v.Timer_Botao_Timer(k); });
    }
}

}  // namespace vantor::teste
