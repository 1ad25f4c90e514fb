// Reading a fight log back. Every line must be one this program writes, in one language per fight; the score is
// replayed from the lines that change it with the same steps and bounds as the board, so the sheet can only show
// what the board showed.
#include "log/leitura.h"

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "lang/idioma.h"
#include "log/diario.h"
#include "luta/satura.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"

namespace vantor {

namespace {

using Trecho = std::string_view;

bool Tira(Trecho& s, Trecho prefixo) {
    if (!s.starts_with(prefixo)) return false;
    s.remove_prefix(prefixo.size());
    return true;
}

bool TiraFim(Trecho& s, Trecho sufixo) {
    if (!s.ends_with(sufixo)) return false;
    s.remove_suffix(sufixo.size());
    return true;
}

// An integer with an optional minus sign, as the log writes them.
bool TiraInteiro(Trecho& s, int& v) {
    size_t i = s.starts_with('-') ? 1 : 0;
    const size_t d = i;
    long r = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - d < 9) r = r * 10 + (s[i++] - '0');
    if (i == d) return false;
    v = static_cast<int>(d ? -r : r);
    s.remove_prefix(i);
    return true;
}

// Decodes one UTF-8 code point; -1 for a malformed sequence.
long CodePoint(Trecho s, size_t& i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    const int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + static_cast<size_t>(n) >= s.size() + (n ? 0 : 1)) return -1;
    long cp = n == 0 ? c : c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) {
        if ((b(i + k) >> 6) != 2) return -1;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    const long menor[] = {0, 0x80, 0x800, 0x10000};
    if (cp < menor[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    i += static_cast<size_t>(n) + 1;
    return cp;
}

// The value of a decimal digit in the scripts whose locales write their own digits; -1 for anything else.
int Digito(long cp) {
    static const long zeros[] = {0x30,  0x660, 0x6F0, 0x7C0, 0x966, 0x9E6,  0xA66,  0xAE6,  0xB66,  0xBE6, 0xC66,
                                 0xCE6, 0xD66, 0xE50, 0xED0, 0xF20, 0x1040, 0x1090, 0x17E0, 0x1810, 0xFF10};
    for (long z : zeros)
        if (cp >= z && cp < z + 10) return static_cast<int>(cp - z);
    return -1;
}

}  // namespace

// Seconds into the day of a time stamp: whatever the locale's order and words, its last four numbers are the hour,
// minutes, seconds and hundredths. -1 when they are not there. A twelve-hour clock's afternoon reads as the
// morning: only differences are used, and they are taken modulo twelve hours.
double SegundosDoCarimbo(Trecho carimbo) {
    std::vector<int> numeros;
    bool dentro = false;
    for (size_t i = 0; i < carimbo.size();) {
        const long cp = CodePoint(carimbo, i);
        if (cp < 0) return -1;
        const int d = Digito(cp);
        if (d >= 0 && dentro && numeros.back() < 10000) numeros.back() = numeros.back() * 10 + d;
        if (d >= 0 && !dentro) numeros.push_back(d);
        dentro = d >= 0;
    }
    if (numeros.size() < 4) return -1;
    const int h = numeros[numeros.size() - 4], m = numeros[numeros.size() - 3];
    const int s = numeros[numeros.size() - 2], c = numeros.back();
    if (h > 23 || m > 59 || s > 60 || c > 99) return -1;
    return h * 3600.0 + m * 60 + s + c / 100.0;
}

namespace {

bool Utf8Valido(Trecho s) {
    for (size_t i = 0; i < s.size();)
        if (CodePoint(s, i) <= 0) return false;  // a NUL is no text either
    return true;
}

// One line understood in one language.
struct Linha {
    enum Tipo {
        Desconhecida,
        Zerada,  // a reset: a fight ends here
        Neutra,  // settings and button lines, written between fights in any language
        Regras,
        Identidade,  // the bout's number, category, event, ring, referee and judges
        Inicio,
        Evento,  // anything else with the clock's prefix
        FimRound,
        FimIntervalo,
        FimMinuto,
        Minuto,
        PausaLigada,
        PausaDesligada,
        Golden,
        Empate,
        Venceu,
        Ponto,
        Falta,
        Acordo,
        Aperto,
        Continuada,      // the fight taken back after an interruption
        RoundGanho,      // best of three: a round's decision
        InicioRound,     // best of three: the next round begins from nothing
        Decisao,         // the referee's: `valor` is its reason's language entry
        Revisao,         // a video review asked for, upheld or rejected
        RoundCorrigido,  // best of three: `valor` is the closed round given to `cor` at the table
    };
    Tipo tipo = Desconhecida;
    int round = 0, restante = -1;
    Trecho resto;  // the text after the clock's prefix
    int cor = 0, valor = 0;
    bool meia = false;  // a half penalty step
    std::string como;   // how a round was won, as written
    // The start line's and the rules line's fields.
    std::array<std::string, 3> nome, l2;
    int rounds = 0, tempo = 0, intervalo = 0, arbitros = 0, regra = 0, limite = 0, diferenca = 0;
    int faltasRound = 0;
    std::array<std::string, 6> identidade;  // as `kRotulosIdentidade` name them
};

// The bout's line after the start line: its labels in order, each after a tab.
constexpr std::array<const char*, 6> kRotulosIdentidade{
    "Número: ", "Categoria: ", "Evento: ", "Quadra: ", "Árbitro: ", "Juízes: "};

class Leitor {
public:
    explicit Leitor(int lingua) : l_(lingua) { tabela_.Carrega(); }

    Linha Le(Trecho texto) const {
        Linha r;
        if (texto == "Luta zerada" || texto == T(txt::LutaZerada)) return Com(r, Linha::Zerada);
        if (texto.starts_with("Configura\t") || texto == T(txt::BotoesConfigurados) ||
            texto.starts_with(T(txt::EstadoIgnorado) + ": ") || texto.starts_with(T(txt::LinhasPerdidas) + ": "))
            return Com(r, Linha::Neutra);
        if (texto.starts_with("Regras\t")) return LeRegras(texto, r);
        if (texto.starts_with("Luta\t")) return LeIdentidade(texto.substr(5), r);
        if (texto == T(txt::EntrouNoGolden) + ".") return Com(r, Linha::Golden);
        if (texto == T(txt::Empate) + ".") return Com(r, Linha::Empate);
        Trecho s = texto;
        if (Tira(s, T(txt::InicioDaLuta) + ": ")) return LeInicio(s, r);
        if (!Tira(s, T(txt::Round) + " ") || !TiraInteiro(s, r.round) || !Tira(s, ", ")) return r;
        if (s == T(txt::FimDo) + " " + T(txt::Round)) return Com(r, Linha::FimRound);
        if (!Tira(s, T(txt::Faltando) + " ") || !TiraInteiro(s, r.restante) || !Tira(s, "s, ")) return r;
        r.resto = s;
        return LeEvento(s, r);
    }

    std::string T(int entrada) const { return tabela_.Traduz(entrada, l_); }

private:
    static Linha Com(Linha r, Linha::Tipo t) {
        r.tipo = t;
        return r;
    }

    // "Azul" or "Vermelho" (in this language) and then `depois`.
    bool TiraCor(Trecho& s, Trecho depois, int& cor) const {
        for (int c : {Azul, Vermelho}) {
            Trecho t = s;
            if (Tira(t, T(c)) && Tira(t, depois)) {
                cor = c, s = t;
                return true;
            }
        }
        return false;
    }

    Linha LeEvento(Trecho s, Linha& r) const {
        const std::string pontos = T(txt::Pontos), falta = T(txt::Falta);
        if (s == T(txt::FimDo) + " " + T(txt::Intervalo)) return Com(r, Linha::FimIntervalo);
        if (s == T(txt::FimDo) + " " + T(txt::UmMinuto)) return Com(r, Linha::FimMinuto);
        if (s == T(txt::UmMinuto)) return Com(r, Linha::Minuto);
        if (s == T(txt::PausaDesligada) + ".") return Com(r, Linha::PausaDesligada);
        if (Tira(s, T(txt::PausaLigada) + ". - ")) return Com(r, Linha::PausaLigada);
        if (Tira(s, T(txt::LutaContinuada) + " ")) return Com(r, Linha::Continuada);
        if (Tira(s, T(txt::Venceu) + ":") && TiraCor(s, ".", r.cor)) return Com(r, Linha::Venceu);
        s = r.resto;
        if (Tira(s, T(txt::DecisaoDoArbitro) + ": "))
            for (int motivo = txt::PorRsc; motivo <= txt::PorSup; ++motivo) {
                Trecho m = s;
                if (Tira(m, T(motivo) + "\t") && TiraCor(m, "\t", r.cor)) {
                    r.valor = motivo;
                    return Com(r, Linha::Decisao);
                }
            }
        for (int revisao : {txt::RevisaoPedida, txt::RevisaoProcedente, txt::RevisaoImprocedente}) {
            s = r.resto;
            if (Tira(s, T(revisao) + ": ") && TiraCor(s, " (", r.cor)) return Com(r, Linha::Revisao);
        }
        s = r.resto;
        if (Tira(s, T(txt::RoundCorrigido) + " ") && TiraInteiro(s, r.valor) && Tira(s, ":") &&
            TiraCor(s, ".", r.cor)) {
            r.como = T(txt::PorCorrecao);
            return Com(r, Linha::RoundCorrigido);
        }
        s = r.resto;
        if (s == T(txt::InicioDoRound) + ".") return Com(r, Linha::InicioRound);
        // "Round ganho:Azul.Name (how)": the name may hold anything, so how is read from the right.
        if (Tira(s, T(txt::RoundGanho) + ":") && TiraCor(s, ".", r.cor) && s.ends_with(')')) {
            const size_t abre = s.rfind(" (");
            if (abre == Trecho::npos) return r;
            r.como = std::string(s.substr(abre + 2, s.size() - abre - 3));
            return Com(r, Linha::RoundGanho);
        }
        s = r.resto;
        if (Tira(s, T(txt::BotaoApertado) + ":\t") && TiraInteiro(s, r.valor) && Tira(s, "\t"))
            return Com(r, Linha::Aperto);
        s = r.resto;
        if (Tira(s, pontos + ": \t") && TiraCor(s, "\t", r.cor) && TiraInteiro(s, r.valor) && Tira(s, "\t"))
            return Com(r, Linha::Acordo);
        s = r.resto;
        const bool mais = s.starts_with('+');
        if (!Tira(s, "+1") && !Tira(s, "-1")) return r;
        r.meia = Tira(s, "/2");
        r.valor = mais ? 1 : -1;
        const bool ponto = !r.meia && Tira(s, " " + pontos + " ");
        if (!ponto && !Tira(s, " " + falta + " ")) return r;
        if (!TiraCor(s, " (", r.cor) || !s.ends_with(')')) return r;
        return Com(r, ponto ? Linha::Ponto : Linha::Falta);
    }

    Linha LeInicio(Trecho s, Linha& r) const {
        // Names may hold anything, so the fixed words are found from the right.
        const std::string meio = "(" + T(Azul) + ") X ", fimNomes = "(" + T(Vermelho) + "). ";
        const size_t fim = s.rfind(fimNomes);
        if (fim == Trecho::npos) return r;
        Trecho nomes = s.substr(0, fim), m = s.substr(fim + fimNomes.size());
        const size_t x = nomes.find(meio);
        if (x == Trecho::npos) return r;
        r.nome[Azul] = nomes.substr(0, x);
        r.nome[Vermelho] = nomes.substr(x + meio.size());
        int min = 0, seg = 0;
        if (!TiraInteiro(m, r.rounds) || !Tira(m, " " + T(txt::RoundsDe) + " ") || !TiraInteiro(m, min) ||
            !Tira(m, ":") || !TiraInteiro(m, seg) || !Tira(m, ". " + T(txt::Intervalo) + ": ") ||
            !TiraInteiro(m, r.intervalo) || !Tira(m, ". " + T(txt::Arbitros) + ": ") || !TiraInteiro(m, r.arbitros) ||
            !Tira(m, ". "))
            return r;
        r.tempo = min * 60 + (min < 0 ? -seg : seg);
        // The clock's prefix closes the line.
        if (!Tira(m, T(txt::Round) + " ") || !TiraInteiro(m, r.round) || !Tira(m, ", ") ||
            !Tira(m, T(txt::Faltando) + " ") || !TiraInteiro(m, r.restante) || m != "s, ")
            return r;
        return Com(r, Linha::Inicio);
    }

    static Linha LeIdentidade(Trecho s, Linha& r) {
        for (size_t i = 0; i < kRotulosIdentidade.size(); ++i) {
            if (i > 0 && !Tira(s, "\t")) return r;
            if (!Tira(s, kRotulosIdentidade[i])) return r;
            const size_t tab = s.find('\t');
            r.identidade[i] = std::string(s.substr(0, tab));
            s = tab == Trecho::npos ? Trecho() : s.substr(tab);
        }
        return s.empty() ? Com(r, Linha::Identidade) : r;
    }

    static Linha LeRegras(Trecho s, Linha& r) {
        // Best of three adds the penalties that lose a round at the end.
        const size_t faltas = s.rfind("\tFaltas por round: ");
        if (faltas != Trecho::npos) {
            Trecho f = s.substr(faltas + 19);
            if (!TiraInteiro(f, r.faltasRound) || !f.empty()) return r;
            s = s.substr(0, faltas);
        }
        const size_t azul = s.find("\tL2 Azul: "), vermelho = s.rfind("\tL2 Vermelho: ");
        if (azul == Trecho::npos || vermelho == Trecho::npos || vermelho < azul) return r;
        r.l2[Azul] = s.substr(azul + 10, vermelho - azul - 10);
        r.l2[Vermelho] = s.substr(vermelho + 14);
        s = s.substr(0, azul);
        if (!Tira(s, "Regras\tRegra: ") || !TiraInteiro(s, r.regra) || !Tira(s, "\tLimite: ") ||
            !TiraInteiro(s, r.limite) || !Tira(s, "\tDiferença: ") || !TiraInteiro(s, r.diferenca) || !s.empty())
            return r;
        return Com(r, Linha::Regras);
    }

    int l_;
    TabelaIdioma tabela_;
};

// The board's score, replayed step by step with its own bounds.
struct Placar {
    std::array<int16_t, 3> pontos{}, faltas{};
    std::array<bool, 3> meia{};

    void Falta(int c, bool mais, bool meioPasso) {
        PassoDeFalta(faltas[static_cast<size_t>(c)], meia[static_cast<size_t>(c)], mais, meioPasso, 10);
    }
    std::array<long, 3> Mostrado() const {
        return {0, long{pontos[Azul]} + faltas[Vermelho], long{pontos[Vermelho]} + faltas[Azul]};
    }
};

// A tab, and the blanks around it, become one blank.
std::string SemTabs(Trecho s) {
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\t') {
            r += s[i];
            continue;
        }
        while (!r.empty() && r.back() == ' ') r.pop_back();
        while (i + 1 < s.size() && (s[i + 1] == ' ' || s[i + 1] == '\t')) ++i;
        r += ' ';
    }
    return r;
}

