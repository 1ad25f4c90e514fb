#include "ui/controles_dialogo.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <cmath>

#include "ui/pintura.h"

namespace vantor::ui {

namespace {

int Pixel(int twips) { return static_cast<int>(std::lround(twips / kTwipsPorPixel)); }

int LinhaSelecionada(const QListWidget& lista) {
    const auto itens = lista.selectedItems();
    return itens.isEmpty() ? -1 : lista.row(itens.first());
}

class CliqueDeLista : public QObject {
public:
    CliqueDeLista(QListWidget& lista, std::function<void(int)> clique)
        : QObject(&lista), lista_(lista), clique_(std::move(clique)) {
        lista.viewport()->installEventFilter(this);
        connect(&lista, &QListWidget::itemSelectionChanged, this, [this] { clique_(LinhaSelecionada(lista_)); });
    }

protected:
    // A press on the selected row changes no selection, yet it is a click all the same (a preset
    // chosen again after its box was edited, a sound heard again).
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress) return false;
        const auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton || m->modifiers() != Qt::NoModifier) return false;
        const int linha = lista_.indexAt(m->position().toPoint()).row();
        if (linha >= 0 && linha == LinhaSelecionada(lista_)) clique_(linha);
        return false;
    }

private:
    QListWidget& lista_;
    std::function<void(int)> clique_;
};

}  // namespace

QRect Pixels(const Twips& t) {
    const int x = Pixel(t.esquerda), y = Pixel(t.topo);
    return {x, y, Pixel(t.esquerda + t.largura) - x, Pixel(t.topo + t.altura) - y};
}

QFont FonteDosDialogos() {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(PixelsDaFonte(7.5));
    return fonte;
}

bool PoeItens(QListWidget& lista, const std::vector<std::string>& itens) {
    bool iguais = lista.count() == static_cast<int>(itens.size());
    for (int i = 0; iguais && i < lista.count(); ++i)
        iguais = lista.item(i)->text() == QString::fromStdString(itens[static_cast<size_t>(i)]);
    if (iguais) return false;
    const QSignalBlocker bloqueio(lista);
    lista.clear();
    for (const auto& item : itens) lista.addItem(QString::fromStdString(item));
    return true;
}

void Seleciona(QListWidget& lista, int linha) {
    const QSignalBlocker bloqueio(lista);
    if (linha >= 0 && linha < lista.count()) {
        lista.setCurrentRow(linha, QItemSelectionModel::ClearAndSelect);
    } else {
        lista.clearSelection();
        lista.setCurrentRow(-1);
    }
}

void LigaClique(QListWidget& lista, std::function<void(int)> clique) { new CliqueDeLista(lista, std::move(clique)); }

}  // namespace vantor::ui
