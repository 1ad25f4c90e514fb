#include "ui/montagem.h"

namespace vantor::ui {

Montagem::Montagem() : plataforma_(std::make_unique<PlataformaQt>()), v_(std::make_unique<Vantor>(*plataforma_)) {
    v_->Form_Load();
    v_->DiscoEmSegundoPlano();  // a slow disk must never hold the clock
    janela_ = std::make_unique<JanelaPlacar>(*v_);
    plataforma_->DefineJanela(janela_.get());
    plateia_ = std::make_unique<Plateia>(*v_, *janela_);
    QObject::connect(janela_.get(), &JanelaPlacar::mudou, plateia_.get(), &Plateia::Atualiza);
    QObject::connect(janela_.get(), &JanelaPlacar::pediuPlateia, plateia_.get(), &Plateia::Alterna);
}

Montagem::~Montagem() {
    v_->Guarda();  // the window closed: what the event under way made goes to the disk too
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
