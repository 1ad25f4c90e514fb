// Whether any application of the desktop takes plain text: with none, xdg-open would only search, slowly, for
// something that does not exist, and the operator waits for nothing.
#pragma once

namespace vantor::plataforma {

bool HaEditorDeTexto();

}  // namespace vantor::plataforma
