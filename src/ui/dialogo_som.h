// The sound-file chooser on screen: shows a FormSom's drives, folders and WAV files and turns the
// operator's actions into its handlers; the FormSom does the listing, the playing and the writing.
#pragma once

#include <QDialog>
#include <functional>

#include "app/form2.h"

class QComboBox;
class QListWidget;

namespace vantor::ui {

class DialogoSom : public QDialog {
    Q_OBJECT
public:
    DialogoSom(FormSom& escolha, QWidget* pai = nullptr);

    // Writes the FormSom into the widgets, emitting nothing.
    void Sincroniza();

    // Esc, CancelButton and the window's close button.
    void reject() override;

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    // One operator action: the handler, then everything back out; closes once the FormSom has.
    void Executa(const std::function<void()>& handler);
    // Opens the folder on row `linha` of the folder list: ".." or a sub-folder (row 0 is the folder shown).
    void AbrePasta(int linha);

    FormSom& s_;
    double escala_ = 1;
    QComboBox* drive_;
    QListWidget* pastas_;
    QListWidget* arquivos_;
};

}  // namespace vantor::ui
