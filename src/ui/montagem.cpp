#include "ui/montagem.h"

namespace vantor::ui {

Montagem::Montagem() : plataforma_(std::make_unique<PlataformaQt>()), v_(std::make_unique<Vantor>(*plataforma_)) {
    v_->Form_Load();
    janela_ = std::make_unique<JanelaPlacar>(*v_);
    plataforma_->DefineJanela(janela_.get());
}

Montagem::~Montagem() {
    plataforma_->DefineJanela(nullptr);
    janela_.reset();
}

void Montagem::Mostra(bool telaCheia) {
    if (telaCheia) {
        janela_->setWindowFlag(Qt::FramelessWindowHint);
        janela_->showFullScreen();
    } else {
        janela_->show();
    }
    janela_->activateWindow();
}

}  // namespace vantor::ui
