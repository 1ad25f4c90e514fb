#include "ui/controles_dialogo.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/pintura.h"

namespace vantor::ui {

namespace {

int Pixel(int twips, double escala) { return static_cast<int>(std::lround(twips / kTwipsPorPixel * escala)); }

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

QRect Pixels(const Twips& t, double escala) {
    const int x = Pixel(t.esquerda, escala), y = Pixel(t.topo, escala);
    return {x, y, Pixel(t.esquerda + t.largura, escala) - x, Pixel(t.topo + t.altura, escala) - y};
}

QFont FonteDosDialogos(double escala) {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(PixelsDaFonte(kPontosDasDicas * escala));
    return fonte;
}

double EscalaDosDialogos(const QWidget* pai, const Twips& desenho) {
    const QScreen* tela = pai && pai->screen() ? pai->screen() : QGuiApplication::primaryScreen();
    if (!tela) return 1;
    const QSize inteira = tela->geometry().size(), livre = tela->availableGeometry().size();
    const double escala = std::min(inteira.width() / 640.0, inteira.height() / 480.0);
    // Room for the window's title bar.
    const double cabe = std::min(static_cast<double>(livre.width()) / Pixels(desenho).width(),
                                 (livre.height() - 40.0) / Pixels(desenho).height());
    return std::max(1.0, std::min(escala, cabe));
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
