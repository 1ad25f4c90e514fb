// The scoreboard program: one match record, one full-screen window.
#include <QApplication>

#include "app/vantor.h"
#include "ui/janela_placar.h"
#include "ui/plataforma_qt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));

    vantor::ui::PlataformaQt plataforma;
    vantor::Vantor v(plataforma);
    v.Form_Load();

    vantor::ui::JanelaPlacar janela(v);
    plataforma.DefineJanela(&janela);
    janela.setWindowFlag(Qt::FramelessWindowHint);
    janela.showFullScreen();
    janela.activateWindow();
    // Closing the window is the last window closing: the event loop ends and so does the program.
    return app.exec();
}
