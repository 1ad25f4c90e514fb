// The ring check on screen: lays out what the core says it shows, asking again every tenth of a second, and touches
// the widgets only when the answer changed. Esc or the close button closes it.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "app/conferencia.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace vantor::ui {

class DialogoConferencia : public QDialog {
    Q_OBJECT
public:
    explicit DialogoConferencia(std::function<ConferenciaDoRinque()> consulta, QWidget* pai = nullptr);

private:
    void Atualiza();
    // The headers and a lamp for each button in use, judge by judge in rows, red's values then blue's in columns.
    void MontaGrade(const ConferenciaDoRinque& c);

    std::function<ConferenciaDoRinque()> consulta_;
    std::optional<ConferenciaDoRinque> mostrada_;
    double escala_ = 1;
    QLabel *controles_ = nullptr, *situacao_ = nullptr, *instrucao_ = nullptr;
    QGridLayout* grade_ = nullptr;
    QPushButton* fechar_ = nullptr;
    std::vector<QWidget*> celulas_;  // the grid's, made again when the buttons in use change
    std::vector<QLabel*> lampadas_;  // as the core lists them
};

}  // namespace vantor::ui
