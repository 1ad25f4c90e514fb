// The configuration dialog's logic: filled from the record when it opens, stored all at once on OK.
#include "settings/form2.h"

#include <cstdio>

#include "app/vantor.h"
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

Form2::Form2(Vantor& v) : v_(v) {}

void Form2::Form_Load() {
    SelecionaIgual(L_Round, v_.Rounds, 1);
    SelecionaIgual(L_Intervalo, v_.Intervalo, 1);
    SelecionaIgual(L_Tempo, v_.Tempo, 60);
    T_Round.Text = std::to_string(v_.Rounds);
    T_RoundInicial.Text = std::to_string(v_.RoundInicial);
    T_Intervalo.Text = std::to_string(v_.Intervalo);
    T_Tempo.Text = std::to_string(v_.Tempo);
    T_TempoInicial.Text = std::to_string(v_.TempoInicial);
    for (size_t c = 1; c <= 2; ++c) {
        T_Nome[c].Text = v_.Nome[c];
        T_L2[c].Text = v_.L2[c];
    }
    for (size_t i = 1; i <= 4; ++i) T_Sons[i].Text = v_.Som[i];
    L_Lingua.ListIndex = v_.Lingua >= 0 && v_.Lingua <= 2 ? v_.Lingua : -1;
    L_Lingua_Click();
    Op_WTF.Value = v_.Regra == 0;
    Op_Fetesp.Value = v_.Regra == 1;
    Op_2017.Value = v_.Regra == 2;
    C_Limite.Value = v_.Limite != 99;
    T_Limite.Text = v_.Limite == 99 ? "" : std::to_string(v_.Limite);
    C_Diferenca.Value = v_.Diferenca != 99;
    T_Diferenca.Text = v_.Diferenca == 99 ? "" : std::to_string(v_.Diferenca);
    C_GoldenMeia.Value = v_.MeiaFaltaGolden;
    const auto pontos = std::array<int16_t, 3>{v_.Pontos1, v_.Pontos2, v_.Pontos3};
    O_12.Value = pontos == std::array<int16_t, 3>{1, 2, 0};
    O_23.Value = pontos == std::array<int16_t, 3>{2, 3, 0};
    O_13.Value = pontos == std::array<int16_t, 3>{1, 3, 0};
    O_123.Value = pontos == std::array<int16_t, 3>{1, 2, 3};
    Mostra_Regras();
}

void Form2::Mostra_Regras() {
    // Hidden controls keep their values: only what the rules use is shown.
    C_Limite.Visible = Op_Fetesp.Value;
    T_Limite.Visible = Op_Fetesp.Value && C_Limite.Value;
    C_Diferenca.Visible = Op_Fetesp.Value || Op_2017.Value;
    T_Diferenca.Visible = C_Diferenca.Value && (Op_Fetesp.Value || Op_2017.Value);
    C_GoldenMeia.Visible = Op_Fetesp.Value || Op_2017.Value;
}

void Form2::Acerta_Tela() {
    const int16_t lingua = v_.Lingua;
    v_.Lingua = static_cast<int16_t>(L_Lingua.ListIndex);  // a preview only: restored below
    Label1 = v_.Traduz(8) + ":";
    Label8 = v_.Traduz(3) + ":";
    Label2 = v_.Traduz(17) + ":";
    Label3 = v_.Traduz(22) + ":";
    Label7 = v_.Traduz(3) + ":";
    Command1 = v_.Traduz(11);
    Label13 = v_.Traduz(23) + ":";
    Label14 = v_.Traduz(24) + ":";
    Command2 = v_.Traduz(25);
    Label15 = v_.Traduz(26) + ":";
    Label4 = v_.Traduz(1) + ":";
    Label5 = v_.Traduz(2) + ":";
    Label11 = v_.Traduz(3) + " " + v_.Traduz(7) + ":";
    Label12 = v_.Traduz(20) + " " + v_.Traduz(7) + ":";
    Label10 = v_.Traduz(27) + ":";
    Label9 = v_.Traduz(20) + " " + v_.Traduz(21) + ":";
    Caption = v_.Traduz(28);
    v_.Lingua = lingua;
}

