// The configuration dialog on screen: shows a Form2 at its design geometry and turns the operator's
// actions into the Form2's handlers. Every rule stays in the Form2; this only renders and forwards.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/form2.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantor::ui {

struct Twips;

class DialogoConfig : public QDialog {
    Q_OBJECT
public:
    DialogoConfig(Form2& form, QWidget* pai = nullptr);

    // Writes every field of the Form2 into the widgets, emitting nothing.
    void Sincroniza();

    // Esc, B_Cancela and the window's close button: the Form2's cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    // Copies the boxes' texts into the Form2.
    void Le();
    // One operator action: the texts in, the handler, everything back out; closes once the Form2 has.
    void Executa(const std::function<void()>& handler);

    QLabel* Rotulo(const char* nome, std::string& legenda, const Twips& t, bool direita);
    QLineEdit* Caixa(const char* nome, CaixaTexto& caixa, const Twips& t);
    // A push button that runs `clique` and is not the default one.
    QPushButton* Botao(const char* nome, std::string& legenda, const Twips& t, void (Form2::*clique)());
    QListWidget* CaixaLista(const char* nome, Lista& lista, const Twips& t, void (Form2::*clique)());
    QAbstractButton* Opcao(QGroupBox* moldura, const char* nome, Marca& marca, const Twips& t,
                           std::function<void()> clique);
    QAbstractButton* Verificacao(const char* nome, Marca& marca, const Twips& t, void (Form2::*clique)());

    Form2& f_;
    double escala_ = 1;
    std::vector<std::pair<QLineEdit*, CaixaTexto*>> caixas_;
    std::vector<std::pair<QAbstractButton*, Marca*>> marcas_;
    std::vector<std::pair<QListWidget*, Lista*>> listas_;
    std::vector<std::pair<QComboBox*, Lista*>> combos_;  // lists of one line
    std::vector<std::pair<QLabel*, std::string*>> rotulos_;
    std::vector<std::pair<QAbstractButton*, std::string*>> botoes_;
    std::vector<std::pair<QGroupBox*, std::string*>> molduras_;
    std::array<QLineEdit*, 5> sons_{};  // T_Sons(1..4)
};

}  // namespace vantor::ui
