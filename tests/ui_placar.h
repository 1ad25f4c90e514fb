// A scoreboard for front-end tests: a fresh record on a fake platform with a chosen screen size,
// logs in a temporary folder, and the real window over it.
#pragma once

#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>
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

    // Real key events, as the window system delivers them.
    void Teclas(std::initializer_list<Qt::Key> teclas) {
        for (Qt::Key t : teclas) QTest::keyClick(janela.get(), t);
    }
};

}  // namespace vantor::teste
