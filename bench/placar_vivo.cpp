#include "placar_vivo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryFile>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <fstream>

namespace vantor::bench {

std::unique_ptr<QApplication> AplicacaoOffscreen(int& argc, char** argv) {
    // Two screens, as in a hall: the operator's and a projector's, where the audience's board opens.
    QTemporaryFile telas(QDir::tempPath() + QStringLiteral("/vantor-telas-XXXXXX.json"));
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && telas.open()) {
        telas.write(R"({"windowFrameMargins": false, "screens": [
            {"name": "operador", "x": 0, "y": 0, "width": 1024, "height": 768},
            {"name": "projetor", "x": 1024, "y": 0, "width": 1920, "height": 1080}]})");
        telas.flush();
        ::setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + telas.fileName().toStdString()).c_str(), 1);
    }
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
    std::filesystem::current_path(pasta.Caminho());
    ::setenv("TEMP", (pasta.Caminho() + "/").c_str(), 1);
    if (!opcoes.botoes.empty()) std::ofstream("botoes.cfg", std::ios::binary) << opcoes.botoes;

    programa = std::make_unique<ui::Montagem>();
    plataforma = &programa->Plataforma();
    v = &programa->Placar();
    janela = &programa->Janela();
    if (opcoes.segundosRound > 0) {
        // As the operator would set it in the dialog: the next fight's round length.
        Ajustes a = v->Config();
        a.Tempo = a.TempoInicial = static_cast<int16_t>(opcoes.segundosRound);
        v->DefineAjustes(a);
        EstadoLuta nova = v->Luta();
        nova.TempoRestante = a.Tempo;
        v->RestauraLuta(nova);
    }
    janela->installEventFilter(&pintura);
    QObject::connect(&janela->TimerJoystick(), &ui::TimerVinculado::Disparou, [this] { ++polls; });
    plateia = &programa->Audiencia().Janela();
    plateia->installEventFilter(&pinturaPlateia);
    programa->Mostra(false);
    // With one screen, F2 opens the audience's board as a window.
    if (!plateia->isVisible()) Tecla(Qt::Key_F2);
    QElapsedTimer limite;
    limite.start();
    for (QWidget* w : {static_cast<QWidget*>(janela), plateia})
        while (!w->windowHandle() || !w->windowHandle()->isExposed()) {
            if (limite.elapsed() > 5000) break;
            Espera(10);
        }
}

bool MedePintura::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() != QEvent::Paint || dentro_) return false;
    dentro_ = true;
    const Instante inicio = Relogio::now();
    alvo->event(e);
    pintando += Relogio::now() - inicio;
    ++quadros;
    if (aposPintar) aposPintar();
    dentro_ = false;
    return true;  // already delivered
}

PlacarVivo::~PlacarVivo() {
    janela->removeEventFilter(&pintura);
    plateia->removeEventFilter(&pinturaPlateia);
    programa.reset();
    std::error_code ec;
    std::filesystem::current_path(antes_, ec);
}

void PlacarVivo::Tecla(Qt::Key tecla) {
    QKeyEvent aperta(QEvent::KeyPress, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(janela, &aperta);
    QKeyEvent solta(QEvent::KeyRelease, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(janela, &solta);
}

void PlacarVivo::Espera(int milissegundos) {
    QEventLoop laco;
    QTimer::singleShot(milissegundos, Qt::PreciseTimer, &laco, &QEventLoop::quit);
    laco.exec();
}

}  // namespace vantor::bench
