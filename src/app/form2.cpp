// The configuration dialog's logic: filled from the record when it opens, stored all at once on OK.
#include "app/form2.h"

#include <cstdio>

#include "app/vantor.h"
#include "settings/arquivos.h"
#include "settings/numero.h"

namespace vantor {

namespace {

// A preset's number written back as plain decimal ("90", "12").
std::string Decimal(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

double NumeroDoItem(const Lista& l) { return ValTexto(l.itens[static_cast<size_t>(l.ListIndex)]); }

bool TemSelecao(const Lista& l) { return l.ListIndex >= 0 && l.ListIndex < static_cast<int>(l.itens.size()); }

void SelecionaIgual(Lista& l, double alvo, double fator) {
    for (size_t i = 0; i < l.itens.size(); ++i)
        if (ValTexto(l.itens[i]) * fator == alvo) l.ListIndex = static_cast<int>(i);
}

int16_t Numero(const CaixaTexto& c) { return Inteiro16(ValTexto(c.Text)); }

}  // namespace

Form2::Form2(Vantor& v, Plataforma& plat) : v_(v), plat_(plat), ajustes_(v.Config()) {}

void Form2::Form_Load() {
    MostraAjustes(ajustes_);
    for (size_t c = 1; c <= 2; ++c) {
        T_Nome[c].Text = ajustes_.Nome[c];
        T_L2[c].Text = ajustes_.L2[c];
    }
    for (size_t i = 1; i <= 4; ++i) T_Sons[i].Text = ajustes_.Som[i];
    L_Lingua.ListIndex = ajustes_.Lingua >= 0 && ajustes_.Lingua <= 2 ? ajustes_.Lingua : -1;
    L_Lingua_Click();
    modelos_ = v_.LeModelos();
    for (const Modelo& m : modelos_.lista) L_Modelo.itens.push_back(m.nome);
    T_Evento.Text = ajustes_.Evento;
    T_Quadra.Text = ajustes_.Quadra;
    MostraLista();
}

void Form2::MostraLista() {
    L_Lutas.itens.clear();
    for (const LutaDaLista& b : v_.Lista().lutas)
        L_Lutas.itens.push_back(b.numero + " · " + b.categoria + " · " + b.nome[Azul] + " x " + b.nome[Vermelho]);
    L_Lutas.ListIndex = v_.Lista().Acha(ajustes_.NumeroLuta);
}

void Form2::L_Lutas_Click() {
    if (!TemSelecao(L_Lutas)) return;
    const LutaDaLista& b = v_.Lista().lutas[static_cast<size_t>(L_Lutas.ListIndex)];
    Ajustes a = ajustes_;
    if (!v_.AjustesDaLuta(b, a)) {
        plat_.Avisa(Traduz(txt::ModeloSumiu) + ": " + b.modelo, kTitulo);
        return;
    }
    // Only a bout with a model changes the boxes of the settings; its texts travel with them to OK.
    if (!b.modelo.empty()) {
        MostraAjustes(a);
        ajustes_.FaltasRound = a.FaltasRound, ajustes_.TempoGolden = a.TempoGolden;
        const Modelo* m = modelos_.Acha(b.modelo);
        L_Modelo.ListIndex = m ? static_cast<int>(m - modelos_.lista.data()) : -1;
    }
    for (size_t c = 1; c <= 2; ++c) T_Nome[c].Text = a.Nome[c], T_L2[c].Text = a.L2[c];
    ajustes_.NumeroLuta = a.NumeroLuta, ajustes_.Categoria = a.Categoria;
    ajustes_.Arbitro = a.Arbitro, ajustes_.NomesJuizes = a.NomesJuizes;
    T_Evento.Text = a.Evento, T_Quadra.Text = a.Quadra;
}

void Form2::B_Lista_Click() {
    const std::string arquivo = plat_.EscolheArquivo(Traduz(txt::EscolhaLista), "CSV (*.csv *.txt)");
    if (arquivo.empty()) return;
    const std::string bytes = LeArquivo(arquivo, kMaiorLista + 1);
    const std::string erro = bytes.empty() && !ExisteArquivo(arquivo)
                                 ? Traduz(txt::ListaRecusada) + ": " + Traduz(txt::ListaIlegivel)
                                 : v_.CarregaLista(bytes);
    if (!erro.empty()) plat_.Avisa(erro + "\n" + arquivo, kTitulo);
    MostraLista();
}

void Form2::MostraAjustes(const Ajustes& a) {
    for (Lista* l : {&L_Round, &L_Intervalo, &L_Tempo}) l->ListIndex = -1;
    SelecionaIgual(L_Round, a.Rounds, 1);
    SelecionaIgual(L_Intervalo, a.Intervalo, 1);
    SelecionaIgual(L_Tempo, a.Tempo, 60);
    T_Round.Text = std::to_string(a.Rounds);
    T_RoundInicial.Text = std::to_string(a.RoundInicial);
    T_Intervalo.Text = std::to_string(a.Intervalo);
    T_Tempo.Text = std::to_string(a.Tempo);
    T_TempoInicial.Text = std::to_string(a.TempoInicial);
    T_Cartoes.Text = std::to_string(a.CartoesRevisao);
    tempoAnterior_ = T_Tempo.Text;
    Op_WTF.Value = a.Regra == regra::WtfAntiga;
    Op_Fetesp.Value = a.Regra == regra::LimiteDiferenca;
    Op_2017.Value = a.Regra == regra::Wtf2017;
    Op_2022.Value = a.Regra == regra::Wt2022;
    C_Limite.Value = a.Limite != 99;
    T_Limite.Text = a.Limite == 99 ? "" : std::to_string(a.Limite);
    C_Diferenca.Value = a.Diferenca != 99;
    T_Diferenca.Text = a.Diferenca == 99 ? "" : std::to_string(a.Diferenca);
    C_GoldenMeia.Value = a.MeiaFaltaGolden;
    using Valores = std::array<int16_t, 5>;
    const auto pontos = Valores{a.Pontos1, a.Pontos2, a.Pontos3, a.Pontos4, a.Pontos5};
    O_12.Value = pontos == Valores{1, 2, 0, 0, 0};
    O_23.Value = pontos == Valores{2, 3, 0, 0, 0};
    O_13.Value = pontos == Valores{1, 3, 0, 0, 0};
    O_123.Value = pontos == Valores{1, 2, 3, 0, 0};
    O_12345.Value = pontos == Valores{1, 2, 3, 4, 5};
    Mostra_Regras();
}

void Form2::L_Modelo_Click() {
    if (!TemSelecao(L_Modelo)) return;
    // The boxes take the model's values, still editable before OK; what has no box travels with the settings.
    Ajustes a = ajustes_;
    AplicaModelo(modelos_.lista[static_cast<size_t>(L_Modelo.ListIndex)], a);
    ajustes_.FaltasRound = a.FaltasRound, ajustes_.TempoGolden = a.TempoGolden;
    MostraAjustes(a);
}

void Form2::Mostra_Regras() {
    // Hidden controls keep their values: only what the rules use is shown.
    C_Limite.Visible = Op_Fetesp.Value;
    T_Limite.Visible = Op_Fetesp.Value && C_Limite.Value;
    // Under best of three the difference is the point gap that ends a round.
    C_Diferenca.Visible = Op_Fetesp.Value || Op_2017.Value || Op_2022.Value;
    T_Diferenca.Visible = C_Diferenca.Value && C_Diferenca.Visible;
    C_GoldenMeia.Visible = Op_Fetesp.Value || Op_2017.Value;
}

std::string Form2::Traduz(int entrada) const { return v_.Tabela().Traduz(entrada, L_Lingua.ListIndex); }

// The captions follow the language chosen in the list at once, before OK.
void Form2::Acerta_Tela() {
    L_RoundsRotulo = Traduz(txt::Rounds) + ":";
    L_RoundInicialRotulo = Traduz(txt::Inicio) + ":";
    L_IntervaloRotulo = Traduz(txt::Intervalo) + ":";
    L_TempoRotulo = Traduz(txt::Tempo) + ":";
    L_TempoInicialRotulo = Traduz(txt::Inicio) + ":";
    B_Botoes = Traduz(txt::ConfigurandoBotoes);
    B_Conferencia = Traduz(txt::ConferirControles);
    L_SonsRotulo = Traduz(txt::Sons) + ":";
    L_LinguaRotulo = Traduz(txt::Lingua) + ":";
    B_Cancela = Traduz(txt::Cancelar);
    L_NomesRotulo = Traduz(txt::Nomes) + ":";
    L_AzulRotulo = Traduz(txt::Azul) + ":";
    L_VermelhoRotulo = Traduz(txt::Vermelho) + ":";
    L_SomMinutoRotulo = Traduz(txt::Inicio) + " " + Traduz(txt::UmMinuto) + ":";
    L_SomFimMinutoRotulo = Traduz(txt::FimDo) + " " + Traduz(txt::UmMinuto) + ":";
    L_SomFimLutaRotulo = Traduz(txt::FimDaLuta) + ":";
    L_SomFimRoundRotulo = Traduz(txt::FimDo) + " " + Traduz(txt::Round) + ":";
    Caption = Traduz(txt::Configuracoes);
    Q_Regras = Traduz(txt::SistemaDeRegras);
    Op_WTF.Caption = Traduz(txt::RegraWtfAntiga);
    Op_Fetesp.Caption = Traduz(txt::RegraLimiteDiferenca);
    Op_2017.Caption = Traduz(txt::RegraWtf2017);
    Op_2022.Caption = Traduz(txt::RegraWt2022);
    C_Limite.Caption = Traduz(txt::Limite) + ":";
    C_Diferenca.Caption = Traduz(txt::DiferencaDePontos) + ":";
    C_GoldenMeia.Caption = Traduz(txt::MeiaFaltaGolden);
    Q_Botoes = Traduz(txt::Botoes);
    L_ModeloRotulo = Traduz(txt::Modelo) + ":";
    L_CartoesRotulo = Traduz(txt::Revisoes) + ":";
    B_Lista = Traduz(txt::CarregaLista);
    L_EventoRotulo = Traduz(txt::Evento) + ":";
    L_QuadraRotulo = Traduz(txt::Quadra) + ":";
    O_13.Caption = Traduz(txt::Pontos13);
    O_23.Caption = Traduz(txt::Pontos23);
    O_12.Caption = Traduz(txt::Pontos12);
    O_123.Caption = Traduz(txt::Pontos123);
    O_12345.Caption = Traduz(txt::Pontos12345);
}

void Form2::Escolhe(Marca& regra) {
    for (Marca* m : {&Op_WTF, &Op_Fetesp, &Op_2017, &Op_2022}) m->Value = m == &regra;
    Mostra_Regras();
}

void Form2::O_Click(Marca& opcao) {
    for (Marca* m : {&O_13, &O_23, &O_12, &O_123, &O_12345}) m->Value = m == &opcao;
}

void Form2::C_Limite_Click() {
    if (T_Limite.Text.empty()) T_Limite.Text = ajustes_.Limite == 99 ? "15" : std::to_string(ajustes_.Limite);
    Mostra_Regras();
}

void Form2::C_Diferenca_Click() {
    if (T_Diferenca.Text.empty())
        T_Diferenca.Text = ajustes_.Diferenca == 99 ? "9" : std::to_string(ajustes_.Diferenca);
    Mostra_Regras();
}

void Form2::L_Round_Click() {
    if (!TemSelecao(L_Round)) return;
    T_Round.Text = Decimal(NumeroDoItem(L_Round));
    T_RoundInicial.Text = std::string(1, '1');  // not = "1": GCC 12 at -O3 warns falsely on that assignment
}

void Form2::L_Tempo_Click() {
    if (!TemSelecao(L_Tempo)) return;
    T_Tempo.Text = Decimal(NumeroDoItem(L_Tempo) * 60);
    T_TempoInicial.Text = tempoAnterior_ = T_Tempo.Text;
}

void Form2::T_Tempo_Change() {
    if (Numero(T_TempoInicial) == Numero(CaixaTexto{tempoAnterior_})) T_TempoInicial.Text = T_Tempo.Text;
    tempoAnterior_ = T_Tempo.Text;
}

void Form2::L_Intervalo_Click() {
    if (TemSelecao(L_Intervalo)) T_Intervalo.Text = Decimal(NumeroDoItem(L_Intervalo));
}

void Form2::B_Botoes_Click() {
    if (plat_.PerguntaOkCancela(Traduz(txt::ConfirmaBotoes), kTitulo, false)) v_.PedeConfiguracaoBotoes();
}

// The ring check over the dialog, with the settings in force: those being edited count from OK on.
void Form2::B_Conferencia_Click() { v_.ConfereRinque(); }

void Form2::B_Ok_Click() {
    ajustes_.Rounds = Numero(T_Round);
    ajustes_.Intervalo = Numero(T_Intervalo);
    ajustes_.Tempo = Numero(T_Tempo);
    ajustes_.TempoInicial = Numero(T_TempoInicial);
    ajustes_.RoundInicial = Numero(T_RoundInicial);
    for (size_t c = 1; c <= 2; ++c) {
        ajustes_.Nome[c] = T_Nome[c].Text;
        ajustes_.L2[c] = T_L2[c].Text;
    }
    ajustes_.Regra = Op_WTF.Value      ? regra::WtfAntiga
                     : Op_Fetesp.Value ? regra::LimiteDiferenca
                     : Op_2022.Value   ? regra::Wt2022
                                       : regra::Wtf2017;
    ajustes_.Limite = ajustes_.Regra == regra::LimiteDiferenca && C_Limite.Value ? Numero(T_Limite) : kSemLimite;
    ajustes_.Diferenca = ajustes_.Regra != regra::WtfAntiga && C_Diferenca.Value ? Numero(T_Diferenca) : kSemLimite;
    ajustes_.MeiaFaltaGolden = C_GoldenMeia.Value;
    ajustes_.CartoesRevisao = Numero(T_Cartoes);
    ajustes_.LimiteFaltas = 10;
    if (O_12.Value) ajustes_.Pontos1 = 1, ajustes_.Pontos2 = 2, ajustes_.Pontos3 = 0;
    if (O_23.Value) ajustes_.Pontos1 = 2, ajustes_.Pontos2 = 3, ajustes_.Pontos3 = 0;
    if (O_13.Value) ajustes_.Pontos1 = 1, ajustes_.Pontos2 = 3, ajustes_.Pontos3 = 0;
    if (O_123.Value) ajustes_.Pontos1 = 1, ajustes_.Pontos2 = 2, ajustes_.Pontos3 = 3;
    // The first four options leave groups 4 and 5 out; the fifth uses all five.
    if (O_12.Value || O_23.Value || O_13.Value || O_123.Value) ajustes_.Pontos4 = ajustes_.Pontos5 = 0;
    if (O_12345.Value)
        ajustes_.Pontos1 = 1, ajustes_.Pontos2 = 2, ajustes_.Pontos3 = 3, ajustes_.Pontos4 = 4, ajustes_.Pontos5 = 5;
    for (size_t i = 1; i <= 4; ++i) ajustes_.Som[i] = T_Sons[i].Text;
    ajustes_.Evento = T_Evento.Text, ajustes_.Quadra = T_Quadra.Text;
    // With nothing selected in the list the language stays as it was.
    if (TemSelecao(L_Lingua)) ajustes_.Lingua = static_cast<int16_t>(L_Lingua.ListIndex);
    v_.ConfirmaConfiguracao(ajustes_);
    Aberto = false;
}

void Form2::T_Sons_DblClick(int indice) {
    if (indice < 1 || indice > 4) return;
    FormSom escolha(v_, plat_, *this);
    escolha.Indice = std::to_string(indice);
    escolha.Prepara(T_Sons[static_cast<size_t>(indice)].Text);
    plat_.MostraEscolhaSom(escolha);
}

}  // namespace vantor
