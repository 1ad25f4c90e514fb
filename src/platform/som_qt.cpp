#include "platform/som.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vantor {

namespace {

// The working folder first, then the program's own.
QString Resolve(const std::string& arquivo, const std::string& pastaPrograma) {
    const QString nome = QString::fromStdString(arquivo);
    if (QDir::isAbsolutePath(nome)) return nome;
    const QString local = QDir::current().absoluteFilePath(nome);
    if (QFileInfo::exists(local)) return local;
    return QDir(QString::fromStdString(pastaPrograma)).absoluteFilePath(nome);
}

// Only a RIFF/WAVE file reaches Qt, so a bad name costs nothing and leaves no warning on stderr.
bool PareceWav(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.isFile() || info.size() < 44) return false;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray cabecalho = f.read(12);
    return cabecalho.size() == 12 && cabecalho.startsWith("RIFF") && cabecalho.mid(8, 4) == "WAVE";
}

}  // namespace

SomQt::SomQt(std::string pastaPrograma)
    : pastaPrograma_(std::move(pastaPrograma)), efeito_(std::make_unique<QSoundEffect>()) {}

SomQt::~SomQt() = default;

void SomQt::Toca(const std::string& arquivo) {
    efeito_->stop();
    if (arquivo.empty()) return;
    const QString caminho = Resolve(arquivo, pastaPrograma_);
    if (!PareceWav(caminho)) return;
    // A new source stops the old one; the same source is restarted from its beginning.
    efeito_->setSource(QUrl::fromLocalFile(caminho));
    efeito_->play();
}

}  // namespace vantor
