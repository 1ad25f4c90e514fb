// A scoreboard for front-end tests: a fresh record on a fake platform with a chosen screen size,
// logs in a temporary folder, and the real window over it.
#pragma once

#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "ui/janela_placar.h"

namespace vantor::teste {

struct Placar {
    QTemporaryDir pasta;
    FakePlataforma plat;
    std::unique_ptr<Vantor> v;
    std::unique_ptr<ui::JanelaPlacar> janela;

    Placar(int largura, int altura) {
        plat.largura = largura;
        plat.altura = altura;
        plat.temp = pasta.path().toStdString() + "/";
        plat.pastaPrograma = pasta.path().toStdString();
        v = std::make_unique<Vantor>(plat);
        v->Form_Load();
        janela = std::make_unique<ui::JanelaPlacar>(*v);
    }

    // The window as it is painted now.
    QImage Imagem() const { return janela->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A point of the design layout (twips on the 640 x 480 design), scaled to this screen and moved
    // by a few pixels, so samples can sit just inside a control's edge.
    QPoint Ponto(double xTwips, double yTwips, int dx = 0, int dy = 0) const {
        return {static_cast<int>(std::lround(xTwips / 15.0 * plat.largura / 640.0)) + dx,
                static_cast<int>(std::lround(yTwips / 15.0 * plat.altura / 480.0)) + dy};
    }
};

}  // namespace vantor::teste
