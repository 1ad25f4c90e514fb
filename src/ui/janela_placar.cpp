#include "ui/janela_placar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <functional>

#include "ui/pintura.h"
#include "ui/teclas.h"

namespace vantor::ui {

JanelaPlacar::JanelaPlacar(Vantor& v, QSize tela, QWidget* pai) : QWidget(pai), v_(v) {
    tela_.Escala(tela.width(), tela.height());
    tela_.Mostra(v_.Tela());
    versao_ = v_.VersaoDaTela();
    setWindowTitle(QString::fromUtf8(kTitulo));
    // Every pixel is painted each time; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(static_cast<int>(std::lround(tela_.Width / kTwipsPorPixel)),
           static_cast<int>(std::lround(tela_.Height / kTwipsPorPixel)));

    timerLuta_ = &LigaTimer(
        v_.Janela().Timer_Luta, [this] { v_.Timer_Luta_Timer(); }, TimerVinculado::Modo::SemDeriva);
    timerJoystick_ = &LigaTimer(v_.Janela().Timer_Joystick, [this] { v_.Timer_Joystick_Timer(); });
    for (int k = 1; k <= kBotoes; ++k)
        LigaTimer(v_.Janela().Timer_Botao[static_cast<size_t>(k)], [this, k] { v_.Timer_Botao_Timer(k); });
}

JanelaPlacar::~JanelaPlacar() = default;

TimerVinculado& JanelaPlacar::LigaTimer(const Timer& timer, std::function<void()> handler, TimerVinculado::Modo modo) {
    auto aoTick = [this, h = std::move(handler)] {
        const auto desde = AgendaTicks::Relogio::now();
        h();
        Depois(desde);
    };
    timers_.push_back(std::make_unique<TimerVinculado>(timer, std::move(aoTick), modo, this));
    timers_.back()->Sincroniza();
    return *timers_.back();
}

void JanelaPlacar::Sincroniza(AgendaTicks::Instante desde) {
    for (auto& t : timers_) t->Sincroniza(desde);
}

void JanelaPlacar::Depois(AgendaTicks::Instante desde) {
    Sincroniza(desde);
    Redesenha();
}

void JanelaPlacar::Redesenha() {
    // Most ticks (twenty polls a second) change nothing: the core says so, and the board is not repainted for them.
    if (v_.VersaoDaTela() == versao_) return;
    versao_ = v_.VersaoDaTela();
    tela_.Mostra(v_.Tela());
    update();
    emit Mudou();
}

void JanelaPlacar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Vista vista = VistaOperador(tela_);
    vista.area = rect();
    PintaTela(p, tela_, vista);
    // Start-up is timed to the first painted frame (bench/bench_inicio.cpp): with VANTOR_MARCA_QUADRO set,
    // its value goes to stderr once that paint is done. Unset after, so later paints say nothing.
    if (qEnvironmentVariableIsSet("VANTOR_MARCA_QUADRO")) {
        p.end();
        std::fprintf(stderr, "%s\n", qgetenv("VANTOR_MARCA_QUADRO").constData());
        qunsetenv("VANTOR_MARCA_QUADRO");
    }
}

const Controle* JanelaPlacar::ControleEm(QPoint ponto) const {
    const auto& ordem = tela_.ordem;
    for (size_t i = ordem.size(); i-- > 0;) {  // topmost first
        const Controle& c = *ordem[i];
        if (!c.Visible || !(c.Clicavel || c.DuploClicavel)) continue;
        if (RetanguloPixels(c).contains(ponto)) return &c;
    }
    return nullptr;
}

void JanelaPlacar::Toca(QPoint ponto, Toque toque) {
    const Controle* c = ControleEm(ponto);
    if (!c) return;
    const auto desde = AgendaTicks::Relogio::now();
    v_.Clique(c->Name, toque);
    Depois(desde);
}

// A double click arrives as a press, then a double-click event in place of the second press:
// the first runs the click handler, the second the double-click one.
void JanelaPlacar::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Toca(e->position().toPoint(), Toque::Clique);
}

void JanelaPlacar::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Toca(e->position().toPoint(), Toque::DuploClique);
}

void JanelaPlacar::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F2 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit PediuPlateia();
        return;
    }
    const int codigo = CodigoVirtual(e->key(), e->modifiers());
    if (codigo == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    const auto desde = AgendaTicks::Relogio::now();
    v_.Form_KeyDown(codigo, MascaraModificadores(e->modifiers()));
    Depois(desde);
}

bool JanelaPlacar::event(QEvent* e) {
    // Every key belongs to the scoreboard: no shortcut may take one first.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

}  // namespace vantor::ui
