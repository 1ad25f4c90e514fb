#include "entradas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include <SDL.h>
#include <malloc.h>
#include <unistd.h>

#include "app/vantor.h"
#include "controllers/entradas.h"
#include "controllers/juizes.h"
#include "fake_plataforma.h"
#include "log/diario.h"
#include "log/leitura.h"
#include "luta/regras.h"
#include "luta/satura.h"
#include "platform/som_sdl.h"
#include "settings/arquivos.h"
#include "settings/configuracao.h"
#include "settings/csv.h"
#include "settings/lutas.h"

namespace vantor::fuzz {

namespace {

// The board's controls by name, each with how many there are, in the operator's painting order (topmost last), as a
// click can land on them.
const std::vector<std::string>& ControlesDoPlacar() {
    static const std::vector<std::string> nomes = [] {
        std::istringstream in(
            "L_Pontos 2 L_Nome 2 K_FAMais 1 K_FAMenos 1 K_FVMais 1 K_FVMenos 1 S_Round 1 L_Round 1 "
            "L_RoundTitulo 1 S_Falta 20 L_Valor 6 L_Versao 1 M_Falta 1 M_FaltaAzul 1 M_FaltaVermelho 1 M_Ponto 1 "
            "M_PontoAzul 1 M_PontoVermelho 1 M_Minuto 1 M_Sumula 1 M_Config 1 L_Aviso 1 L_Config 1 L_Golden 1 "
            "L_AvisoLog 1 L_Regular 2 L_Tempo 1 L_Msg 1 L_MsgPlateia 1 L_Minuto 1 L_MinutoTitulo 1 L_Plateia 1 "
            "K_Amais 1 K_Amenos 1 K_VMais 1 K_Vmenos 1 S_Botao 18");
        std::vector<std::string> n;
        std::string nome;
        for (size_t quantos = 0; in >> nome >> quantos;) n.insert(n.end(), quantos, nome);
        return n;
    }();
    return nomes;
}

// Reads the input front to back, a byte at a time; zeros past its end.
class Leitor {
public:
    Leitor(const uint8_t* dados, size_t tamanho) : p_(dados), fim_(dados + tamanho) {}
    uint8_t Byte() { return p_ < fim_ ? *p_++ : 0; }
    bool Fim() const { return p_ >= fim_; }

private:
    const uint8_t* p_;
    const uint8_t* fim_;
};

}  // namespace

// SDL's allocations get fresh memory filled with a byte that changes between the two decodings below, so a
// decoding that hands back memory it never wrote differs every time, not only when the heap happens to differ.
unsigned char gEnchimento = 0;
void* Enche(void* p, size_t de, size_t ate) {
    if (p && ate > de) std::memset(static_cast<char*>(p) + de, gEnchimento, ate - de);
    return p;
}
void* Aloca(size_t n) { return Enche(std::malloc(n), 0, n); }
void* Realoca(void* p, size_t n) {
    const size_t antes = p ? malloc_usable_size(p) : 0;
    return Enche(std::realloc(p, n), antes, n);
}
void* Zera(size_t n, size_t tamanho) { return std::calloc(n, tamanho); }
void Libera(void* p) { std::free(p); }  // libc's, like SDL's own: blocks from before the swap free the same way

std::string Wav(const uint8_t* dados, size_t tamanho) {
    static const bool trocado = SDL_SetMemoryFunctions(Aloca, Zera, Realoca, Libera) == 0;
    if (!trocado) return "SDL kept its allocator";
    gEnchimento = 0x00;
    const std::vector<int16_t> amostras = DecodificaWav(dados, tamanho);
    if (amostras.size() % SomSDL::kCanais != 0) return "a torn frame";
    // A minute at the device's rate, and a little for the resampler's tail.
    if (amostras.size() > size_t(SomSDL::kMaiorDuracao + 1) * SomSDL::kTaxa * SomSDL::kCanais) return "over a minute";
    gEnchimento = 0xA5;
    if (DecodificaWav(dados, tamanho) != amostras) return "two decodings differ";
    return "";
}

// A session of random events (keys, Alt+F4 too, clicks anywhere, polls, a window's end, ticks) on settings as the
// dialog gives them, against the rules that hold at every moment, each state saved readable as a saved fight. The
// logs go to a folder of this process's own, emptied after each run.
namespace {
uint32_t fases = 0;  // bit k: a saved state held combination k
}  // namespace

uint32_t FasesDaUltimaSessao() { return fases; }

std::string Sessao(const uint8_t* dados, size_t tamanho) {
    fases = 0;
    static const struct Pasta {
        // In memory where the system has it: every event saves the fight with a synced write.
        std::string p = ((::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path()) /
                         "vantor-sessao-XXXXXX")
                            .string();
        Pasta() { p = ::mkdtemp(p.data()) ? p + "/" : "/dev/null/"; }  // no folder: the logs fail, the checks run
        ~Pasta() {
            std::error_code ec;
            if (p != "/dev/null/") std::filesystem::remove_all(p, ec);
        }
    } guarda;
    const std::string& pasta = guarda.p;
    Leitor l(dados, tamanho);
    const auto n = [&l](int de, int ate) { return static_cast<int16_t>(de + l.Byte() % (ate - de + 1)); };
    teste::FakePlataforma plat;
    plat.temp = plat.pastaPrograma = pasta;
    plat.numSlots = 2;
    Vantor v(plat);
    v.Form_Load();
    // Short rounds, so that many rounds, rests and golden rounds pass; now and then one over a minute.
    Ajustes ajustes = v.Config();
    ajustes.Rounds = n(1, 3), ajustes.Tempo = n(0, 15) == 15 ? n(61, 80) : n(2, 12), ajustes.Intervalo = n(1, 6);
    ajustes.Regra = n(0, 2), ajustes.Limite = n(5, 30), ajustes.Diferenca = n(2, 12);
    // A third of the sessions whose rules leave the limit out are best of three instead, by the limit.
    if (ajustes.Regra != regra::LimiteDiferenca && ajustes.Limite >= 16 && ajustes.Limite <= 24)
        ajustes.Regra = regra::Wt2022;
    // Now and then, where the limit plays no part, a rest of none or typed as negative.
    if (ajustes.Regra != regra::LimiteDiferenca && ajustes.Limite < 8) ajustes.Intervalo = ajustes.Limite - 7;
    ajustes.MeiaFaltaGolden = n(0, 1) == 1, ajustes.Pontos3 = static_cast<int16_t>(3 * n(0, 1));
    // A golden round of its own length now and then, where the half penalty's setting plays no part.
    if (ajustes.Regra == regra::WtfAntiga && ajustes.MeiaFaltaGolden) ajustes.TempoGolden = 3;
    // As the World Taekwondo models have it: a review card, and the turning kicks' values 4 and 5.
    ajustes.CartoesRevisao = ajustes.Regra == regra::Wt2022 ? 1 : 0;
    if (ajustes.Regra == regra::Wt2022 && ajustes.Pontos3 > 0) ajustes.Pontos4 = 4, ajustes.Pontos5 = 5;
    plat.aoMostrarConfiguracao = [&](Form2&) { v.DefineAjustes(ajustes); };
    v.Form_KeyDown(tecla::F1, 0);
    plat.aoMostrarConfiguracao = nullptr;
    const int teclas[] = {13, 27, 32, 49, 83, 115, 37, 38, 39, 40, 116, 117, 118, 119, 120, 121, 122, 123};
    std::string quebra;
    // Every state the events reach is one a saved fight may hold: each is read back as it is saved, not only the last.
    v.AoGuardar([&](const vantor::Diario& d) {
        const EstadoLuta& e = d.luta;
        fases |= 1u << ((e.ContaIntervalo >= 0) | (e.ContaMinuto >= 0) << 1 | e.Pausado << 2 | e.EmGolden << 3 |
                        e.LutaDecidida << 4);
        vantor::Diario lido;
        if (pasta != "/dev/null/" && LeDiario(TextoDiario(d), v.Log().PastaLog, lido) != 0)
            quebra = "a state the events reached is refused as a saved fight";
        else if (pasta != "/dev/null/" && !(lido.luta == d.luta && lido.ajustes == d.ajustes))
            quebra = "a saved fight read back is not the fight saved";  // a bout continued after a kill is exact
    });
    while (quebra.empty() && !l.Fim()) {
        const int16_t roundAntes = v.Luta().RoundAtual;
        const uint8_t evento = l.Byte(), b = l.Byte();
        plat.respostaOkCancela = (evento & 0x80) != 0;
        switch (evento % 8) {
            case 0: {
                // 200 to 209: A and V (a winner, a superiority), 210 to 219 the referee's decisions, 220 to 229 a
                // review and its outcome; other bytes above 199 as raw key codes.
                const int decisoes[] = {tecla::R, tecla::W, tecla::D, tecla::P, tecla::U};
                const int revisoes[] = {tecla::F3, tecla::F4, tecla::Enter, tecla::Retrocesso};
                const int k = b < 200   ? teclas[b % 18]
                              : b < 210 ? (b % 2 ? tecla::V : tecla::A)
                              : b < 220 ? decisoes[b % 5]
                              : b < 230 ? revisoes[b % 4]
                                        : b;
                v.Form_KeyDown(k, (evento & 0x40) ? tecla::Alt : 0);
                break;
            }
            case 1:
                v.Clique(ControlesDoPlacar()[b % ControlesDoPlacar().size()],
                         (evento & 0x40) ? Toque::DuploClique : Toque::Clique);
                break;
            case 2: {  // the stick's two axes (pushed past 40000 of 0..65535) and the four buttons
                const bool direita = l.Byte() >= 157, baixo = l.Byte() >= 157;
                plat.leituras[b % 2] = static_cast<uint16_t>((l.Byte() % 16) | (direita ? entrada::Direita : 0) |
                                                             (baixo ? entrada::Baixo : 0));
                v.Timer_Joystick_Timer();
                break;
            }
            case 3: v.Timer_Botao_Timer(b % 20); break;
            default: plat.Avanca(1000), v.Timer_Luta_Timer();
        }
        const EstadoLuta& e = v.Luta();
        // A round the clock begins has its whole time; the 2017 rules' golden round a minute at most.
        const Ajustes& a = v.Config();
        if (evento % 8 > 3 && e.RoundAtual == roundAntes + 1 && e.RoundAtual <= a.Rounds + 1 &&
            e.TempoRestante != (e.RoundAtual > a.Rounds && a.TempoGolden > 0           ? a.TempoGolden
                                : e.RoundAtual > a.Rounds && a.Regra == regra::Wtf2017 ? std::min<int16_t>(a.Tempo, 60)
                                                                                       : a.Tempo))
            quebra = "the length of round " + std::to_string(e.RoundAtual);
        if (e.ContaIntervalo < -1 || e.ContaIntervalo > std::max<int16_t>(a.Intervalo, 0)) quebra = "rest count";
        if (e.ContaMinuto < -1 || e.ContaMinuto > 59) quebra = "time-out count";
        if (e.EmGolden && (e.RoundAtual <= a.Rounds || a.Regra == regra::Wt2022)) quebra = "golden round where none is";
        // The board shows the record: scores with the opponent's penalties, a marker per penalty and the half
        // one after them, the third value's lamps only when it is in use, the clock as m:ss, the round.
        const Placar& t = v.Tela();
        for (size_t c : {1u, 2u}) {
            if (t.L_Pontos[c].Caption != std::to_string(SomaSatura(e.PontosMarcados[c], e.Faltas[3 - c])))
                quebra = "shown score";
            if (e.Faltas[c] < 0 || e.Faltas[c] > 10 || (e.Faltas[c] == 10 && e.MeiaFalta[c])) quebra = "penalties";
            for (int i = 1; i <= 10; ++i) {
                const Marcador& f = (c == 1 ? t.S_FaltaAzul : t.S_FaltaVermelho)[size_t(i)];
                const Marcacao m = i <= e.Faltas[c]                         ? Marcacao::Falta
                                   : i == e.Faltas[c] + 1 && e.MeiaFalta[c] ? Marcacao::Meia
                                                                            : Marcacao::Vazia;
                if (!f.Visible || f.marca != m) quebra = "penalty marker " + std::to_string(i);
            }
        }
        const int16_t valores[] = {0, a.Pontos1, a.Pontos2, a.Pontos3, a.Pontos4, a.Pontos5};
        for (int k = 1; k <= kBotoes; ++k)  // a group's lamps show while its value is in use, the first two's always
            if (const int g = DoBotao(k).grupo; t.S_Botao[size_t(k)].Visible != (g <= 2 || valores[g] > 0))
                quebra = "lamp " + std::to_string(k);
        char relogio[16];
        std::snprintf(relogio, sizeof relogio, "%d:%02d", e.TempoRestante / 60, e.TempoRestante % 60);
        if (e.TempoRestante >= 0 && t.L_Tempo.Caption != relogio) quebra = "clock";
        const bool golden = a.Regra != regra::Wt2022 && e.RoundAtual > a.Rounds;  // best of three has none
        if (t.L_Round.Caption != std::to_string(e.RoundAtual) || t.roundGolden != golden) quebra = "round";
        if (std::min(e.Cartoes[1], e.Cartoes[2]) < 0 || std::max(e.Cartoes[1], e.Cartoes[2]) > a.CartoesRevisao)
            quebra = "review cards";
        // The referee's word stands until the reset.
        if (e.VencedorArbitro != 0 && !e.LutaDecidida) quebra = "the referee's decision";
        // Best of three: a round's points by value add up to its points; the rounds won never pass a majority.
        if (a.Regra == regra::Wt2022) {
            const auto ganhos = RoundsGanhos(a, e);
            for (size_t c : {1u, 2u}) {
                int soma = 0;
                for (size_t v = 1; v <= 5; ++v) soma += e.PontosPorValor[c][v];
                if (soma != e.PontosMarcados[c]) quebra = "points by value";
                if (ganhos[c] > a.Rounds / 2 + 1) quebra = "rounds won past the bout's end";
            }
            if (e.LutaDecidida != (std::max(ganhos[1], ganhos[2]) > a.Rounds / 2)) quebra = "the bout's decision";
        }
    }
    // The log, read back as the scoresheet reads it, ends on the score the board shows.
    if (quebra.empty() && pasta != "/dev/null/" && v.Luta().LutaIniciada) {
        v.EsperaDisco();
        const LeituraLog lido = LeLog(LeArquivo(v.Log().ArquivoLog, size_t{64} << 20));
        const EstadoLuta& e = v.Luta();
        const std::array<long, 3> placar = {0, SomaSatura(e.PontosMarcados[1], e.Faltas[2]),
                                            SomaSatura(e.PontosMarcados[2], e.Faltas[1])};
        if (lido.erro != 0 || lido.lutas.empty() || lido.lutas.back().eventos.back().placar != placar)
            quebra = "the log read back differs from the board";
    }
    std::error_code ec;
    std::filesystem::remove_all(pasta + "LOG", ec);
    return quebra;
}

}  // namespace vantor::fuzz

