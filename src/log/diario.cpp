// The saved fight: one text file of "key=value" lines, its version first and a checksum of everything before it
// last, so that a torn, foreign or edited file is known before any of it is used.
#include "log/diario.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string_view>
#include <type_traits>

#include "lang/idioma.h"
#include "log/destino.h"
#include "settings/arquivos.h"

namespace vantor {

namespace {

constexpr std::string_view kCabeca = "Vantor estado ";
constexpr int kVersao = 1;

constexpr const char* kChavesValor[2][5] = {{"Valor1_1", "Valor2_1", "Valor3_1", "Valor4_1", "Valor5_1"},
                                            {"Valor1_2", "Valor2_2", "Valor3_2", "Valor4_2", "Valor5_2"}};

std::string TextoRounds(const std::vector<EstadoLuta::RoundFeito>& rounds) {
    std::string t;
    for (const auto& r : rounds) {
        if (!t.empty()) t += ';';
        t += std::to_string(r.vencedor) + "/" + std::to_string(r.como) + "/" + std::to_string(r.azul) + "/" +
             std::to_string(r.vermelho);
    }
    return t;
}

// Every saved field, by its key, for the writer and the reader alike.
template <typename D, typename F>
void Campos(D& d, F&& f) {
    auto& a = d.ajustes;
    f("Tempo", a.Tempo), f("TempoInicial", a.TempoInicial), f("Intervalo", a.Intervalo), f("Rounds", a.Rounds);
    f("RoundInicial", a.RoundInicial), f("Arbitros", a.Arbitros), f("ContaLutas", a.ContaLutas);
    f("Regra", a.Regra), f("Limite", a.Limite), f("Diferenca", a.Diferenca), f("LimiteFaltas", a.LimiteFaltas);
    f("MeiaFaltaGolden", a.MeiaFaltaGolden), f("Pontos1", a.Pontos1), f("Pontos2", a.Pontos2);
    f("Pontos3", a.Pontos3), f("Lingua", a.Lingua);
    f("Nome1", a.Nome[1]), f("Nome2", a.Nome[2]), f("L21", a.L2[1]), f("L22", a.L2[2]);
    f("Som1", a.Som[1]), f("Som2", a.Som[2]), f("Som3", a.Som[3]), f("Som4", a.Som[4]);
    auto& l = d.luta;
    f("LutaIniciada", l.LutaIniciada), f("TempoRestante", l.TempoRestante), f("RoundAtual", l.RoundAtual);
    f("ContaIntervalo", l.ContaIntervalo), f("ContaMinuto", l.ContaMinuto), f("Pausado", l.Pausado);
    // The pause twice over, as the file has always had it: the reader wants both the same.
    if constexpr (std::is_const_v<D>) {
        const bool ligada = l.Pausado;
        f("PausaLigada", ligada);
    } else {
        f("PausaLigada", d.pausaLigada);
    }
    f("LutaDecidida", l.LutaDecidida), f("EmGolden", l.EmGolden);
    f("MostraConfig", l.MostraConfig), f("ResultadoLogado", l.ResultadoLogado);
    f("Pontos_1", l.PontosMarcados[1]), f("Pontos_2", l.PontosMarcados[2]), f("Faltas_1", l.Faltas[1]);
    f("Faltas_2", l.Faltas[2]), f("Meia_1", l.MeiaFalta[1]), f("Meia_2", l.MeiaFalta[2]);
    f("Regular_1", l.PlacarRegular[1]), f("Regular_2", l.PlacarRegular[2]);
    f("ArquivoLog", d.arquivoLog);
    // Best of three rounds.
    f("FaltasRound", a.FaltasRound);
    if constexpr (std::is_const_v<D>) {
        const std::string feitos = TextoRounds(l.RoundsFeitos);
        f("RoundsFeitos", feitos);
    } else {
        f("RoundsFeitos", d.roundsFeitos);
    }
    for (size_t c = 1; c <= 2; ++c)
        for (size_t v = 1; v <= 5; ++v) f(kChavesValor[c - 1][v - 1], l.PontosPorValor[c][v]);
    f("TempoEsgotado", l.TempoEsgotado), f("Superioridade", l.Superioridade), f("RoundLogado", l.RoundLogado);
    // The referee's decision.
    f("DecisaoPedida", l.DecisaoPedida), f("VencedorArbitro", l.VencedorArbitro), f("MotivoArbitro", l.MotivoArbitro);
    // Video review.
    f("Pontos4", a.Pontos4), f("Pontos5", a.Pontos5), f("TempoGolden", a.TempoGolden);
    f("CartoesRevisao", a.CartoesRevisao), f("Cartoes_1", l.Cartoes[1]), f("Cartoes_2", l.Cartoes[2]);
    f("RevisaoPedida", l.RevisaoPedida);
    // The bout in the day's record.
    f("NumeroLuta", a.NumeroLuta), f("Categoria", a.Categoria), f("Evento", a.Evento), f("Quadra", a.Quadra);
    f("Arbitro", a.Arbitro), f("NomesJuizes", a.NomesJuizes);
}

// Values are one line each: backslash, tab, CR and LF are escaped.
std::string Escapa(std::string_view s) {
    std::string r;
    for (char c : s) {
        switch (c) {
            case '\\': r += "\\\\"; break;
            case '\t': r += "\\t"; break;
            case '\r': r += "\\r"; break;
            case '\n': r += "\\n"; break;
            default: r += c;
        }
    }
    return r;
}

bool Desescapa(std::string_view s, std::string& r) {
    r.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            r += s[i];
            continue;
        }
        if (++i == s.size()) return false;
        switch (s[i]) {
            case '\\': r += '\\'; break;
            case 't': r += '\t'; break;
            case 'r': r += '\r'; break;
            case 'n': r += '\n'; break;
            default: return false;
        }
    }
    return true;
}

