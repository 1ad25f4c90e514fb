// The ring check: which connected controller serves which judge's buttons by the button map, which judge has none,
// and the lamps of the buttons in use as they are pressed.
#include <algorithm>

#include "app/vantor.h"

namespace vantor {

void Vantor::ConfereRinque() {
    // Between bouts only: in a bout the operator's keys must stay with the board. While the assignment waits, every
    // press is the assignment's.
    if (EmLuta() || Capturando()) return;
    vistos_ = 0;
    plat_.MostraConferencia([this] { return Conferencia(); });
}

ConferenciaDoRinque Vantor::Conferencia() const {
    ConferenciaDoRinque c;
    std::vector<ControleConectado> lista = plat_.ListaControles();
    std::stable_sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) { return a.slot < b.slot; });
    std::array<int, entrada::kSlots> indice{};  // slot -> its entry in c.controles, -1 for none
    indice.fill(-1);
    for (ControleConectado& x : lista) {
        // A slot the map cannot hold, or one named twice, is no controller a judge can use: left out.
        if (x.slot < 0 || x.slot >= entrada::kSlots || indice[static_cast<size_t>(x.slot)] >= 0) continue;
        indice[static_cast<size_t>(x.slot)] = static_cast<int>(c.controles.size());
        x.nome = UmaLinha(x.nome), x.porta = UmaLinha(x.porta);
        c.controles.push_back({x, {}, ""});
    }
    for (int juiz = 1; juiz <= 3; ++juiz) {
        bool temControle = false;
        for (int cor : {Vermelho, Azul})
            for (int g = 1; g <= 5; ++g) {
                if (!GrupoEmUso(ajustes_, g)) continue;
                const int k = BotaoDe(cor, g, juiz);
                const auto kk = static_cast<size_t>(k);
                ConferenciaDoRinque::Lampada l{.botao = k,
                                               .juiz = juiz,
                                               .cor = cor,
                                               .valor = ValorDoGrupo(ajustes_, g),
                                               .acesa = janela_.tela.S_Botao[kk].acesa,
                                               .vista = (vistos_ & juizes_.MascaraBotao[kk]) != 0,
                                               .semControle = true};  // until a connected slot has it
                for (size_t p = 1; p <= 256; ++p) {
                    const int i = indice[(p - 1) / entrada::kPorSlot];
                    if (juizes_.MapaBotoes[p] != k || i < 0) continue;
                    l.semControle = false;
                    std::vector<int>& botoes = c.controles[static_cast<size_t>(i)].botoes;
                    if (botoes.empty() || botoes.back() != k) botoes.push_back(k);
                }
                temControle |= !l.semControle;
                c.lampadas.push_back(l);
            }
        if (!temControle) c.juizesSemControle.push_back(juiz);
    }

    c.titulo = Traduz(txt::ConferenciaDosControles), c.instrucao = Traduz(txt::ApertaCadaBotao);
    c.fechar = Traduz(txt::Fechar), c.juiz = Traduz(txt::Juiz), c.nenhumControle = Traduz(txt::NenhumControle);
    c.vermelho = Traduz(txt::Vermelho), c.azul = Traduz(txt::Azul);
    for (const int juiz : c.juizesSemControle)
        c.situacao +=
            (c.situacao.empty() ? "" : "   ") + c.juiz + " " + std::to_string(juiz) + ": " + Traduz(txt::SemControle);
    if (c.juizesSemControle.empty()) c.situacao = Traduz(txt::CadaJuizComControle);
    for (ConferenciaDoRinque::Controle& x : c.controles) {
        const ControleConectado& cc = x.conectado;
        x.texto = Traduz(txt::Posicao) + " " + std::to_string(cc.slot + 1) + ": " +
                  (cc.nome.empty() ? "(" + Traduz(txt::SemNome) + ")" : cc.nome) + ", " + Traduz(txt::PortaUsb) + ": " +
                  (cc.porta.empty() ? Traduz(txt::Desconhecida) : cc.porta);
        int juiz = 0;  // one line per judge served, each button as its corner and value
        for (const int k : x.botoes) {
            const QualBotao b = DoBotao(k);
            x.texto += b.juiz != juiz ? "\n    " + c.juiz + " " + std::to_string(b.juiz) + ": " : ", ";
            x.texto +=
                (b.cor == Vermelho ? c.vermelho : c.azul) + " " + std::to_string(ValorDoGrupo(ajustes_, b.grupo));
            juiz = b.juiz;
        }
        if (x.botoes.empty()) x.texto += "\n    " + Traduz(txt::NenhumBotao);
    }
    return c;
}

}  // namespace vantor
