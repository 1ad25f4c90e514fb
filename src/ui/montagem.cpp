#include "ui/montagem.h"

namespace vantor::ui {

Montagem::Montagem() : plataforma_(std::make_unique<PlataformaQt>()), v_(std::make_unique<Vantor>(*plataforma_)) {
    v_->Form_Load();
    janela_ = std::make_unique<JanelaPlacar>(*v_);
    plataforma_->DefineJanela(janela_.get());
    plateia_ = std::make_unique<Plateia>(*v_, *janela_);
    QObject::connect(janela_.get(), &JanelaPlacar::mudou, plateia_.get(), &Plateia::Atualiza);
    QObject::connect(janela_.get(), &JanelaPlacar::pediuPlateia, plateia_.get(), &Plateia::Alterna);
}

Montagem::~Montagem() {
    v_->Guarda();  // the window closed: lines a disk refused so far get one more try
    plataforma_->DefineJanela(nullptr);
    plateia_.reset();
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
    plateia_->Inicia();
}

}  // namespace vantor::ui