template <typename T>
bool Numero(std::string_view s, T& v) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

// FNV-1a, 64 bits: catches a torn or hand-edited file, which is all it is for.
uint64_t Soma(std::string_view s) {
    uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ULL;
    return h;
}

std::string Hex(uint64_t v) {
    char b[20];
    std::snprintf(b, sizeof b, "%016" PRIx64, v);
    return b;
}

bool LeRounds(std::string_view s, std::vector<EstadoLuta::RoundFeito>& rounds) {
    rounds.clear();
    while (!s.empty()) {
        const size_t fim = std::min(s.find(';'), s.size());
        std::string_view r = s.substr(0, fim);
        s.remove_prefix(std::min(fim + 1, s.size()));
        EstadoLuta::RoundFeito f;
        int16_t* campos[] = {&f.vencedor, &f.como, &f.azul, &f.vermelho};
        for (int16_t* c : campos) {
            const size_t barra = std::min(r.find('/'), r.size());
            if (!Numero(r.substr(0, barra), *c)) return false;
            r.remove_prefix(std::min(barra + 1, r.size()));
        }
        if (!r.empty() || (f.vencedor != Azul && f.vencedor != Vermelho) || rounds.size() >= 100) return false;
        rounds.push_back(f);
    }
    return true;
}

// A log of this program's logs folder, named as the reset names them, and nothing else.
bool LogDaPasta(const std::string& caminho, const std::string& pastaLog) {
    return !pastaLog.empty() && caminho.starts_with(pastaLog) &&
           EhNomeDeLog(std::string_view(caminho).substr(pastaLog.size()));
}

