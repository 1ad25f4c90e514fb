#include "placar_vivo.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <fstream>

namespace vantor::bench {

std::unique_ptr<QApplication> AplicacaoOffscreen(int& argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    return app;
}

bool ObservaTimers::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() != QEvent::Timer || dentro_) return false;
    dentro_ = true;
    if (antes) antes();
    const Instante inicio = Relogio::now();
    alvo->event(e);
    if (depois) depois(inicio);
    dentro_ = false;
    return true;  // already delivered
}

PlacarVivo::PlacarVivo(const Opcoes& opcoes) : antes_(std::filesystem::current_path()) {
    std::filesystem::current_path(pasta.caminho());
    ::setenv("TEMP", (pasta.caminho() + "/").c_str(), 1);
    if (!opcoes.botoes.empty()) std::ofstream("botoes.cfg", std::ios::binary) << opcoes.botoes;

    plataforma = std::make_unique<ui::PlataformaQt>();
    v = std::make_unique<Vantor>(*plataforma);
    v->Form_Load();
    if (opcoes.segundosRound > 0) {
        // As the operator would set it in the dialog: the next fight's round length.
        v->Tempo = static_cast<int16_t>(opcoes.segundosRound);
        v->ZeraLuta();
    }
    janela = std::make_unique<JanelaMedida>(*v);
    plataforma->DefineJanela(janela.get());
    QObject::connect(&janela->TimerJoystick(), &ui::TimerVinculado::Disparou, [this] { ++polls; });
    janela->show();
    QElapsedTimer limite;
    limite.start();
    while (!janela->windowHandle() || !janela->windowHandle()->isExposed()) {
        if (limite.elapsed() > 5000) break;
        Espera(10);
    }
}

PlacarVivo::~PlacarVivo() {
    janela.reset();
    v.reset();
    plataforma.reset();
    std::error_code ec;
    std::filesystem::current_path(antes_, ec);
}

void PlacarVivo::Tecla(Qt::Key tecla) {
    QKeyEvent aperta(QEvent::KeyPress, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(janela.get(), &aperta);
    QKeyEvent solta(QEvent::KeyRelease, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(janela.get(), &solta);
}

void PlacarVivo::Espera(int milissegundos) {
    QEventLoop laco;
    QTimer::singleShot(milissegundos, Qt::PreciseTimer, &laco, &QEventLoop::quit);
    laco.exec();
}

}  // namespace vantor::bench
