// The scoresheet in a window of the program's own, for when no desktop editor opens the fight's log: the log as
// read-only text to read, select with the mouse and copy (Ctrl+A, Ctrl+C), save as a PDF or print. Not modal, and
// the board stays in charge: while it is in front, the board's keys (Space, the score keys, Enter...) still go to the
// board. Esc closes it.
#pragma once

#include <QDialog>
#include <QString>

#include "lang/idioma.h"

class QPlainTextEdit;
class QPushButton;

namespace vantor::ui {

class JanelaSumula : public QDialog {
    Q_OBJECT
public:
    explicit JanelaSumula(QWidget* pai = nullptr);

    // Reads `log` again (it grows as the fight goes on) and brings the window up, the end of the text in view and
    // its own texts in language `lingua`. No log yet ("") or one that cannot be read shows a one-line note instead,
    // and nothing to save or print.
    void Mostra(const QString& log, int lingua);

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    QString Traduz(int entrada) const;
    void SalvaPdf();
    void Imprime();
    // The PDF or the printout failed: says so, with the reason.
    void AvisaFalha(const QString& erro);

    TabelaIdioma tabela_;
    QString log_;
    int lingua_ = 0;
    QPlainTextEdit* texto_;
    QPushButton* pdf_;
    QPushButton* imprime_;
};

}  // namespace vantor::ui
