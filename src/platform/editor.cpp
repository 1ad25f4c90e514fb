#include "platform/editor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace vantor::plataforma {

bool AbreNoEditor(const QString& caminho) {
    if (caminho.isEmpty()) return false;
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {caminho})) return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(caminho));
}

}  // namespace vantor::plataforma
