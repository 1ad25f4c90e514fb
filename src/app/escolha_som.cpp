// The sound-file chooser: volumes, folders and the WAV files of one folder; a click plays, OK writes
// the full path into the dialog's box.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/form2.h"
#include "app/vantor.h"
#include "settings/arquivos.h"
#include "settings/numero.h"

namespace vantor {

namespace fs = std::filesystem;

namespace {

bool EhWav(const std::string& nome) {
    if (nome.size() < 4) return false;
    std::string fim = nome.substr(nome.size() - 4);
    for (char& c : fim) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return fim == ".wav";
}

// /proc/mounts writes blanks and a few other characters as octal escapes.
std::string SemEscapes(const std::string& s) {
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        const auto octal = [&](size_t j) { return j < s.size() && s[j] >= '0' && s[j] <= '7'; };
        if (s[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            r += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            r += s[i];
        }
    }
    return r;
}

}  // namespace

std::string ExtraiPasta(const std::string& caminho, const std::string& pastaPrograma) {
    const std::string absoluto = !caminho.empty() && caminho[0] == '/' ? caminho : Junta(pastaPrograma, caminho);
    const size_t barra = absoluto.rfind('/');
    return barra == std::string::npos ? "" : absoluto.substr(0, barra + 1);
}

std::string ExtraiNome(const std::string& caminho) {
    const size_t barra = caminho.rfind('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

std::vector<std::string> Volumes() {
    std::vector<std::string> volumes{"/"};
    std::ifstream mounts("/proc/self/mounts");
    std::string linha;
    while (std::getline(mounts, linha)) {
        std::istringstream campos(linha);
        std::string dispositivo, ponto;
        campos >> dispositivo >> ponto;
        ponto = SemEscapes(ponto);
        if (dispositivo.rfind("/dev/", 0) != 0 || ponto.empty() || ponto[0] != '/') continue;
        if (std::find(volumes.begin(), volumes.end(), ponto) == volumes.end()) volumes.push_back(ponto);
    }
    std::sort(volumes.begin() + 1, volumes.end());
    return volumes;
}

FormSom::FormSom(Vantor& v, Plataforma& plat, Form2& dialogo)
    : L_Unidades(Volumes()), v_(v), plat_(plat), dialogo_(dialogo) {
    std::error_code ec;
    const fs::path atual = fs::current_path(ec);
    if (ec || !MudaPasta(atual.string())) MudaPasta("/");
}

void FormSom::Prepara(const std::string& caminho) {
    std::string pasta = ExtraiPasta(caminho, v_.Arquivos().PastaSons());
    if (pasta.size() > 1 && pasta.back() == '/') pasta.pop_back();
    // The drive list shows the volume the folder lies on: the longest mount point that holds it.
    size_t melhor = 0;
    for (size_t i = 0; i < L_Unidades.size(); ++i) {
        const std::string& m = L_Unidades[i];
        const bool contem = m == "/" || pasta == m || pasta.rfind(m + "/", 0) == 0;
        if (contem && m.size() >= L_Unidades[melhor].size()) melhor = i;
    }
    if (!MudaPasta(pasta)) return;  // an unreachable folder leaves the lists where they were
    DriveIndex = static_cast<int>(melhor);
    const std::string nome = ExtraiNome(caminho);
    const auto achado = std::find(L_Arquivos.begin(), L_Arquivos.end(), nome);
    if (achado != L_Arquivos.end()) FileIndex = static_cast<int>(achado - L_Arquivos.begin());
}

void FormSom::L_Unidades_Change() {
    if (DriveIndex >= 0 && DriveIndex < static_cast<int>(L_Unidades.size()))
        MudaPasta(L_Unidades[static_cast<size_t>(DriveIndex)]);
}

bool FormSom::MudaPasta(const std::string& pasta) {
    std::error_code ec;
    const fs::path alvo = fs::path(pasta).lexically_normal();
    if (!alvo.is_absolute() || !fs::is_directory(alvo, ec)) return false;
    std::vector<std::string> pastas;
    fs::directory_iterator it(alvo, fs::directory_options::skip_permission_denied, ec);
    if (ec) return false;
    for (const auto& e : it) {
        std::error_code ec2;
        if (e.is_directory(ec2)) pastas.push_back(e.path().filename().string());
    }
    std::sort(pastas.begin(), pastas.end());
    std::string texto = alvo.string();
    if (texto.size() > 1 && texto.back() == '/') texto.pop_back();
    L_Pastas = texto;
    Pastas = std::move(pastas);
    L_Pastas_Change();
    return true;
}

void FormSom::L_Pastas_Change() {
    L_Arquivos.clear();
    FileIndex = -1;
    std::error_code ec;
    fs::directory_iterator it(L_Pastas, fs::directory_options::skip_permission_denied, ec);
    if (ec) return;
    for (const auto& e : it) {
        std::error_code ec2;
        const std::string nome = e.path().filename().string();
        if (e.is_regular_file(ec2) && EhWav(nome)) L_Arquivos.push_back(nome);
    }
    std::sort(L_Arquivos.begin(), L_Arquivos.end());
}

std::string FormSom::Selecionado() const {
    if (FileIndex < 0 || FileIndex >= static_cast<int>(L_Arquivos.size())) return Junta(L_Pastas, "");
    return Junta(L_Pastas, L_Arquivos[static_cast<size_t>(FileIndex)]);
}

void FormSom::L_Arquivos_Click() {
    if (FileIndex >= 0 && FileIndex < static_cast<int>(L_Arquivos.size())) plat_.TocaWav(Selecionado());
}

void FormSom::OKButton_Click() {
    const int indice = Inteiro16(ValTexto(Indice));
    if (indice < 1 || indice > 4) return;  // the chooser stays open and the box is untouched
    dialogo_.T_Sons[static_cast<size_t>(indice)].Text = Selecionado();
    Aberto = false;
}

}  // namespace vantor