// What a board can never hold.
bool Possivel(const Diario& d) {
    const Ajustes& a = d.ajustes;
    Ajustes saneado = a;
    Saneia(saneado);
    if (!(saneado == a) || a.Lingua < 0 || a.Lingua > 2 || a.Regra < 0 || a.Regra > regra::Wt2022 ||
        a.LimiteFaltas != 10 || a.Arbitros != 3 || a.ContaLutas < 0)
        return false;
    const EstadoLuta& l = d.luta;
    const auto tempoMax = std::max<int16_t>({a.Tempo, a.TempoInicial, a.TempoGolden, 60});
    // A rest typed as negative is no rest at all: the fight runs on, and is saved, without one.
    const auto intervaloMax = std::max<int16_t>(a.Intervalo, 0);
    if (l.Pausado != d.pausaLigada || l.ContaIntervalo < -1 || l.ContaIntervalo > intervaloMax || l.ContaMinuto < -1 ||
        l.ContaMinuto > 59 || l.RoundAtual < 1 || (l.EmGolden && l.RoundAtual <= a.Rounds) || l.TempoRestante < 0 ||
        l.TempoRestante > tempoMax || l.ResultadoLogado < 0 || l.ResultadoLogado > 3 || l.RoundLogado < 0 ||
        l.RoundLogado > 3 || l.Superioridade < 0 || l.Superioridade > 2 || l.VencedorArbitro < 0 ||
        l.VencedorArbitro > 2 || (l.VencedorArbitro != 0) != (l.MotivoArbitro != 0))
        return false;
    if (l.RevisaoPedida < 0 || l.RevisaoPedida > 2 || std::min(l.Cartoes[1], l.Cartoes[2]) < 0 ||
        std::max(l.Cartoes[1], l.Cartoes[2]) > 9)
        return false;
    for (int16_t motivo : {l.DecisaoPedida, l.MotivoArbitro})
        if (motivo != 0 && (motivo < txt::PorRsc || motivo > txt::PorSup)) return false;
    for (int c : {Azul, Vermelho})
        if (l.Faltas[static_cast<size_t>(c)] < 0 || l.Faltas[static_cast<size_t>(c)] > a.LimiteFaltas) return false;
    return true;
}

}  // namespace

namespace {
constexpr size_t kMaiorNumeroNoNome = 20;
bool SeguroNoNome(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
}
}  // namespace

std::string NomeDoLog(const Momento& m, const std::string& numeroLuta) {
    char nome[64];
    std::snprintf(nome, sizeof nome, "%04d-%02d-%02d_%02d-%02d-%02d", m.ano, m.mes, m.dia, m.hora, m.minuto, m.segundo);
    std::string r = nome;
    if (!numeroLuta.empty()) {
        r += "_luta-";
        for (size_t i = 0; i < numeroLuta.size() && i < kMaiorNumeroNoNome; ++i)
            r += SeguroNoNome(numeroLuta[i]) ? numeroLuta[i] : '-';
    }
    return r + ".txt";
}

bool EhNomeDeLog(std::string_view resto) {
    constexpr std::string_view kForma = "9999-99-99_99-99-99";
    if (resto.size() < kForma.size() + 4 || !resto.ends_with(".txt")) return false;
    for (size_t i = 0; i < kForma.size(); ++i)
        if (kForma[i] == '9' ? resto[i] < '0' || resto[i] > '9' : resto[i] != kForma[i]) return false;
    std::string_view numero = resto.substr(kForma.size(), resto.size() - kForma.size() - 4);
    if (numero.empty()) return true;
    if (!numero.starts_with("_luta-")) return false;
    numero.remove_prefix(6);
    return !numero.empty() && numero.size() <= kMaiorNumeroNoNome &&
           std::all_of(numero.begin(), numero.end(), SeguroNoNome);
}