// Follows one fight's lines: its score, its stretches of time and its result.
class Montador {
public:
    Montador(LutaLog& luta, const Linha& inicio) : l_(luta) {
        l_.nome = inicio.nome;
        l_.rounds = inicio.rounds, l_.tempo = inicio.tempo, l_.intervalo = inicio.intervalo;
        l_.arbitros = inicio.arbitros;
        round_ = inicio.round;
    }

    void Poe(const Linha& ln, Trecho texto, double t) {
        EventoLog e;
        e.t = t, e.round = ln.round ? ln.round : round_, e.restante = ln.restante;
        e.texto = SemTabs(ln.resto.data() ? ln.resto : texto);
        const bool iniciada = t >= 0 && !l_.trechos.empty();
        const bool muda = ln.tipo == Linha::Ponto || ln.tipo == Linha::Falta || ln.tipo == Linha::Acordo ||
                          ln.tipo == Linha::Golden || ln.tipo == Linha::RoundCorrigido;
        if (muda && l_.vencedor) l_.placarMudou = true;
        if (ln.round && ln.tipo != Linha::FimRound) round_ = ln.round;
        switch (ln.tipo) {
            case Linha::Regras:
                l_.temRegras = true, l_.regra = ln.regra, l_.limite = ln.limite, l_.diferenca = ln.diferenca;
                l_.faltasRound = ln.faltasRound;
                l_.l2 = ln.l2;
                return;  // the header shows it
            case Linha::Identidade:
                l_.numero = ln.identidade[0], l_.categoria = ln.identidade[1], l_.evento = ln.identidade[2];
                l_.quadra = ln.identidade[3], l_.arbitro = ln.identidade[4], l_.juizes = ln.identidade[5];
                return;
            case Linha::Inicio: Abre(t, TrechoLog::Round); break;
            case Linha::Ponto:
            case Linha::Acordo: {
                e.tipo = ln.tipo == Linha::Ponto ? EventoLog::Ponto : EventoLog::Acordo;
                int16_t& pontos = placar_.pontos[static_cast<size_t>(ln.cor)];
                pontos = SomaSatura(pontos, ln.valor);
                break;
            }
            case Linha::Falta:
                e.tipo = EventoLog::Falta;
                placar_.Falta(ln.cor, ln.valor > 0, ln.meia);
                break;
            case Linha::Aperto: e.tipo = EventoLog::Aperto; break;
            case Linha::RoundGanho: {
                // A round decided again while it was current replaces its decision.
                if (!l_.roundsLidos.empty() && l_.roundsLidos.back().round == e.round) l_.roundsLidos.pop_back();
                l_.roundsLidos.push_back({e.round, ln.cor, ln.como, placar_.Mostrado()});
                break;
            }
            case Linha::InicioRound: placar_ = {}; break;
            case Linha::RoundCorrigido:
                for (RoundLog& r : l_.roundsLidos)
                    if (r.round == ln.valor) r.vencedor = ln.cor, r.como = ln.como;
                break;
            case Linha::Decisao: decisao_ = ln.valor; break;
            case Linha::Golden:
                placar_ = {};
                emGolden_ = true;
                if (iniciada) Abre(t, TrechoLog::Golden);  // a fight set to start there enters it at its start
                break;
            case Linha::FimRound:
                // Older logs named the round that followed; the one that ended is the one that was running.
                e.round = round_;
                ++round_;
                if (iniciada && l_.intervalo >= 0) Abre(t, TrechoLog::Intervalo);
                break;
            case Linha::FimIntervalo:
            case Linha::PausaLigada:
            case Linha::Continuada:  // the time the program was down is no fight time
                if (iniciada) Abre(t, TrechoLog::Pausa);
                break;
            case Linha::PausaDesligada:
            case Linha::FimMinuto:
                if (iniciada) Abre(t, emGolden_ ? TrechoLog::Golden : TrechoLog::Round);
                break;
            case Linha::Minuto:
                if (iniciada) Abre(t, TrechoLog::Minuto);
                break;
            case Linha::Venceu:
            case Linha::Empate:
                e.tipo = EventoLog::Resultado;
                l_.vencedor = ln.tipo == Linha::Empate ? 3 : ln.cor;
                l_.placarMudou = false;
                l_.roundResultado = e.round, l_.restanteResultado = ln.restante;
                l_.como = Como(e.round);
                break;
            default: break;
        }
        e.placar = placar_.Mostrado();
        l_.eventos.push_back(std::move(e));
        l_.fim = std::max(l_.fim, t);
    }

