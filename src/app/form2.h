// The configuration dialog and the sound-file chooser as plain data with their handlers. A front end
// shows them and calls the handlers; tests drive them directly.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/plataforma.h"
#include "settings/ajustes.h"
#include "settings/modelos.h"

namespace vantor {

class Vantor;

// The longest name or second line the dialog takes: a long name with both family names, a federation's name.
constexpr int kMaiorNome = 40;

struct CaixaTexto {
    std::string Text;
    bool Visible = true;
};

// A check box or an option button.
struct Marca {
    bool Value = false;
    bool Visible = true;
    std::string Caption;
};

struct Lista {
    std::vector<std::string> itens;
    int ListIndex = -1;  // -1: nothing selected
};

// It works on its own copy of the settings and its own choice of language; the record changes only on OK.
class Form2 {
public:
    // The table it edits the settings of, and the platform it asks questions through and plays cues on.
    Form2(Vantor& v, Plataforma& plat);

    CaixaTexto T_Round, T_Tempo, T_RoundInicial, T_TempoInicial, T_Intervalo, T_Limite, T_Diferenca;
    CaixaTexto T_Cartoes;                    // video review cards per corner (0: none)
    CaixaTexto T_Evento, T_Quadra;           // the day's event and ring
    std::array<CaixaTexto, 3> T_Nome, T_L2;  // 1 blue, 2 red
    std::array<CaixaTexto, 5> T_Sons;        // 1..4
    Lista L_Round{{" 1", " 2", " 3"}};
    Lista L_Tempo{{"1 min", "1.5 min", "2 min", "3 min", ".2 min"}};
    Lista L_Intervalo{{"15 s", "30 s", "40 s", "50 s", "60 s"}};
    Lista L_Lingua{{"Portugues", "Spanish", "English"}};
    Lista L_Modelo;  // the models of settings, by name
    Lista L_Lutas;   // the ring's list of bouts, the loaded one selected
    Marca Op_WTF{.Caption = "WTF antiga"}, Op_Fetesp{.Caption = "Com limite e diferença de pontos"},
        Op_2017{.Caption = "WTF regra 2017"}, Op_2022{.Caption = "WT 2022 (melhor de 3 rounds)"};  // one group
    Marca O_13{.Caption = "1 e 3 pontos"}, O_23{.Caption = "2 e 3 pontos"}, O_12{.Caption = "1 e 2 pontos"},
        O_123{.Caption = "1, 2  e 3 pontos"}, O_12345{.Caption = "1, 2, 3, 4 e 5 pontos"};  // another group
    Marca C_Limite{.Caption = "Limite de Pontos:"}, C_Diferenca{.Caption = "Diferença de pontos:"},
        C_GoldenMeia{.Caption = "Meia falta no Golden Round"};

    // Language-dependent captions, written by Acerta_Tela.
    std::string Caption = "Configurações";
    std::string L_RoundsRotulo = "Rounds:", L_RoundInicialRotulo = "Começa:", L_IntervaloRotulo = "Intervalo:",
                L_TempoRotulo = "Tempo:", L_TempoInicialRotulo = "Começa:", B_Botoes = "Configurar Botões",
                L_SonsRotulo = "Sons:", L_LinguaRotulo = "Língua:", B_Cancela = "Cancelar", L_NomesRotulo = "Nomes:",
                L_AzulRotulo = "Azul:", L_VermelhoRotulo = "Vermelho:", L_SomMinutoRotulo = "Início 1 minuto:",
                L_SomFimMinutoRotulo = "Fim 1 minuto:", L_SomFimLutaRotulo = "Fim de luta:",
                L_SomFimRoundRotulo = "Fim de round:", Q_Regras = "Sistema de Regras", Q_Botoes = "Botões",
                L_ModeloRotulo = "Modelo:", L_CartoesRotulo = "Revisões:", B_Lista = "Carregar lista…",
                L_EventoRotulo = "Evento:", L_QuadraRotulo = "Quadra:", B_Conferencia = "Conferir controles: J";

    bool Aberto = true;  // false once OK or Cancel closed it

    void Form_Load();
    void Mostra_Regras();
    void Acerta_Tela();
    void Op_WTF_Click() { Escolhe(Op_WTF); }
    void Op_Fetesp_Click() { Escolhe(Op_Fetesp); }
    void Op_2017_Click() { Escolhe(Op_2017); }
    void Op_2022_Click() { Escolhe(Op_2022); }
    void O_Click(Marca& opcao);  // one of the point-value options
    void C_Limite_Click();
    void C_Diferenca_Click();
    void C_GoldenMeia_Click() {}
    void L_Round_Click();
    void L_Tempo_Click();
    void L_Intervalo_Click();
    // The operator typed in T_Tempo: the start time follows while it still equals the round time it had, as
    // choosing a preset does.
    void T_Tempo_Change();
    void L_Lingua_Click() { Acerta_Tela(); }
    void L_Modelo_Click();  // the boxes show the chosen model's settings
    // A bout of the list picked: its names, second lines and model fill the boxes, still editable before OK.
    void L_Lutas_Click();
    // A list of bouts chosen by the operator and loaded; what is wrong with it is said, and the old one stays.
    void B_Lista_Click();
    void B_Botoes_Click();
    void B_Conferencia_Click();
    void B_Cancela_Click() { Aberto = false; }
    void B_Ok_Click();
    // Opens the sound-file chooser for box `indice` (1..4).
    void T_Sons_DblClick(int indice);

private:
    void Escolhe(Marca& regra);
    // The boxes and options of the bout's settings (not names, sounds or language) from `a`.
    void MostraAjustes(const Ajustes& a);
    void MostraLista();
    std::string Traduz(int entrada) const;  // in the language chosen in the list
    Vantor& v_;
    Plataforma& plat_;
    Ajustes ajustes_;
    std::string tempoAnterior_;  // T_Tempo as the start time last followed it
    Modelos modelos_;
};

// The sound-file chooser for one of the dialog's sound boxes.
class FormSom {
public:
    FormSom(Vantor& v, Plataforma& plat, Form2& dialogo);

    std::vector<std::string> L_Unidades;  // mounted volumes, "/" first
    int DriveIndex = 0;
    std::string L_Pastas;                 // the folder shown
    std::vector<std::string> Pastas;      // its sub-folders, by name
    std::vector<std::string> L_Arquivos;  // its WAV files, by name
    int FileIndex = -1;
    std::string Indice;  // the box served, as text

    bool Aberto = true;

    // Points the lists at the folder of the box's path and selects its file when listed.
    void Prepara(const std::string& caminho);
    void L_Unidades_Change();
    // Moves the folder list to `pasta` (absolute) and refreshes the file list (L_Pastas_Change); false, and
    // nothing changed, when it cannot be read.
    bool MudaPasta(const std::string& pasta);
    void L_Pastas_Change();
    void L_Arquivos_Click();
    void L_Arquivos_DblClick() { OKButton_Click(); }
    void OKButton_Click();
    void CancelButton_Click() { Aberto = false; }
    std::string Selecionado() const;  // full path of the selected file

private:
    Vantor& v_;
    Plataforma& plat_;
    Form2& dialogo_;
};

// The folder part of a sound path with its trailing separator, made absolute against the program folder.
std::string ExtraiPasta(const std::string& caminho, const std::string& pastaPrograma);
// The file-name part of a path.
std::string ExtraiNome(const std::string& caminho);
// Mount points of real volumes, "/" first.
std::vector<std::string> Volumes();

}  // namespace vantor
