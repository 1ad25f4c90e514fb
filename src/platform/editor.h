// Opening a file in the desktop's text editor, without waiting for it, and hearing when that failed.
#pragma once

#include <QString>
#include <functional>

class QObject;

namespace vantor::plataforma {

// Starts xdg-open on the file, with no shell in between: the path is one argument whatever characters it holds.
// `semEditor` runs on this thread when xdg-open cannot start (it is not installed) or ends with a failure (no
// application takes the file), unless `contexto` is gone by then.
void AbreNoEditor(const QString& caminho, QObject* contexto, std::function<void()> semEditor);

// How many of the openers started here are still running.
qsizetype EditoresAbrindo();

}  // namespace vantor::plataforma