    void Fecha() {
        if (!l_.trechos.empty()) l_.trechos.back().ate = l_.fim;
    }

private:
    void Abre(double t, TrechoLog::Faixa f) {
        if (!l_.trechos.empty()) {
            if (l_.trechos.back().faixa == f) return;
            l_.trechos.back().ate = t;
        }
        l_.trechos.push_back({t, t, f, round_});
    }

    // How the result came, as far as the score and the round can tell.
    int Como(int round) const {
        if (l_.vencedor == 3) return 0;
        if (decisao_ != 0) return decisao_;
        if (l_.temRegras && l_.regra == regra::Wt2022) return txt::PorRounds;
        const auto s = placar_.Mostrado();
        const auto v = static_cast<size_t>(l_.vencedor), o = static_cast<size_t>(Oponente(l_.vencedor));
        if (round > l_.rounds) return round == l_.rounds + 1 && emGolden_ ? txt::NoGolden : txt::PorPontos;
        if (placar_.faltas[o] >= 10) return txt::PorFaltas;
        if (!l_.temRegras) return 0;
        if (l_.regra == regra::LimiteDiferenca && s[v] - s[o] < l_.diferenca) return txt::PorLimite;
        return txt::PorDiferenca;
    }

    LutaLog& l_;
    Placar placar_;
    int round_ = 0;
    bool emGolden_ = false;
    int decisao_ = 0;  // the referee's decision's reason, once logged
};

