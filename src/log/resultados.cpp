// The day's results file, built from the logs.
#include "log/resultados.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "lang/idioma.h"
#include "log/diario.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"
#include "settings/csv.h"

namespace vantor {

namespace {

constexpr const char* kCabecalho =
    "luta,categoria,vencedor,nome_vencedor,vencedor2,nome_perdedor,perdedor2,codigo,como,pontos_vencedor,"
    "pontos_perdedor,rounds_vencedor,rounds_perdedor,inicio,fim,log";
constexpr size_t kMaiorLog = size_t{64} << 20;  // as the scoresheet reads one

}  // namespace

std::string CodigoDoResultado(int como) {
    switch (como) {
        case txt::PorPontos:
        case txt::PorLimite:
        case txt::PorRounds: return "PTF";
        case txt::PorDiferenca: return "PTG";
        case txt::NoGolden: return "GDP";
        case txt::PorFaltas:
        case txt::PorPun: return "PUN";
        case txt::PorRsc: return "RSC";
        case txt::PorWdr: return "WDR";
        case txt::PorDsq: return "DSQ";
        case txt::PorSup: return "SUP";
        default: return "";
    }
}

namespace {

const TabelaIdioma& Tabela() {
    static const TabelaIdioma t = [] {
        TabelaIdioma r;
        r.Carrega();
        return r;
    }();
    return t;
}

std::string Nome(const std::string& caminho) { return std::filesystem::path(caminho).filename().string(); }

}  // namespace

std::string NomeResultados(const std::string& dia) { return "resultados_" + dia + ".csv"; }

std::string DiaDoLog(const std::string& caminho) {
    const std::string n = Nome(caminho);
    return n.starts_with("LOG_") && EhNomeDeLog(std::string_view(n).substr(4)) ? n.substr(4, 10) : "";
}

std::optional<LinhaResultado> ResultadoDoLog(const LeituraLog& leitura, const std::string& nomeLog) {
    const auto decidida =
        std::find_if(leitura.lutas.rbegin(), leitura.lutas.rend(), [](const LutaLog& l) { return l.vencedor != 0; });
    if (decidida == leitura.lutas.rend()) return std::nullopt;
    const LutaLog& l = *decidida;
    const bool empate = l.vencedor == 3;
    const size_t v = empate ? Azul : static_cast<size_t>(l.vencedor), o = v == Azul ? Vermelho : Azul;
    std::array<long, 3> placar{};
    for (const EventoLog& e : l.eventos)
        if (e.tipo == EventoLog::Resultado) placar = e.placar;
    std::array<int, 3> rounds{};
    for (const RoundLog& r : l.roundsLidos)
        if (r.vencedor == Azul || r.vencedor == Vermelho) ++rounds[static_cast<size_t>(r.vencedor)];
    const bool melhorDeTres = l.temRegras && l.regra == regra::Wt2022;
    const std::string nome = Nome(nomeLog);
    std::string csv =
        CampoCsv(l.numero) + "," + CampoCsv(l.categoria) + "," +
        (empate      ? "empate"
         : v == Azul ? "azul"
                     : "vermelho") +
        "," + CampoCsv(l.nome[v]) + "," + CampoCsv(l.l2[v]) + "," + CampoCsv(l.nome[o]) + "," + CampoCsv(l.l2[o]) +
        "," + CodigoDoResultado(l.como) + "," + CampoCsv(l.como ? Tabela().Traduz(l.como, l.lingua) : "") + "," +
        std::to_string(placar[v]) + "," + std::to_string(placar[o]) + "," +
        (melhorDeTres ? std::to_string(rounds[v]) + "," + std::to_string(rounds[o]) : ",") + "," +
        CampoCsv(HoraDoCarimbo(l.inicio)) + "," + CampoCsv(HoraDoCarimbo(l.fimResultado)) + "," + CampoCsv(nome);
    return LinhaResultado{l.numero.empty() ? nome : l.numero, std::move(csv), l.numero, nome.substr(0, 23),
                          SegundosDoCarimbo(l.inicio)};
}

std::string TextoResultados(const std::map<std::string, std::optional<LinhaResultado>>& porLog) {
    // Each bout's latest log; then the table in an order that no clock decides.
    std::vector<const LinhaResultado*> linhas;
    const auto antes = [](const LinhaResultado* a, const LinhaResultado* b) {
        return std::tie(a->momento, a->inicio) < std::tie(b->momento, b->inicio);
    };
    for (const auto& par : porLog) {
        const std::optional<LinhaResultado>& linha = par.second;
        if (!linha) continue;
        const auto mesma = std::find_if(linhas.begin(), linhas.end(),
                                        [&](const LinhaResultado* r) { return r->chave == linha->chave; });
        if (mesma == linhas.end())
            linhas.push_back(&*linha);
        else if (antes(*mesma, &*linha))
            *mesma = &*linha;
    }
    const auto ordem = [](const LinhaResultado* r) {
        const std::string& n = r->numero;
        const bool numerico =
            !n.empty() && n.size() < 10 && std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; });
        return std::tuple(n.empty(), !numerico, numerico ? std::stol(n) : 0L, n, r->momento, r->inicio);
    };
    std::stable_sort(linhas.begin(), linhas.end(),
                     [&](const LinhaResultado* a, const LinhaResultado* b) { return ordem(a) < ordem(b); });
    // A mark that tells spreadsheets the text is UTF-8; CR LF ends, as CSV has them.
    std::string texto = std::string("\xEF\xBB\xBF") + kCabecalho + "\r\n";
    for (const LinhaResultado* r : linhas) texto += r->csv + "\r\n";
    return texto;
}

namespace {
std::map<std::string, std::optional<LinhaResultado>> LogsDaPasta(const std::string& pasta, const std::string& dia) {
    std::map<std::string, std::optional<LinhaResultado>> porLog;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
        const std::string caminho = it->path().string();
        const std::string d = DiaDoLog(caminho);
        if (d.empty() || (!dia.empty() && d != dia)) continue;
        porLog[Nome(caminho)] = ResultadoDoLog(LeLog(LeArquivo(caminho, kMaiorLog)), caminho);
    }
    return porLog;
}
}  // namespace

std::string ResultadosDaPasta(const std::string& pasta, const std::string& dia) {
    return TextoResultados(LogsDaPasta(pasta, dia));
}

void Resultados::Atualiza(const std::string& caminhoLog) {
    const std::string dia = DiaDoLog(caminhoLog);
    if (dia.empty()) return;
    const std::string pasta = std::filesystem::path(caminhoLog).parent_path().string();
    const auto [it, novo] = dias_.try_emplace(pasta + "/" + dia);
    Dia& d = it->second;
    if (novo)
        d.porLog = LogsDaPasta(pasta, dia);
    else
        d.porLog[Nome(caminhoLog)] = ResultadoDoLog(LeLog(LeArquivo(caminhoLog, kMaiorLog)), caminhoLog);
    const std::string texto = TextoResultados(d.porLog);
    const std::string arquivo = Junta(pasta, NomeResultados(dia));
    // No file before the day's first result; one that could not be written is tried again at the next change.
    const bool algum =
        std::any_of(d.porLog.begin(), d.porLog.end(), [](const auto& p) { return p.second.has_value(); });
    if (texto != d.escrito && (algum || ExisteArquivo(arquivo)) && GravaArquivo(arquivo, texto)) d.escrito = texto;
}

}  // namespace vantor
