// The scoreboard program: the assembly, shown full screen.
#include <QApplication>

#include "ui/montagem.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    vantor::ui::Montagem programa;
    programa.Mostra(true);
    // Closing the window is the last window closing: the event loop ends and so does the program.
    return app.exec();
}
