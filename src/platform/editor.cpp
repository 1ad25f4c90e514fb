#include "platform/editor.h"

#include <QList>
#include <QPointer>
#include <QProcess>

namespace vantor::plataforma {

namespace {
// The openers still running. A QProcess destroyed while its child runs kills the child, and xdg-open may run the
// editor in the foreground, which must outlive the scoreboard: so a running one is never destroyed, and the list
// itself is never freed, so that what is left in it at the end is still reachable.
QList<QProcess*>& Abrindo() {
    static auto* const abrindo = new QList<QProcess*>;
    return *abrindo;
}
}  // namespace

void AbreNoEditor(const QString& caminho, QObject* contexto, std::function<void()> semEditor) {
    auto* p = new QProcess;
    Abrindo().append(p);
    // Our own output, not pipes: an editor still writing to a pipe after we have gone would die of SIGPIPE.
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->setStandardInputFile(QProcess::nullDevice());
    const auto termina = [p, dono = QPointer<QObject>(contexto), semEditor = std::move(semEditor)](bool falhou) {
        Abrindo().removeOne(p);
        p->deleteLater();
        if (falhou && dono && semEditor) semEditor();
    };
    QObject::connect(p, &QProcess::errorOccurred, p, [termina](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) termina(true);  // any other error ends with finished() as well
    });
    QObject::connect(p, &QProcess::finished, p, [termina](int codigo, QProcess::ExitStatus s) {
        termina(s != QProcess::NormalExit || codigo != 0);
    });
    p->start(QStringLiteral("xdg-open"), {caminho});
}

qsizetype EditoresAbrindo() { return Abrindo().size(); }

}  // namespace vantor::plataforma
