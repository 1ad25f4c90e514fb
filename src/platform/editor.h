// Opening a file in the desktop's text editor, without waiting for it.
#pragma once

#include <QString>

namespace vantor::plataforma {

// Starts the desktop's opener on the file, with no shell in between: the path is one argument
// whatever characters it holds. False when neither the opener nor the desktop services would take it.
bool AbreNoEditor(const QString& caminho);

}  // namespace vantor::plataforma