std::string TextoDiario(const Diario& d) {
    std::string t = std::string(kCabeca) + std::to_string(kVersao) + "\n";
    Campos(d, [&t](const char* chave, const auto& v) {
        using T = std::decay_t<decltype(v)>;
        t += chave;
        t += '=';
        if constexpr (std::is_same_v<T, std::string>)
            t += Escapa(v);
        else if constexpr (std::is_same_v<T, bool>)
            t += v ? '1' : '0';
        else
            t += std::to_string(v);
        t += '\n';
    });
    char salvo[64];
    const Momento& m = d.salvo;
    std::snprintf(salvo, sizeof salvo, "Salvo=%04d-%02d-%02d %02d:%02d:%02d.%03d\n", m.ano, m.mes, m.dia, m.hora,
                  m.minuto, m.segundo, m.milissegundo);
    t += salvo;
    for (const auto& [arquivo, tamanho] : d.tamanhos)
        t += "Arquivo=" + Escapa(arquivo) + "\t" + std::to_string(tamanho) + "\n";
    for (const auto& p : d.pendentes) t += "Linha=" + Escapa(p.arquivo) + "\t" + Escapa(p.linha) + "\n";
    return FechaDiario(t);
}

std::string FechaDiario(const std::string& corpo) {
    const std::string soma = Hex(Soma(corpo));
    return corpo + "Fim=" + soma + "\n";
}

int LeDiario(const std::string& texto, const std::string& pastaLog, Diario& d) {
    d = Diario{};
    const std::string_view s = texto;
    if (!s.starts_with(kCabeca)) return txt::EstadoEstranho;
    const size_t fimCabeca = s.find('\n');
    if (fimCabeca == std::string_view::npos) return txt::EstadoCortado;
    if (s.substr(kCabeca.size(), fimCabeca - kCabeca.size()) != std::to_string(kVersao))
        return txt::EstadoDeOutraVersao;
    // The checksum line closes the file; without it, or with another sum, the file is torn or was edited.
    const size_t fim = s.rfind("Fim=");
    if (fim == std::string_view::npos || !s.ends_with('\n') || (fim > 0 && s[fim - 1] != '\n') ||
        s.substr(fim + 4, s.size() - fim - 5) != Hex(Soma(s.substr(0, fim))))
        return txt::EstadoCortado;

    std::map<std::string, std::string, std::less<>> valores;
    for (size_t i = fimCabeca + 1; i < fim;) {
        const size_t nl = s.find('\n', i);
        const std::string_view linha = s.substr(i, nl - i);
        i = nl + 1;
        const size_t igual = linha.find('=');
        if (igual == std::string_view::npos) return txt::EstadoEstranho;
        const std::string_view chave = linha.substr(0, igual), valor = linha.substr(igual + 1);
        if (chave == "Arquivo" || chave == "Linha") {
            const size_t tab = valor.find('\t');
            std::string a, b;
            if (tab == std::string_view::npos || !Desescapa(valor.substr(0, tab), a) ||
                !Desescapa(valor.substr(tab + 1), b) || !LogDaPasta(a, pastaLog))
                return txt::EstadoImpossivel;
            if (chave == "Linha") {
                d.pendentes.push_back({a, b});
                continue;
            }
            uint64_t tamanho = 0;
            if (!Numero(std::string_view(b), tamanho)) return txt::EstadoImpossivel;
            for (const auto& t : d.tamanhos)
                if (t.first == a) return txt::EstadoImpossivel;  // one size per file, or its lines would go twice
            d.tamanhos.emplace_back(a, tamanho);
            continue;
        }
        if (!valores.emplace(std::string(chave), std::string(valor)).second) return txt::EstadoEstranho;
    }
    // Every pending line belongs to a file whose size was taken, and every line is one line.
    for (const auto& p : d.pendentes) {
        bool conhecido = false;
        for (const auto& t : d.tamanhos) conhecido |= t.first == p.arquivo;
        if (!conhecido || !p.linha.ends_with("\r\n") || p.linha.find('\n') != p.linha.size() - 1)
            return txt::EstadoImpossivel;
    }

    // Saved before the regular-time score was kept: the golden round then showed none. Saved before best of three
    // rounds: none closed, nothing by value.
    valores.try_emplace("Regular_1", "0");
    valores.try_emplace("Regular_2", "0");
    for (size_t c = 0; c < 2; ++c)
        for (size_t v = 0; v < 5; ++v) {
            // Every point of such a fight counts as a punch, as the keys' points do.
            const auto pontos = valores.find(c == 0 ? "Pontos_1" : "Pontos_2");
            valores.try_emplace(kChavesValor[c][v], v == 0 && pontos != valores.end() ? pontos->second : "0");
        }
    valores.try_emplace("FaltasRound", "5");
    valores.try_emplace("RoundsFeitos", "");
    valores.try_emplace("TempoEsgotado", "0");
    valores.try_emplace("Superioridade", "0");
    valores.try_emplace("RoundLogado", "0");
    for (const char* chave : {"Pontos4", "Pontos5", "TempoGolden", "DecisaoPedida", "VencedorArbitro", "MotivoArbitro",
                              "CartoesRevisao", "Cartoes_1", "Cartoes_2", "RevisaoPedida"})
        valores.try_emplace(chave, "0");
    for (const char* chave : {"NumeroLuta", "Categoria", "Evento", "Quadra", "Arbitro", "NomesJuizes"})
        valores.try_emplace(chave, "");
    bool ok = true;
    size_t usados = 0;
    Campos(d, [&](const char* chave, auto& v) {
        using T = std::decay_t<decltype(v)>;
        const auto it = valores.find(chave);
        if (it == valores.end()) {
            ok = false;
            return;
        }
        ++usados;
        if constexpr (std::is_same_v<T, std::string>) {
            ok &= Desescapa(it->second, v);
        } else if constexpr (std::is_same_v<T, bool>) {
            ok &= it->second == "0" || it->second == "1";
            v = it->second == "1";
        } else {
            ok &= Numero(std::string_view(it->second), v);
        }
    });
    ok &= LeRounds(d.roundsFeitos, d.luta.RoundsFeitos);
    const auto salvo = valores.find("Salvo");
    Momento& m = d.salvo;
    if (!ok || salvo == valores.end() || usados + 1 != valores.size() ||
        std::sscanf(salvo->second.c_str(), "%d-%d-%d %d:%d:%d.%d", &m.ano, &m.mes, &m.dia, &m.hora, &m.minuto,
                    &m.segundo, &m.milissegundo) != 7)
        return txt::EstadoEstranho;
    if (!Possivel(d) || !LogDaPasta(d.arquivoLog, pastaLog)) return txt::EstadoImpossivel;
    return 0;
}