struct LinhaCrua {
    Trecho carimbo, texto;
    double segundos = 0;
    int numero = 0;
};

LeituraLog Erro(int erro, int linha = 0, int lingua = -1) {
    LeituraLog r;
    r.erro = erro, r.linha = linha, r.lingua = lingua;
    return r;
}

// The languages a line can be read in, as a mask of bits 1 << lingua.
int Linguas(const Leitor (&leitores)[3], Trecho texto, Linha* lida = nullptr) {
    int mascara = 0;
    for (int l = 2; l >= 0; --l) {
        Linha ln = leitores[l].Le(texto);
        if (ln.tipo == Linha::Desconhecida) continue;
        mascara |= 1 << l;
        if (lida) *lida = std::move(ln);
    }
    return mascara;
}

}  // namespace

std::string HoraDoCarimbo(const std::string& carimbo) {
    // Where each number starts and ends; the last four are the hour, minutes, seconds and hundredths.
    std::vector<std::pair<size_t, size_t>> numeros;
    bool dentro = false;
    for (size_t i = 0; i < carimbo.size();) {
        const size_t antes = i;
        const long cp = CodePoint(carimbo, i);
        if (cp < 0) return "";
        const bool digito = Digito(cp) >= 0;
        if (digito && !dentro) numeros.emplace_back(antes, i);
        if (digito) numeros.back().second = i;
        dentro = digito;
    }
    if (numeros.size() < 4) return "";
    const auto hora = numeros[numeros.size() - 4], segundos = numeros[numeros.size() - 2], centesimos = numeros.back();
    std::string r = carimbo.substr(hora.first, segundos.second - hora.first) + carimbo.substr(centesimos.second);
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

LeituraLog LeLog(const std::string& conteudo) {
    if (conteudo.find_first_not_of(" \t\r\n") == std::string::npos) return Erro(txt::LogVazio);
    if (!Utf8Valido(conteudo)) return Erro(txt::LogEstranho);
    std::vector<LinhaCrua> linhas;
    for (size_t i = 0, n = 1; i < conteudo.size(); ++n) {
        const size_t fim = conteudo.find('\n', i);
        if (fim == std::string::npos) return Erro(txt::LogCortado, static_cast<int>(n));
        Trecho s(conteudo.data() + i, fim - i);
        i = fim + 1;
        TiraFim(s, "\r");
        const size_t tab = s.find('\t');
        LinhaCrua l{s.substr(0, tab), tab == Trecho::npos ? Trecho() : s.substr(tab + 1), 0, static_cast<int>(n)};
        l.segundos = tab == Trecho::npos ? -1 : SegundosDoCarimbo(l.carimbo);
        if (l.segundos < 0) return Erro(txt::LogEstranho, l.numero);
        linhas.push_back(l);
    }

    static const Leitor leitores[3] = {Leitor(0), Leitor(1), Leitor(2)};
    LeituraLog r;
    // One fight per stretch between resets; it speaks one language, save the settings' lines after its end.
    for (size_t a = 0; a < linhas.size();) {
        size_t b = a;
        int mascara = 7;
        bool depoisConfig = false;
        for (; b < linhas.size(); ++b) {
            Linha ln;
            const int m = Linguas(leitores, linhas[b].texto, &ln);
            if (m == 0) return Erro(txt::LogEstranho, linhas[b].numero, r.lingua);
            if (ln.tipo == Linha::Zerada) break;
            depoisConfig |= linhas[b].texto.starts_with("Configura\t");
            if (depoisConfig) continue;
            if ((mascara & m) == 0) return Erro(txt::LogMisturado, linhas[b].numero, r.lingua);
            mascara &= m;
            if (mascara != 7 && r.lingua < 0) r.lingua = mascara & 1 ? 0 : mascara & 2 ? 1 : 2;
        }
        const int lingua = mascara & 1 ? 0 : mascara & 2 ? 1 : 2;
        const Leitor& leitor = leitores[lingua];
        LutaLog luta;
        luta.lingua = lingua;
        std::optional<Montador> montador;
        double ultimo = 0, decorrido = 0;
        // Time runs on from line to line; a step back is a new day or, on a twelve-hour clock, a new half.
        const auto passo = [](double de, double ate) { return std::fmod(ate - de + 86400.0, 43200.0); };
        for (size_t k = a; k < b; ++k) {
            Linha ln = leitor.Le(linhas[k].texto);
            if (ln.tipo == Linha::Desconhecida) ln.tipo = Linha::Neutra;  // a settings' line in another language
            if (ln.tipo == Linha::Inicio) {
                if (montador) return Erro(txt::LogEstranho, linhas[k].numero, lingua);
                luta.inicio = std::string(linhas[k].carimbo);
                luta.roundInicial = ln.round, luta.tempoInicial = ln.restante;
                montador.emplace(luta, ln);
                ultimo = linhas[k].segundos, decorrido = 0;
                // The lines before the start count back from it.
                for (size_t j = a; j < k; ++j)
                    montador->Poe(leitor.Le(linhas[j].texto), linhas[j].texto, -passo(linhas[j].segundos, ultimo));
            }
            if (!montador) continue;
            decorrido += passo(ultimo, linhas[k].segundos);
            ultimo = linhas[k].segundos;
            if (ln.tipo == Linha::Venceu || ln.tipo == Linha::Empate)
                luta.fimResultado = std::string(linhas[k].carimbo);
            montador->Poe(ln, linhas[k].texto, decorrido);
        }
        if (montador) {
            montador->Fecha();
            r.lutas.push_back(std::move(luta));
        }
        a = b + 1;
    }
    if (r.lutas.empty()) return Erro(txt::LutaNaoComecou, 0, r.lingua);
    r.lingua = r.lutas.back().lingua;
    return r;
}

bool LinhaDeResultado(const std::string& linha) {
    static const Leitor leitores[3] = {Leitor(0), Leitor(1), Leitor(2)};
    Trecho s = linha;
    TiraFim(s, "\n"), TiraFim(s, "\r");
    const size_t tab = s.find('\t');
    if (tab == Trecho::npos) return false;
    for (const Leitor& l : leitores) {
        const Linha ln = l.Le(s.substr(tab + 1));
        if (ln.tipo == Linha::Venceu || ln.tipo == Linha::Empate) return true;
    }
    return false;
}

int NumeroDaLuta(const std::string& caminho) {
    const size_t barra = caminho.rfind('/');
    const std::string pasta = barra == std::string::npos ? "." : caminho.substr(0, barra);
    const std::string nome = caminho.substr(barra == std::string::npos ? 0 : barra + 1);
    // LOG_2026-12-06_14-03-27.txt, or with its bout: LOG_2026-12-06_14-03-27_luta-12.txt
    if (!nome.starts_with("LOG_") || !EhNomeDeLog(std::string_view(nome).substr(4))) return 0;
    const std::string dia = nome.substr(0, 14);
    std::vector<std::string> doDia;
    if (DIR* d = ::opendir(pasta.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const std::string n = e->d_name;
            if (n.starts_with(dia) && EhNomeDeLog(std::string_view(n).substr(4)) && n <= nome) doDia.push_back(n);
        }
        ::closedir(d);
    }
    // A fight counts once started, whether or not its log reads back whole: it was fought.
    TabelaIdioma t;
    t.Carrega();
    const std::string inicios[] = {t.Traduz(txt::InicioDaLuta, 0) + ": ", t.Traduz(txt::InicioDaLuta, 1) + ": ",
                                   t.Traduz(txt::InicioDaLuta, 2) + ": "};
    int numero = 0;
    for (const std::string& n : doDia) {
        const std::string texto = LeArquivo(Junta(pasta, n), size_t{64} << 20);
        for (size_t i = 0; i < texto.size();) {
            const size_t fim = std::min(texto.find('\n', i), texto.size());
            const Trecho linha(texto.data() + i, fim - i);
            const size_t tab = linha.find('\t');
            for (const std::string& inicio : inicios)
                numero += tab != Trecho::npos && linha.substr(tab + 1).starts_with(inicio);
            i = fim + 1;
        }
    }
    return numero;
}

}  // namespace vantor
