// WAV files are read here and fed to a QAudioSink. QSoundEffect would do the reading for us, but its
// sample cache in Qt 6.4 can deadlock the caller when the source changes, which a scoreboard cannot afford.
#include "platform/som.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <QtEndian>

#include <optional>

namespace vantor {

namespace {

// Bigger than any cue; a wrong choice of file must not fill the memory.
constexpr qint64 kMaiorArquivo = 64 << 20;

struct Deixa {
    QAudioFormat formato;
    QByteArray amostras;
};

// The working folder first, then the program's own.
QString Resolve(const std::string& arquivo, const std::string& pastaPrograma) {
    const QString nome = QString::fromStdString(arquivo);
    if (QDir::isAbsolutePath(nome)) return nome;
    const QString local = QDir::current().absoluteFilePath(nome);
    if (QFileInfo::exists(local)) return local;
    return QDir(QString::fromStdString(pastaPrograma)).absoluteFilePath(nome);
}

// Uncompressed PCM (8, 16, 24 or 32 bits) and 32-bit float; anything else is no cue at all.
std::optional<Deixa> LeWav(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.isFile() || info.size() < 44 || info.size() > kMaiorArquivo) return std::nullopt;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray b = f.readAll();
    if (!b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return std::nullopt;

    auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); };
    auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(b.constData() + i); };
    int tipo = 0, canais = 0, bits = 0, quadro = 0;
    quint32 taxa = 0;
    QByteArray dados;
    for (qsizetype i = 12; i + 8 <= b.size();) {
        const QByteArray id = b.mid(i, 4);
        const qsizetype tamanho = std::min<qsizetype>(u32(i + 4), b.size() - i - 8);
        if (id == "fmt " && tamanho >= 16) {
            tipo = u16(i + 8);
            canais = u16(i + 10);
            taxa = u32(i + 12);
            quadro = u16(i + 20);
            bits = u16(i + 22);
            if (tipo == 0xFFFE && tamanho >= 26) tipo = u16(i + 32);  // extensible: the real tag opens the GUID
        } else if (id == "data") {
            dados = b.mid(i + 8, tamanho);
        }
        i += 8 + tamanho + (tamanho & 1);
    }
    if (canais < 1 || canais > 8 || taxa < 1000 || taxa > 384000 || quadro != canais * bits / 8) return std::nullopt;

    QAudioFormat formato;
    formato.setChannelCount(canais);
    formato.setSampleRate(static_cast<int>(taxa));
    if (tipo == 1 && bits == 8) formato.setSampleFormat(QAudioFormat::UInt8);
    else if (tipo == 1 && bits == 16) formato.setSampleFormat(QAudioFormat::Int16);
    else if (tipo == 1 && (bits == 24 || bits == 32)) formato.setSampleFormat(QAudioFormat::Int32);
    else if (tipo == 3 && bits == 32) formato.setSampleFormat(QAudioFormat::Float);
    else return std::nullopt;

    dados.truncate(dados.size() - dados.size() % quadro);
    if (dados.isEmpty()) return std::nullopt;
    if (bits == 24) {  // no sink takes packed 24-bit: widen each sample to the top of 32 bits
        QByteArray largo(dados.size() / 3 * 4, '\0');
        for (qsizetype s = 0; s < dados.size() / 3; ++s)
            for (int k = 0; k < 3; ++k) largo[s * 4 + 1 + k] = dados[s * 3 + k];
        dados = largo;
    }
    return Deixa{formato, dados};
}

}  // namespace

SomQt::SomQt(std::string pastaPrograma) : pastaPrograma_(std::move(pastaPrograma)) {}

SomQt::~SomQt() {
    const bool tinhaSaida = saida_ != nullptr;
    Para();
    // Qt 6.4 tears its PulseAudio connection down at process exit without waiting for a stream that was
    // just closed, and the sound thread then crashes on freed state. This object goes away at the end of
    // main, so give the close a moment to finish first.
    if (tinhaSaida) QThread::msleep(50);
}

void SomQt::Para() {
    if (saida_) saida_->reset();  // drops what is queued, so the cut is heard at once
    saida_.reset();
    amostras_.reset();
}

void SomQt::Toca(const std::string& arquivo) {
    Para();
    if (arquivo.empty()) return;
    auto deixa = LeWav(Resolve(arquivo, pastaPrograma_));
    if (!deixa) return;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull() || !dispositivo.isFormatSupported(deixa->formato)) return;

    amostras_ = std::make_unique<QBuffer>();
    amostras_->setData(deixa->amostras);
    amostras_->open(QIODevice::ReadOnly);
    saida_ = std::make_unique<QAudioSink>(dispositivo, deixa->formato);
    saida_->start(amostras_.get());
}

}  // namespace vantor
