// The ring's list of bouts: loaded, kept, and walked with Page Down and Page Up between bouts.
#include "app/vantor.h"

namespace vantor {

std::string Vantor::CarregaLista(const std::string& bytes) {
    if (EmLuta() && !luta_.Estado().LutaDecidida)
        return Traduz(txt::ListaRecusada) + ": " + Traduz(txt::LutaEmAndamento);
    const Modelos modelos = LeModelos();
    const LeituraDaLista r =
        LeListaDeLutas(bytes, [&modelos](const std::string& nome) { return modelos.Acha(nome) != nullptr; });
    if (r.erro) return ExplicaLista(r, idioma_, ajustes_.Lingua);
    const AoFim fim{*this};
    lista_ = r.lista;
    // A copy of its own: the stick the list came on may be gone by the next start. One that cannot be written
    // costs the next start its list, not this day's bouts.
    GravaArquivo(arquivos_.CaminhoLista(), bytes);
    MostraLuta();
    return "";
}

int Vantor::ProximaLuta() const {
    const int proxima = LutaAtual() + 1;
    return proxima < static_cast<int>(lista_.lutas.size()) ? proxima : -1;
}

bool Vantor::AjustesDaLuta(const LutaDaLista& b, Ajustes& a) const {
    Ajustes novo = a;
    if (!b.modelo.empty()) {
        const Modelos modelos = LeModelos();
        const Modelo* m = modelos.Acha(b.modelo);
        if (!m) return false;
        AplicaModelo(*m, novo);
    }
    novo.Nome = {"", b.nome[Azul], b.nome[Vermelho]};
    novo.L2 = {"", b.l2[Azul], b.l2[Vermelho]};
    novo.NumeroLuta = b.numero, novo.Categoria = b.categoria, novo.Arbitro = b.arbitro, novo.NomesJuizes = b.juizes;
    // The day's event and ring stay as set unless the list gives them.
    if (!b.evento.empty()) novo.Evento = b.evento;
    if (!b.quadra.empty()) novo.Quadra = b.quadra;
    a = std::move(novo);
    return true;
}

bool Vantor::CarregaLuta(int indice) {
    if (indice < 0 || indice >= static_cast<int>(lista_.lutas.size())) return false;
    if (EmLuta() && !luta_.Estado().LutaDecidida) return false;
    const AoFim fim{*this};
    Ajustes a = ajustes_;
    const LutaDaLista& b = lista_.lutas[static_cast<size_t>(indice)];
    if (!AjustesDaLuta(b, a)) {
        Mensagem(Traduz(txt::ModeloSumiu) + ": " + b.modelo, Tom::Aviso);
        return false;
    }
    ConfirmaConfiguracao(a);
    ZeraLuta();
    return true;
}

void Vantor::LeLista() {
    // Read as it was checked when loaded; a model gone since is said when its bout comes.
    const LeituraDaLista r = LeListaDeLutas(LeArquivo(arquivos_.CaminhoLista(), kMaiorLista + 1));
    if (r.erro == 0) lista_ = r.lista;
}

}  // namespace vantor
