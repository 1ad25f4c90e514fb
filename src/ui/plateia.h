// The audience's board: the record the operator's window shows, painted without the operator's aids and scaled
// to a screen of its own.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/vantor.h"
#include "ui/janela_placar.h"

class QScreen;

namespace vantor::ui {

// One more view of the same record; it takes no input and hands any activation back to the operator's window.
class JanelaPlateia : public QWidget {
public:
    JanelaPlateia(Vantor& v, JanelaPlacar& operador);

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    // The operator's board marks whether this one shows.
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Marca(bool mostra);
    Vantor& v_;
    JanelaPlacar& operador_;
};

// Where and whether the audience's board shows. With a second screen it fills that screen from the start; F2
// hides it and shows it again. With one screen F2 opens it as an ordinary window to drag onto a projector. It
// follows screens as they come and go: onto a new screen, away with a screen that goes, back when one returns.
class Plateia : public QObject {
public:
    Plateia(Vantor& v, JanelaPlacar& operador);
    ~Plateia() override;

    // Places the board for the screens there are now; the operator's window is shown by then.
    void Inicia();
    // F2.
    void Alterna();
    // The board changed: repaint along with the operator's window.
    void Atualiza();

    JanelaPlateia& Janela() { return janela_; }

private:
    QScreen* OutraTela() const;
    void Posiciona();
    void MostraEm(QScreen* tela);

    QWidget& operador_;
    JanelaPlateia janela_;
    bool querida_ = false;    // the operator wants it (F2 toggles; a second screen at start wants it)
    bool solta_ = false;      // an ordinary window on the operator's screen
    QPointer<QScreen> tela_;  // the screen it fills, if any
};

}  // namespace vantor::ui
