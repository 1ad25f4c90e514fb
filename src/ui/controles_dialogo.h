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

// In pixels. Edges are rounded, not sizes, so controls that touch in twips touch on screen.
QRect Pixels(const Twips& t);

QFont FonteDosDialogos();

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
