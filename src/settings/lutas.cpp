// The ring's list of bouts read from CSV.
#include "settings/lutas.h"

#include <cctype>
#include <map>
#include <optional>

#include "settings/ajustes.h"
#include "settings/csv.h"

namespace vantor {

namespace {

enum Coluna { Numero, Categoria, Azul1, Azul2, Vermelho1, Vermelho2, ModeloC, EventoC, QuadraC, ArbitroC, JuizesC, N };

// Each column's accepted header names, lower case, without accents where a spreadsheet user might drop them.
struct NomesColuna {
    Coluna coluna;
    std::vector<const char*> nomes;
    bool obrigatoria;
};
const std::vector<NomesColuna>& Colunas() {
    static const std::vector<NomesColuna> c{
        {Numero, {"luta", "combate", "bout", "match"}, true},
        {Categoria, {"categoria", "categoría", "category", "division"}, true},
        {Azul1, {"azul", "blue"}, true},
        {Azul2, {"azul2", "blue2"}, false},
        {Vermelho1, {"vermelho", "rojo", "red"}, true},
        {Vermelho2, {"vermelho2", "rojo2", "red2"}, false},
        {ModeloC, {"modelo", "model"}, false},
        {EventoC, {"evento", "event"}, false},
        {QuadraC, {"quadra", "area", "área", "ring", "court"}, false},
        {ArbitroC, {"arbitro", "árbitro", "referee"}, false},
        {JuizesC, {"juizes", "juízes", "jueces", "judges"}, false},
    };
    return c;
}

std::string Apara(std::string s) {
    s = UmaLinha(std::move(s));
    const size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos) return "";
    return s.substr(i, s.find_last_not_of(' ') - i + 1);
}

std::string Minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // The accented capitals a header may have, in UTF-8: Á, Í, Ú and Í's neighbours share the first byte.
    for (size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == '\xC3' && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(s[i + 1]) <= 0x9E)
            s[i + 1] = static_cast<char>(s[i + 1] + 0x20);
    return s;
}

LeituraDaLista Recusa(int erro, int linha, std::string detalhe = "") {
    LeituraDaLista r;
    r.erro = erro, r.linha = linha, r.detalhe = std::move(detalhe);
    return r;
}

}  // namespace

int ListaDeLutas::Acha(const std::string& numero) const {
    for (size_t i = 0; i < lutas.size(); ++i)
        if (lutas[i].numero == numero) return static_cast<int>(i);
    return -1;
}

LeituraDaLista LeListaDeLutas(const std::string& bytes, const std::function<bool(const std::string&)>& modeloExiste) {
    if (bytes.size() > kMaiorLista) return Recusa(txt::ListaGrande, 0);
    if (const size_t fim = FimDoUtf8(bytes); fim != std::string::npos) {
        int linha = 1;
        for (size_t i = 0; i < fim; ++i) linha += bytes[i] == '\n';
        return Recusa(txt::ListaNaoUtf8, linha);
    }
    const LeituraCsv csv = LeCsv(bytes);
    if (csv.aspasAbertas) return Recusa(txt::ListaAspas, csv.aspasAbertas);
    if (csv.registros.empty()) return Recusa(txt::ListaSemLutas, 0);

    // The header: each column found once.
    std::array<std::optional<size_t>, N> onde{};
    const RegistroCsv& cabecalho = csv.registros.front();
    for (size_t i = 0; i < cabecalho.campos.size(); ++i) {
        const std::string nome = Minusculas(Apara(cabecalho.campos[i]));
        for (const NomesColuna& c : Colunas())
            for (const char* n : c.nomes)
                if (nome == n) {
                    if (onde[c.coluna]) return Recusa(txt::ListaColunaRepetida, cabecalho.linha, nome);
                    onde[c.coluna] = i;
                }
    }
    for (const NomesColuna& c : Colunas())
        if (c.obrigatoria && !onde[c.coluna]) return Recusa(txt::ListaSemColuna, cabecalho.linha, c.nomes.front());

    LeituraDaLista r;
    std::map<std::string, int> linhas;  // each bout number's line
    for (size_t k = 1; k < csv.registros.size(); ++k) {
        const RegistroCsv& reg = csv.registros[k];
        std::array<std::string, N> v;
        bool vazio = true;
        for (size_t c = 0; c < N; ++c) {
            if (onde[c] && *onde[c] < reg.campos.size()) {
                const size_t maior = c == JuizesC || c == EventoC ? 3 * kMaiorTexto : kMaiorTexto;
                v[c] = Apara(CortaUtf8(Apara(reg.campos[*onde[c]]), maior));  // a cut may end on a blank
            }
            vazio &= v[c].empty();
        }
        // A spreadsheet's trailing rows of separators only.
        if (vazio) continue;
        if (v[Numero].empty()) return Recusa(txt::ListaSemNumero, reg.linha);
        if (v[Azul1].empty()) return Recusa(txt::ListaNomeVazio, reg.linha, "azul");
        if (v[Vermelho1].empty()) return Recusa(txt::ListaNomeVazio, reg.linha, "vermelho");
        if (const auto [it, novo] = linhas.emplace(v[Numero], reg.linha); !novo)
            return Recusa(txt::ListaNumeroRepetido, reg.linha, v[Numero] + " (" + std::to_string(it->second) + ")");
        if (!v[ModeloC].empty() && modeloExiste && !modeloExiste(v[ModeloC]))
            return Recusa(txt::ListaModeloDesconhecido, reg.linha, v[ModeloC]);
        LutaDaLista l;
        l.numero = v[Numero], l.categoria = v[Categoria], l.modelo = v[ModeloC];
        l.nome = {"", v[Azul1], v[Vermelho1]}, l.l2 = {"", v[Azul2], v[Vermelho2]};
        l.evento = v[EventoC], l.quadra = v[QuadraC], l.arbitro = v[ArbitroC], l.juizes = v[JuizesC];
        l.linha = reg.linha;
        r.lista.lutas.push_back(std::move(l));
    }
    if (r.lista.lutas.empty()) return Recusa(txt::ListaSemLutas, 0);
    return r;
}

std::string ExplicaLista(const LeituraDaLista& r, const TabelaIdioma& t, int lingua) {
    std::string s = t.Traduz(txt::ListaRecusada, lingua) + ": ";
    if (r.linha > 0) s += t.Traduz(txt::Linha, lingua) + " " + std::to_string(r.linha) + ": ";
    s += t.Traduz(r.erro, lingua);
    if (!r.detalhe.empty()) s += " (" + r.detalhe + ")";
    return s;
}

}  // namespace vantor
