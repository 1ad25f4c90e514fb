// The sound layer heard for real: cues go to the PulseAudio server's default sink and are recorded back
// from its monitor with parec, so a cue that does not sound, or sounds when it should not, fails here.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "platform/som.h"

namespace {

constexpr int kTaxa = 44100, kJanela = kTaxa / 100;  // 10 ms windows
const std::string kBuild = VANTOR_BUILD_DIR;

// What was heard since a mark. A null sink's monitor is exact zeros while nothing plays; a 10 ms window
// louder than an RMS of 100 (of 32767) is sound.
struct Ouvido {
    double inicio = -1, duracao = 0;  // seconds; inicio -1 for silence
    int pico = 0;
};

class Som : public testing::Test {
protected:
    QProcess parec;
    QByteArray dados;

    void SetUp() override {
        QProcess pactl;
        pactl.start("pactl", {"get-default-sink"});
        ASSERT_TRUE(pactl.waitForFinished(5000) && pactl.exitCode() == 0)
            << "No PulseAudio server: run the tests through scripts/testa.sh, which starts one.";
        const QString monitor = QString::fromLocal8Bit(pactl.readAllStandardOutput()).trimmed() + ".monitor";
        parec.start("parec", {"-d", monitor, "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=20"});
        for (int i = 0; i < 250 && dados.size() < 4 * kJanela; ++i) Espera(20);
        ASSERT_GE(dados.size(), 4 * kJanela) << "parec delivered nothing from " << monitor.toStdString();
        Espera(200);  // let the stream settle before anything is measured against it
    }
    void TearDown() override {
        parec.kill();
        parec.waitForFinished(2000);
    }

    // Runs the event loop (the cues play through it) while the recording grows.
    void Espera(int ms) {
        QElapsedTimer t;
        t.start();
        do {
            QTest::qWait(5);
            dados += parec.readAllStandardOutput();
        } while (t.elapsed() < ms);
    }
    size_t Marca() const { return size_t(dados.size()) / 2; }

    Ouvido Ouve(size_t marca) const {
        Ouvido r;
        for (size_t w = marca; w + kJanela <= Marca(); w += kJanela) {
            double soma = 0;
            for (size_t i = w; i < w + kJanela; ++i) {
                const int s = qFromLittleEndian<qint16>(dados.constData() + 2 * i);
                soma += double(s) * s;
                r.pico = std::max(r.pico, std::abs(s));
            }
            if (std::sqrt(soma / kJanela) <= 100) continue;
            if (r.inicio < 0) r.inicio = double(w - marca) / kTaxa;
            r.duracao = double(w + kJanela - marca) / kTaxa - r.inicio;
        }
        return r;
    }
    // Plays a cue and listens for `ms`. The call returns at once whatever the name: the scoreboard
    // cannot wait for a 2.5 s gong.
    Ouvido Toca(vantor::SomQt& som, const std::string& nome, int ms) {
        const size_t marca = Marca();
        QElapsedTimer t;
        t.start();
        som.Toca(nome);
        EXPECT_LT(t.elapsed(), 200) << "Toca(\"" << nome << "\") held the caller";
        Espera(ms);
        return Ouve(marca);
    }
};

std::string Arquivo(const char* nome) { return kBuild + "/" + nome; }

TEST_F(Som, TheGongSoundsInFull) {
    vantor::SomQt som(kBuild);
    const Ouvido r = Toca(som, Arquivo("gongo.wav"), 3500);
    EXPECT_LT(r.inicio, 0.5) << "the gong came late or not at all: " << r.inicio;
    EXPECT_GE(r.inicio, 0);
    EXPECT_GT(r.pico, 8000);
    EXPECT_NEAR(r.duracao, 2.4, 0.4);
}

TEST_F(Som, NamesThatLeadToNoWavAreSilentAndCutWhatPlays) {
    QTemporaryDir pasta;
    auto escreve = [&](const char* nome, const QByteArray& b) {
        QFile f(pasta.filePath(nome));
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
    };
    QByteArray lixo;
    for (int i = 0; i < 20000; ++i) lixo += char((i * 7919 + 13) & 0xFF);
    ASSERT_TRUE(escreve("vazio.wav", {}) && escreve("lixo.wav", lixo) && QDir(pasta.path()).mkdir("pasta.wav"));
    // A WAV at first glance, with a nonsense format chunk and no samples.
    ASSERT_TRUE(escreve("quebrado.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(2000, '\x7f')));

    vantor::SomQt som(kBuild);
    Toca(som, Arquivo("gongo.wav"), 300);
    Toca(som, "", 200);  // from here on, the gong must be silent
    for (const char* nome : {"nao-existe.wav", "vazio.wav", "lixo.wav", "quebrado.wav", "pasta.wav"}) {
        const Ouvido r = Toca(som, pasta.filePath(nome).toStdString(), 400);
        EXPECT_LT(r.pico, 50) << nome << " sounded " << r.inicio << " s in";
    }
    EXPECT_LT(Toca(som, "nao-existe.wav", 400).pico, 50) << "a bare name found nowhere";
    // The same object still plays a good cue, and the recorder was listening all along.
    EXPECT_GT(Toca(som, Arquivo("sparkle.wav"), 1200).pico, 8000);
}

TEST_F(Som, ANewCueCutsTheOneStillPlaying) {
    vantor::SomQt som(kBuild);
    const size_t marca = Marca();
    Toca(som, Arquivo("gongo.wav"), 300);
    Toca(som, Arquivo("sparkle.wav"), 3000);
    // Alone the gong lasts over two seconds; cut at 0.3 s by the 0.6 s sparkle, about 0.9 s.
    EXPECT_NEAR(Ouve(marca).duracao, 1.0, 0.3);
}

TEST_F(Som, ABareNameIsLookedForInTheWorkingFolderThenTheProgramFolder) {
    QTemporaryDir atual, programa;
    // The same name holds the short sparkle here and the long gong in the program folder.
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Arquivo("sparkle.wav")), atual.filePath("deixa.wav")));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Arquivo("gongo.wav")), programa.filePath("deixa.wav")));
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(atual.path()));
    vantor::SomQt som(programa.path().toStdString());
    EXPECT_NEAR(Toca(som, "deixa.wav", 1500).duracao, 0.6, 0.3) << "the working folder's file should play";
    EXPECT_TRUE(QFile::remove(atual.filePath("deixa.wav")));
    EXPECT_GT(Toca(som, "deixa.wav", 3200).duracao, 2.0) << "the program folder's file should play";
    QDir::setCurrent(antes);
}

}  // namespace
