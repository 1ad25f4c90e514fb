// Small pieces shared by the two dialogs: design geometry, their font, and list boxes that behave
// like the core's lists (one selected row or none, a click when the operator picks a row).
#pragma once

#include <QFont>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

class QListWidget;

namespace vantor::ui {

// A design rectangle: left, top, width and height in twips.
struct Twips {
    int esquerda, topo, largura, altura;
};

// In pixels, scaled by `escala`. Edges are rounded, not sizes, so controls that touch in twips touch on screen.
QRect Pixels(const Twips& t, double escala = 1);

// The font of the dialogs at a scale: the size of the board's key hints at that scale, so the dialog is read as
// easily as the board.
QFont FonteDosDialogos(double escala = 1);

// How much a dialog designed as `desenho` grows on the screen of `pai` (or the primary one): as the board's fonts
// do (by the smaller of the screen's ratios to 640 x 480), but never past what leaves it whole on that screen.
double EscalaDosDialogos(const QWidget* pai, const Twips& desenho);

// Shows `itens` unless the list already shows exactly them, so a resync keeps the scroll position;
// true when it had to rebuild the list.
bool PoeItens(QListWidget& lista, const std::vector<std::string>& itens);

// Selects row `linha`, or nothing for -1, without emitting any signal.
void Seleciona(QListWidget& lista, int linha);

// Calls `clique` with the row whenever the operator selects a row (mouse or keys) and when a plain
// press lands on the row already selected, as a list box's click; -1 when the operator cleared the
// selection. Lives as long as the list.
void LigaClique(QListWidget& lista, std::function<void(int)> clique);

}  // namespace vantor::ui
