// Models of settings: their file read, and a model put into the settings.
#include "settings/modelos.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "settings/arquivos.h"

namespace vantor {

namespace {

std::string Apara(std::string_view s) {
    const auto branco = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && branco(s.front())) s.remove_prefix(1);
    while (!s.empty() && branco(s.back())) s.remove_suffix(1);
    return std::string(s);
}

bool Iguais(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A whole number and nothing else: an organiser's "1O" is a slip to report, not a 1.
bool Inteiro(const std::string& s, int16_t& v) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

}  // namespace

const Modelo* Modelos::Acha(const std::string& nome) const {
    for (const Modelo& m : lista)
        if (Iguais(m.nome, nome)) return &m;
    return nullptr;
}

void Modelos::Le(const std::string& texto, const std::string& origem) {
    Modelo* atual = nullptr;
    size_t numero = 0;
    for (size_t i = 0; i < texto.size();) {
        const size_t fim = std::min(texto.find('\n', i), texto.size());
        const std::string linha = Apara(std::string_view(texto).substr(i, fim - i));
        i = fim + 1, ++numero;
        const auto aviso = [&](const std::string& o) {
            std::string a = origem;
            a += ":" + std::to_string(numero) + ": ";
            a += o;
            avisos.push_back(std::move(a));
        };
        if (linha.empty() || linha[0] == '#' || linha[0] == ';') continue;
        if (linha.front() == '[' && linha.back() == ']') {
            const std::string nome = Apara(std::string_view(linha).substr(1, linha.size() - 2));
            if (nome.empty()) {
                aviso("a model with no name");
                atual = nullptr;
                continue;
            }
            // A later model of the same name, the user's over the shipped one, replaces it whole.
            auto it = std::find_if(lista.begin(), lista.end(), [&](const Modelo& m) { return Iguais(m.nome, nome); });
            if (it == lista.end()) it = lista.insert(lista.end(), Modelo{nome, {}});
            *it = Modelo{nome, {}};
            atual = &*it;
            continue;
        }
        const size_t igual = linha.find('=');
        if (igual == std::string::npos || !atual) {
            aviso(atual ? "not a Key=value line" : "a setting outside any [model]");
            continue;
        }
        atual->valores.emplace_back(Apara(std::string_view(linha).substr(0, igual)),
                                    Apara(std::string_view(linha).substr(igual + 1)));
    }
}

void AplicaModelo(const Modelo& m, Ajustes& a, std::vector<std::string>* avisos) {
    struct Campo {
        const char* chave;
        int16_t* valor;
        int16_t de, ate;
    };
    bool meia = a.MeiaFaltaGolden;
    int16_t meiaNumero = meia ? 1 : 0;
    const Campo campos[] = {
        {"Regra", &a.Regra, regra::WtfAntiga, regra::Wt2022},
        {"Rounds", &a.Rounds, 1, 99},
        {"Tempo", &a.Tempo, 1, 5999},
        {"Intervalo", &a.Intervalo, -1, 5999},
        {"Limite", &a.Limite, 1, kSemLimite},
        {"Diferenca", &a.Diferenca, 1, kSemLimite},
        {"FaltasRound", &a.FaltasRound, 1, 10},
        {"Cartoes", &a.CartoesRevisao, 0, 9},
        {"TempoGolden", &a.TempoGolden, 0, 5999},
        {"MeiaFaltaGolden", &meiaNumero, 0, 1},
    };
    const auto aviso = [&](const std::string& o) {
        if (avisos) avisos->push_back(m.nome + ": " + o);
    };
    for (const auto& valor : m.valores) {
        const std::string& chave = valor.first;
        const std::string& texto = valor.second;
        if (Iguais(chave, "Pontos")) {
            // The values of the judges' groups, in order: two to five of them.
            std::array<int16_t, 5> p{};
            size_t n = 0, i = 0;
            bool ok = true;
            while (ok && i <= texto.size()) {
                const size_t virgula = std::min(texto.find(',', i), texto.size());
                ok = n < p.size() && Inteiro(Apara(std::string_view(texto).substr(i, virgula - i)), p[n]) &&
                     p[n] >= 1 && p[n] <= 99;
                ++n, i = virgula + 1;
            }
            if (!ok || n < 2)
                aviso("Pontos=" + texto + ": two to five values from 1 to 99, with commas");
            else
                a.Pontos1 = p[0], a.Pontos2 = p[1], a.Pontos3 = p[2], a.Pontos4 = p[3], a.Pontos5 = p[4];
            continue;
        }
        const Campo* c =
            std::find_if(std::begin(campos), std::end(campos), [&](const Campo& k) { return Iguais(k.chave, chave); });
        int16_t v = 0;
        if (c == std::end(campos))
            aviso("unknown setting " + chave);
        else if (!Inteiro(texto, v) || v < c->de || v > c->ate)
            aviso(std::string(chave)
                      .append("=")
                      .append(texto)
                      .append(": a whole number from ")
                      .append(std::to_string(c->de))
                      .append(" to ")
                      .append(std::to_string(c->ate)));
        else
            *c->valor = v;
    }
    a.MeiaFaltaGolden = meiaNumero != 0;
    // The start of the next bout follows the model's round.
    a.RoundInicial = 1, a.TempoInicial = a.Tempo;
    Saneia(a);
}

Modelos ModelosDe(const std::string& programa, const std::function<std::string(const std::string&)>& ambiente) {
    const std::string enviado = Junta(PastaDados(programa), kArquivoModelos);
    const std::string doUsuario =
        Junta(std::filesystem::path(CaminhoConfigDe(programa, ambiente)).parent_path().string(), kArquivoModelos);
    Modelos m;
    if (ExisteArquivo(enviado)) m.Le(LeArquivo(enviado), enviado);
    // Portable, both are the one file beside the program.
    const auto normal = [](const std::string& c) { return std::filesystem::path(c).lexically_normal(); };
    if (normal(doUsuario) != normal(enviado) && ExisteArquivo(doUsuario)) m.Le(LeArquivo(doUsuario), doUsuario);
    return m;
}

}  // namespace vantor
