#include "ui/plateia.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "ui/pintura.h"

namespace vantor::ui {

JanelaPlateia::JanelaPlateia(Vantor& v, JanelaPlacar& operador) : v_(v), operador_(operador) {
    setWindowTitle(QString::fromUtf8(kTitulo));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
    // Closing the operator's window ends the program, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void JanelaPlateia::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PintaTela(p, operador_.Tela(), VistaPlateia(operador_.Tela(), size()));
}

void JanelaPlateia::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Marca(true);
}

void JanelaPlateia::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    Marca(false);
}

void JanelaPlateia::Marca(bool mostra) {
    if (v_.Tela().plateiaVisivel == mostra) return;
    v_.PlateiaNaTela(mostra);
    operador_.Redesenha();
}

void JanelaPlateia::changeEvent(QEvent* e) {
    // A window manager may still activate it (a click on the projector): the keys belong to the operator.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && operador_.isVisible())
        QTimer::singleShot(0, &operador_, [o = &operador_] { o->activateWindow(); });
    QWidget::changeEvent(e);
}

Plateia::Plateia(Vantor& v, JanelaPlacar& operador) : operador_(operador), janela_(v, operador) {
    // Screens are taken out of the list after the signal; looking once the event is over sees the new list.
    auto depois = [this](QScreen*) { QTimer::singleShot(0, this, [this] { Posiciona(); }); };
    connect(qApp, &QGuiApplication::screenAdded, this, depois);
    connect(qApp, &QGuiApplication::screenRemoved, this, depois);
}

Plateia::~Plateia() = default;

QScreen* Plateia::OutraTela() const {
    const QScreen* doOperador = operador_.screen();
    for (QScreen* t : QGuiApplication::screens())
        if (t != doOperador) return t;
    return nullptr;
}

void Plateia::Inicia() {
    querida_ = OutraTela() != nullptr;
    Posiciona();
}

void Plateia::Alterna() {
    if (janela_.isVisible()) {
        querida_ = false;
        solta_ = false;
        janela_.hide();
        return;
    }
    querida_ = true;
    if (OutraTela()) {
        Posiciona();
        return;
    }
    // One screen: a window the operator can move, a quarter of the screen, over the operator's board.
    solta_ = true;
    tela_ = nullptr;
    janela_.setWindowFlag(Qt::FramelessWindowHint, false);
    const QRect t = operador_.screen() ? operador_.screen()->availableGeometry() : QRect(0, 0, 640, 480);
    janela_.setGeometry(QRect(t.topLeft() + QPoint(t.width() / 8, t.height() / 8), t.size() / 2));
    janela_.showNormal();
}

void Plateia::Posiciona() {
    if (!querida_) return;
    QScreen* outra = OutraTela();
    if (outra) {
        if (outra != tela_ || !janela_.isVisible() || solta_) MostraEm(outra);
        return;
    }
    // The audience's screen went away: nothing on the operator's; back when a screen returns.
    if (!solta_) {
        tela_ = nullptr;
        janela_.hide();
    }
}

void Plateia::MostraEm(QScreen* tela) {
    solta_ = false;
    tela_ = tela;
    janela_.hide();
    janela_.setWindowFlag(Qt::FramelessWindowHint, true);
    janela_.winId();  // the native window, so it can be given its screen
    janela_.windowHandle()->setScreen(tela);
    janela_.setGeometry(tela->geometry());
    janela_.showFullScreen();
    // Showing a window may take the keyboard on some window managers.
    if (operador_.isVisible()) operador_.activateWindow();
}

void Plateia::Atualiza() {
    if (janela_.isVisible()) janela_.update();
}

}  // namespace vantor::ui