void Form2::Escolhe(Marca& regra) {
    for (Marca* m : {&Op_WTF, &Op_Fetesp, &Op_2017}) m->Value = m == &regra;
    Mostra_Regras();
}

void Form2::O_Click(Marca& opcao) {
    for (Marca* m : {&O_13, &O_23, &O_12, &O_123}) m->Value = m == &opcao;
}

void Form2::C_Limite_Click() {
    if (T_Limite.Text.empty()) T_Limite.Text = v_.Limite == 99 ? "15" : std::to_string(v_.Limite);
    Mostra_Regras();
}

void Form2::C_Diferenca_Click() {
    if (T_Diferenca.Text.empty()) T_Diferenca.Text = v_.Diferenca == 99 ? "9" : std::to_string(v_.Diferenca);
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
    T_TempoInicial.Text = T_Tempo.Text;
}

void Form2::L_Intervalo_Click() {
    if (TemSelecao(L_Intervalo)) T_Intervalo.Text = Decimal(NumeroDoItem(L_Intervalo));
}

void Form2::Command1_Click() {
    if (v_.plat.PerguntaOkCancela("Confirma entrar no modo de configuração dos botões?", kTitulo))
        v_.Configurando_b = Vantor::kPedeConfiguracaoBotoes;
}

void Form2::B_Ok_Click() {
    v_.Rounds = Numero(T_Round);
    v_.Intervalo = Numero(T_Intervalo);
    v_.Tempo = Numero(T_Tempo);
    v_.TempoInicial = Numero(T_TempoInicial);
    v_.RoundInicial = Numero(T_RoundInicial);
    for (size_t c = 1; c <= 2; ++c) {
        v_.Nome[c] = T_Nome[c].Text;
        v_.L2[c] = T_L2[c].Text;
    }
    v_.Regra = Op_WTF.Value ? 0 : Op_Fetesp.Value ? 1 : 2;
    v_.Limite = v_.Regra == 1 && C_Limite.Value ? Numero(T_Limite) : 99;
    v_.Diferenca = v_.Regra != 0 && C_Diferenca.Value ? Numero(T_Diferenca) : 99;
    v_.MeiaFaltaGolden = C_GoldenMeia.Value;
    v_.LimiteFaltas = 10;
    if (O_12.Value) v_.Pontos1 = 1, v_.Pontos2 = 2, v_.Pontos3 = 0;
    if (O_23.Value) v_.Pontos1 = 2, v_.Pontos2 = 3, v_.Pontos3 = 0;
    if (O_13.Value) v_.Pontos1 = 1, v_.Pontos2 = 3, v_.Pontos3 = 0;
    if (O_123.Value) v_.Pontos1 = 1, v_.Pontos2 = 2, v_.Pontos3 = 3;
    v_.ContaLutas = 0;
    v_.GravaLog("Configura\tRounds: " + std::to_string(v_.Rounds) + "\tIntervalo: " + std::to_string(v_.Intervalo) +
                "\tRound: " + std::to_string(v_.Tempo) + "\tNome Azul: " + T_Nome[1].Text + "\tL2 Azul: " +
                T_L2[1].Text + "\tNome Vermelho: " + T_Nome[2].Text + "\tL2 Vermelho: " + T_L2[2].Text +
                "\tÁrbitros: " + std::to_string(v_.Arbitros));
    for (size_t i = 1; i <= 4; ++i) v_.Som[i] = T_Sons[i].Text;
    v_.plat.PreparaSons({v_.Som.begin() + 1, v_.Som.begin() + 5});
    // With nothing selected in the list the language stays as it was.
    if (TemSelecao(L_Lingua)) v_.Lingua = static_cast<int16_t>(L_Lingua.ListIndex);
    // A settings file that cannot be written costs the next start its sounds and language, not this fight.
    v_.GravaConfig();
    Aberto = false;
}

void Form2::T_Sons_DblClick(int indice) {
    if (indice < 1 || indice > 4) return;
    FormSom escolha(v_, *this);
    escolha.Indice = std::to_string(indice);
    escolha.Prepara(T_Sons[static_cast<size_t>(indice)].Text);
    v_.plat.MostraEscolhaSom(escolha);
}

}  // namespace vantor