namespace vantor::fuzz {

std::string Lista(const uint8_t* dados, size_t tamanho) {
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    // Every model is known but those with a '?' in their names.
    const LeituraDaLista r =
        LeListaDeLutas(bytes, [](const std::string& m) { return m.find('?') == std::string::npos; });
    if (r.erro != 0) {
        const bool conhecido = r.erro >= txt::ListaRecusada && r.erro <= txt::ListaIlegivel && r.lista.lutas.empty();
        const auto linhas = std::count(bytes.begin(), bytes.end(), '\n') + std::count(bytes.begin(), bytes.end(), '\r');
        return conhecido && r.linha >= 0 && r.linha <= linhas + 1 ? "" : "a refusal out of its range";
    }
    // What is taken is clean: one line of UTF-8 each, trimmed, within its length, names and numbers present, each
    // number once, each model known.
    std::string volta = "luta,categoria,azul,azul2,vermelho,vermelho2,modelo,evento,quadra,arbitro,juizes\n";
    for (size_t i = 0; i < r.lista.lutas.size(); ++i) {
        const LutaDaLista& b = r.lista.lutas[i];
        const std::string* textos[] = {&b.numero, &b.categoria, &b.nome[1], &b.l2[1],   &b.nome[2], &b.l2[2],
                                       &b.modelo, &b.evento,    &b.quadra,  &b.arbitro, &b.juizes};
        for (const std::string* t : textos) {
            const bool longo = t == &b.evento || t == &b.juizes;
            if (FimDoUtf8(*t) != std::string::npos || t->find_first_of("\r\n\t") != std::string::npos ||
                (!t->empty() && (t->front() == ' ' || t->back() == ' ')) ||
                CortaUtf8(*t, longo ? 3 * kMaiorTexto : kMaiorTexto) != *t)
                return "a text not cleaned: " + *t;
            std::string q = "\"";
            for (char c : *t) q += c == '"' ? std::string("\"\"") : std::string(1, c);
            volta += q + (t == &b.juizes ? "\"\n" : "\",");
        }
        if (b.numero.empty() || b.nome[1].empty() || b.nome[2].empty()) return "a bout without number or name";
        if (r.lista.Acha(b.numero) != static_cast<int>(i)) return "a number twice";
        if (b.modelo.find('?') != std::string::npos) return "an unknown model taken";
    }
    // Written back quoted, as a spreadsheet would, the list reads the same.
    const LeituraDaLista de_novo = LeListaDeLutas(volta);
    if (de_novo.erro != 0 || de_novo.lista.lutas.size() != r.lista.lutas.size()) return "written back, refused";
    for (size_t i = 0; i < r.lista.lutas.size(); ++i) {
        LutaDaLista a = r.lista.lutas[i], b = de_novo.lista.lutas[i];
        a.linha = b.linha = 0;
        if (!(a == b)) return "written back, read otherwise: bout " + a.numero;
    }
    return "";
}

}  // namespace vantor::fuzz