bool LogPassouDe(const Diario& d) {
    for (const auto& [arquivo, antes] : d.tamanhos) {
        if (arquivo != d.arquivoLog) continue;
        uint64_t conhecido = antes;
        for (const auto& p : d.pendentes) conhecido += p.arquivo == arquivo ? p.linha.size() : 0;
        std::error_code ec;
        const uintmax_t tamanho = std::filesystem::file_size(arquivo, ec);
        return !ec && tamanho > conhecido;
    }
    return false;
}

std::vector<LinhaPendente> CompletaLog(const Diario& d) {
    std::vector<LinhaPendente> recusadas;
    for (const auto& [arquivo, antes] : d.tamanhos) {
        std::string presente = LeArquivo(arquivo, size_t{64} << 20);
        presente.erase(0, std::min<size_t>(presente.size(), antes));
        // The pending lines already at their place, from the first on, were written before the stop.
        size_t feito = 0;
        for (const auto& p : d.pendentes) {
            if (p.arquivo != arquivo) continue;
            if (feito != std::string::npos && presente.size() >= feito + p.linha.size() &&
                presente.compare(feito, p.linha.size(), p.linha) == 0) {
                feito += p.linha.size();
                continue;
            }
            feito = std::string::npos;
            if (!recusadas.empty() || EscreveLinhas(arquivo, {p.linha}) != 1) recusadas.push_back(p);
        }
    }
    return recusadas;
}

}  // namespace vantor
