// The settings file: four sound files and the language, beside the program.
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "lang/campo.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"
#include "settings/csv.h"
#include "settings/numero.h"

namespace vantor {

namespace {
constexpr const char* kFimLinha = "\r\n";
const char* const kSonsPadrao[5] = {"", "gongo.wav", "sino.wav", "sparkle.wav", "gongo.wav"};

bool IguaisSemCaixa(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}
// A key of our own, only at a line's start: the old keys' search anywhere would find "Luta=" inside a cue's name.
std::string ValorDaLinha(const std::string& texto, const std::string& chave) {
    for (size_t i = 0; i < texto.size();) {
        const size_t fim = std::min(texto.find(kFimLinha, i), texto.size());
        if (fim - i > chave.size() && texto[i + chave.size()] == '=' &&
            std::equal(chave.begin(), chave.end(), texto.begin() + static_cast<std::ptrdiff_t>(i), IguaisSemCaixa))
            return Campo(texto.substr(i + chave.size() + 1, fim - i - chave.size() - 1), 1, kFimLinha, 1);
        i = fim + 2;
    }
    return "";
}

}  // namespace

std::string ValorChave(const std::string& texto, const std::string& chave, const std::string& separador,
                       const std::string& delimitador) {
    const std::string alvo = chave + separador;
    if (alvo.empty() || texto.size() < alvo.size()) return "";
    for (size_t i = 0; i + alvo.size() <= texto.size(); ++i) {
        bool igual = true;
        for (size_t j = 0; j < alvo.size() && igual; ++j) igual = IguaisSemCaixa(texto[i + j], alvo[j]);
        if (igual) return Campo(texto.substr(i + alvo.size()), 1, delimitador, 1);
    }
    return "";
}

bool ProgramaInstalado(const std::string& programa) {
    if (programa.empty()) return false;  // no folder known: as portable as before
    return ExisteArquivo(Junta(programa, "../share/vantor")) || !PastaGravavel(programa);
}

std::string PastaDados(const std::string& programa) {
    const std::string dados = Junta(programa, "../share/vantor");
    return ProgramaInstalado(programa) && ExisteArquivo(dados)
               ? std::filesystem::path(dados).lexically_normal().string()
               : programa;
}

int16_t ValorDoGrupo(const Ajustes& a, int g) {
    const int16_t valores[] = {0, a.Pontos1, a.Pontos2, a.Pontos3, a.Pontos4, a.Pontos5};
    return g >= 1 && g <= 5 ? valores[g] : 0;
}

std::string PastaXdg(bool dados, const std::function<std::string(const std::string&)>& ambiente) {
    std::string base = ambiente(dados ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME");
    // A relative value is no base folder at all.
    if (base.empty() || base[0] != '/') base = Junta(ambiente("HOME"), dados ? ".local/share" : ".config");
    return Junta(base, "vantor");
}

std::string CaminhoConfigDe(const std::string& programa,
                            const std::function<std::string(const std::string&)>& ambiente) {
    return Junta(ProgramaInstalado(programa) ? PastaXdg(false, ambiente) : programa, kArquivoConfig);
}

std::string UmaLinha(std::string texto) {
    for (char& c : texto)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return texto;
}

void Saneia(Ajustes& a) {
    if (a.Rounds < 1) a.Rounds = 1;
    if (a.Tempo < 1) a.Tempo = 60;
    if (a.TempoInicial < 1) a.TempoInicial = a.Tempo;
    a.RoundInicial = std::clamp<int16_t>(a.RoundInicial, 1, static_cast<int16_t>(std::min(a.Rounds + 1, INT16_MAX)));
    if (a.Limite < 1) a.Limite = kSemLimite;
    if (a.Diferenca < 1) a.Diferenca = kSemLimite;
    // None would end every round before it starts; more than the board's markers, never.
    if (a.FaltasRound < 1) a.FaltasRound = 5;
    a.FaltasRound = std::min(a.FaltasRound, a.LimiteFaltas);
    a.CartoesRevisao = std::clamp<int16_t>(a.CartoesRevisao, 0, 9);
    a.TempoGolden = std::max<int16_t>(a.TempoGolden, 0);
    for (std::string* s : {&a.Nome[1], &a.Nome[2], &a.L2[1], &a.L2[2], &a.Som[1], &a.Som[2], &a.Som[3], &a.Som[4]})
        *s = UmaLinha(std::move(*s));
    for (std::string* s : {&a.NumeroLuta, &a.Categoria, &a.Quadra, &a.Arbitro})
        *s = CortaUtf8(UmaLinha(std::move(*s)), kMaiorTexto);
    for (std::string* s : {&a.Evento, &a.NomesJuizes}) *s = CortaUtf8(UmaLinha(std::move(*s)), 3 * kMaiorTexto);
}

void LeTextoConfig(Ajustes& a, const std::string& bruto) {
    // Any editor's line ends read as the ones this program writes; a tab is a blank like any other.
    std::string texto;
    for (size_t i = 0; i < bruto.size(); ++i) {
        if (bruto[i] == '\r' || bruto[i] == '\n') {
            texto += kFimLinha;
            if (bruto[i] == '\r' && i + 1 < bruto.size() && bruto[i + 1] == '\n') ++i;
        } else {
            texto += bruto[i] == '\t' ? ' ' : bruto[i];
        }
    }
    for (int i = 1; i <= 4; ++i) a.Som[static_cast<size_t>(i)] = kSonsPadrao[i];
    if (!texto.empty())
        for (int i = 1; i <= 4; ++i)
            a.Som[static_cast<size_t>(i)] = ValorChave(texto, "Som" + std::to_string(i), "=", kFimLinha);
    // A language outside the table would blank every text of the program.
    const int16_t lingua = Inteiro16(ValTexto(ValorChave(texto, "Lingua", "=", kFimLinha)));
    a.Lingua = (lingua >= lingua::Portugues && lingua <= lingua::Ingles) ? lingua : lingua::Portugues;
    // The day's event and ring, and the bout of the ring's list last loaded: written only once given.
    a.Evento = CortaUtf8(ValorDaLinha(texto, "Evento"), 3 * kMaiorTexto);
    a.Quadra = CortaUtf8(ValorDaLinha(texto, "Quadra"), kMaiorTexto);
    a.NumeroLuta = CortaUtf8(ValorDaLinha(texto, "Luta"), kMaiorTexto);
}

std::string TextoConfig(const Ajustes& a) {
    std::string texto;
    for (int i = 1; i <= 4; ++i) texto += "Som" + std::to_string(i) + "=" + a.Som[static_cast<size_t>(i)] + kFimLinha;
    texto += "Lingua=" + std::to_string(a.Lingua);
    for (const auto& [chave, valor] : {std::pair{"Evento", &a.Evento}, {"Quadra", &a.Quadra}, {"Luta", &a.NumeroLuta}})
        if (!valor->empty()) texto += std::string(kFimLinha) + chave + "=" + *valor;
    return texto;
}

}  // namespace vantor
