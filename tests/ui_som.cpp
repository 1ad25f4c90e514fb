// The sound layer heard for real: cues go to the PulseAudio server's default sink and are recorded back
// from its monitor with parec, so a cue that does not sound, or sounds when it should not, fails here.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/som.h"

namespace {

constexpr int kTaxa = 44100;
constexpr int kJanela = kTaxa / 100;  // 10 ms
// Loudness (RMS of a 10 ms window, full scale 32767) above which a window counts as sound.
// A null sink's monitor is exact zeros while nothing plays; our cues sit far above this.
constexpr double kLimiarSom = 100.0;

const std::string kPastaBuild = VANTOR_BUILD_DIR;

std::optional<QString> Executa(const QString& programa, const QStringList& args) {
    QProcess p;
    p.start(programa, args);
    if (!p.waitForFinished(5000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Records the monitor of the default sink, mono s16le, for as long as the object lives.
class Gravador {
public:
    explicit Gravador(const QString& fonte) {
        parec_.start("parec", {"-d", fonte, "--format=s16le", "--rate=44100", "--channels=1",
                               "--latency-msec=20"});
    }
    ~Gravador() {
        parec_.kill();
        parec_.waitForFinished(2000);
    }

    // True once the stream is delivering samples.
    bool Pronto() {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            Espera(20);
            if (dados_.size() >= 2 * kJanela) {
                Espera(200);  // let the stream settle before anything is measured against it
                return true;
            }
        }
        return false;
    }

    // Runs the event loop (sound effects load and play through it) while the recording grows.
    void Espera(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QTest::qWait(5);
            dados_ += parec_.readAllStandardOutput();
        }
    }

    // Samples recorded so far, the mark for "now".
    size_t Posicao() const { return static_cast<size_t>(dados_.size()) / 2; }

    std::vector<int16_t> Amostras() const {
        std::vector<int16_t> a(static_cast<size_t>(dados_.size()) / 2);
        for (size_t i = 0; i < a.size(); ++i) {
            const auto lo = static_cast<uint8_t>(dados_[static_cast<qsizetype>(2 * i)]);
            const auto hi = static_cast<uint8_t>(dados_[static_cast<qsizetype>(2 * i + 1)]);
            a[i] = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
        }
        return a;
    }

private:
    QProcess parec_;
    QByteArray dados_;
};

struct Analise {
    int pico = 0;
    double rms = 0;               // over the stretch that sounded
    std::optional<double> inicio;  // seconds from the mark to the first sounding window
    double duracao = 0;            // seconds from the first to the last sounding window
};

Analise Analisa(const std::vector<int16_t>& a, size_t desde) {
    Analise r;
    std::optional<size_t> primeira, ultima;
    for (size_t w = desde; w + kJanela <= a.size(); w += kJanela) {
        double soma = 0;
        for (size_t i = w; i < w + kJanela; ++i) {
            soma += double(a[i]) * a[i];
            r.pico = std::max(r.pico, std::abs(int(a[i])));
        }
        if (std::sqrt(soma / kJanela) > kLimiarSom) {
            if (!primeira) primeira = w;
            ultima = w;
        }
    }
    if (primeira) {
        double soma = 0;
        for (size_t i = *primeira; i < *ultima + kJanela; ++i) soma += double(a[i]) * a[i];
        r.rms = std::sqrt(soma / double(*ultima + kJanela - *primeira));
        r.inicio = double(*primeira - desde) / kTaxa;
        r.duracao = double(*ultima + kJanela - *primeira) / kTaxa;
    }
    return r;
}

std::string Caminho(const char* nome) { return kPastaBuild + "/" + nome; }

class SomTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto info = Executa("pactl", {"info"});
        ASSERT_TRUE(info) << "No PulseAudio server is reachable (pactl info failed). Run the tests through "
                             "scripts/testa.sh, which starts one with a null sink as the default sink.";
        const auto pia = Executa("pactl", {"get-default-sink"});
        ASSERT_TRUE(pia && !pia->isEmpty()) << "The PulseAudio server has no default sink.";
        monitor_ = *pia + ".monitor";
        for (const char* nome : {"gongo.wav", "sino.wav", "sparkle.wav"})
            ASSERT_TRUE(QFile::exists(QString::fromStdString(Caminho(nome))))
                << Caminho(nome) << " is missing: the build's sons target makes it.";
        anterior_ = qInstallMessageHandler(&SomTest::ContaMensagem);
        mensagens_ = 0;
    }
    void TearDown() override { qInstallMessageHandler(anterior_); }

    // Qt's warnings from the sound stack would land on the scoreboard's stderr; we want none.
    static void ContaMensagem(QtMsgType, const QMessageLogContext&, const QString& texto) {
        ++mensagens_;
        ultimaMensagem_ = texto;
    }

    QString monitor_;
    QtMessageHandler anterior_ = nullptr;
    static inline int mensagens_ = 0;
    static inline QString ultimaMensagem_;
};

TEST_F(SomTest, GongoSoaSemPrenderQuemChama) {
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto()) << "parec delivered nothing from " << monitor_.toStdString();

    const size_t marca = g.Posicao();
    QElapsedTimer relogio;
    relogio.start();
    som.Toca(Caminho("gongo.wav"));
    const qint64 gastoNaChamada = relogio.elapsed();
    g.Espera(3500);

    const Analise r = Analisa(g.Amostras(), marca);
    EXPECT_LT(gastoNaChamada, 200) << "Toca must return at once, not wait for the 2.5 s gong";
    ASSERT_TRUE(r.inicio) << "the gong was not heard on " << monitor_.toStdString();
    EXPECT_GT(r.pico, 8000);
    EXPECT_GT(r.rms, 1500.0);
    EXPECT_LT(*r.inicio, 0.5) << "the gong started too late after Toca";
    EXPECT_GT(r.duracao, 2.0) << "the gong was cut short";
    EXPECT_LT(r.duracao, 2.8);
    EXPECT_EQ(mensagens_, 0) << ultimaMensagem_.toStdString();
    std::printf("[ gong ] call %lld ms, start after %.0f ms, heard %.2f s, RMS %.0f, peak %d\n",
                static_cast<long long>(gastoNaChamada), *r.inicio * 1000, r.duracao, r.rms, r.pico);
}

TEST_F(SomTest, NomesQueNaoLevamAUmWavFicamEmSilencio) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString vazio = pasta.filePath("vazio.wav");
    const QString lixo = pasta.filePath("lixo.wav");
    const QString cabecalhoSemDados = pasta.filePath("quebrado.wav");
    const QString subpasta = pasta.filePath("pasta.wav");
    {
        QFile f(vazio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    {
        QFile f(lixo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray b;
        for (int i = 0; i < 20000; ++i) b += char((i * 7919 + 13) & 0xFF);
        f.write(b);
    }
    {
        // Looks like a WAV at first glance, but its format chunk is nonsense and there are no samples.
        QFile f(cabecalhoSemDados);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray b("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        b += QByteArray(2000, '\x7f');
        f.write(b);
    }
    ASSERT_TRUE(QDir().mkpath(subpasta));

    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto()) << "parec delivered nothing from " << monitor_.toStdString();

    const size_t marca = g.Posicao();
    for (const QString& nome : {QString(), pasta.filePath("nao-existe.wav"), vazio, lixo, cabecalhoSemDados,
                                subpasta, QString("nao-existe-em-lugar-nenhum.wav")}) {
        som.Toca(nome.toStdString());
        g.Espera(300);
    }
    g.Espera(500);
    const Analise silencio = Analisa(g.Amostras(), marca);
    EXPECT_FALSE(silencio.inicio) << "a bad name made a sound " << silencio.inicio.value_or(0) << " s in";
    EXPECT_LT(silencio.pico, 50);
    EXPECT_EQ(mensagens_, 0) << "Qt complained: " << ultimaMensagem_.toStdString();

    // The same object still plays a good cue afterwards, and the recorder was listening all along.
    const size_t depois = g.Posicao();
    som.Toca(Caminho("sparkle.wav"));
    g.Espera(1200);
    const Analise r = Analisa(g.Amostras(), depois);
    ASSERT_TRUE(r.inicio) << "a good cue after the bad ones was not heard";
    EXPECT_GT(r.pico, 8000);
}

TEST_F(SomTest, NovoSomCortaOQueAindaToca) {
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    const size_t marca = g.Posicao();
    som.Toca(Caminho("gongo.wav"));
    g.Espera(300);
    som.Toca(Caminho("sparkle.wav"));
    g.Espera(3000);

    const Analise r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio);
    // Alone, the gong sounds for more than two seconds; cut at 0.3 s by a 0.6 s sparkle, about 0.9 s.
    EXPECT_GT(r.duracao, 0.7) << "the second cue did not play after cutting the first";
    EXPECT_LT(r.duracao, 1.5) << "the gong went on under the sparkle";
    std::printf("[ cut ] gong then sparkle heard for %.2f s\n", r.duracao);
}

TEST_F(SomTest, OMesmoSomDeNovoRecomecaDoInicio) {
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    const size_t marca = g.Posicao();
    som.Toca(Caminho("sino.wav"));
    g.Espera(700);
    som.Toca(Caminho("sino.wav"));
    g.Espera(2500);

    // Restarted at 0.7 s, the 1.5 s bell ends about 2.2 s after the first call, not at 1.5 s.
    const Analise r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio);
    EXPECT_GT(r.duracao, 1.8);
    EXPECT_LT(r.duracao, 2.6);
}

TEST_F(SomTest, NomeVazioCalaOQueToca) {
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    const size_t marca = g.Posicao();
    som.Toca(Caminho("gongo.wav"));
    g.Espera(400);
    som.Toca("");
    g.Espera(2800);

    const Analise r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio);
    EXPECT_LT(r.duracao, 0.9) << "the gong was not silenced";
}

TEST_F(SomTest, NomeRelativoProcuraNaPastaAtualDepoisNaDoPrograma) {
    QTemporaryDir atual, programa;
    ASSERT_TRUE(atual.isValid() && programa.isValid());
    // The same name holds the short sparkle in the working folder and the long gong in the program folder,
    // so how long it sounds tells which one played.
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Caminho("sparkle.wav")), atual.filePath("deixa.wav")));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Caminho("gongo.wav")), programa.filePath("deixa.wav")));
    ASSERT_TRUE(QDir().mkpath(atual.filePath("sub")));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Caminho("sparkle.wav")), atual.filePath("sub/deixa.wav")));

    const QString antes = QDir::currentPath();
    struct Volta {
        QString pasta;
        ~Volta() { QDir::setCurrent(pasta); }
    } volta{antes};
    ASSERT_TRUE(QDir::setCurrent(atual.path()));

    vantor::SomQt som(programa.path().toStdString());
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    size_t marca = g.Posicao();
    som.Toca("deixa.wav");
    g.Espera(1500);
    Analise r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio) << "a name in the working folder was not played";
    EXPECT_LT(r.duracao, 0.9) << "the program folder won over the working folder";

    marca = g.Posicao();
    som.Toca("sub/deixa.wav");
    g.Espera(1500);
    r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio) << "a relative path under the working folder was not played";
    EXPECT_LT(r.duracao, 0.9);

    // Once the working folder no longer has it, the program folder's file plays.
    ASSERT_TRUE(QFile::remove(atual.filePath("deixa.wav")));
    marca = g.Posicao();
    som.Toca("deixa.wav");
    g.Espera(3200);
    r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio) << "a name only in the program folder was not played";
    EXPECT_GT(r.duracao, 2.0);
}

// A 440 Hz tone at half of full scale, written in one of the layouts WAV files come in.
struct FormatoWav {
    const char* nome;
    int tipo;  // 1 integer PCM, 3 float, 0xFFFE extensible holding integer PCM
    int canais, taxa, bits;
};

QByteArray TomWav(const FormatoWav& f, double segundos) {
    QByteArray dados;
    const int n = static_cast<int>(segundos * f.taxa);
    for (int i = 0; i < n; ++i) {
        const double v = 0.5 * std::sin(2 * 3.141592653589793 * 440.0 * i / f.taxa);
        for (int c = 0; c < f.canais; ++c) {
            if (f.tipo == 3) {
                const float x = static_cast<float>(v);
                dados.append(reinterpret_cast<const char*>(&x), 4);
            } else if (f.bits == 8) {
                dados += char(static_cast<uint8_t>(std::lround(128 + v * 127)));
            } else {
                const auto x = static_cast<int32_t>(std::lround(v * ((1LL << (f.bits - 1)) - 1)));
                for (int k = 0; k < f.bits / 8; ++k) dados += char((x >> (8 * k)) & 0xFF);
            }
        }
    }
    auto u16 = [](QByteArray& b, int v) { b += char(v & 0xFF); b += char((v >> 8) & 0xFF); };
    auto u32 = [&](QByteArray& b, quint32 v) { u16(b, int(v & 0xFFFF)); u16(b, int(v >> 16)); };
    const int quadro = f.canais * f.bits / 8;
    QByteArray fmt;
    u16(fmt, f.tipo);
    u16(fmt, f.canais);
    u32(fmt, quint32(f.taxa));
    u32(fmt, quint32(f.taxa * quadro));
    u16(fmt, quadro);
    u16(fmt, f.bits);
    if (f.tipo == 0xFFFE) {
        u16(fmt, 22);
        u16(fmt, f.bits);
        u32(fmt, 0);
        fmt += QByteArray("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
    }
    QByteArray b("RIFF");
    u32(b, quint32(4 + 8 + fmt.size() + 8 + 6 + 8 + dados.size()));
    b += "WAVEfmt ";
    u32(b, quint32(fmt.size()));
    b += fmt;
    b += "LIST";  // a chunk to skip, of odd length, as editors leave behind
    u32(b, 5);
    b += QByteArray("INFOx\0", 6);
    b += "data";
    u32(b, quint32(dados.size()));
    b += dados;
    return b;
}

// Crossings of zero per second, halved: the pitch of a pure tone, far higher for noise from a misread file.
double Frequencia(const std::vector<int16_t>& a, size_t de, size_t ate) {
    int cruzamentos = 0;
    for (size_t i = de + 1; i < ate; ++i)
        if ((a[i - 1] < 0) != (a[i] < 0)) ++cruzamentos;
    return cruzamentos / 2.0 / (double(ate - de) / kTaxa);
}

TEST_F(SomTest, TocaOsFormatosComunsDeWav) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    for (const FormatoWav f : {FormatoWav{"8-bit 22050 Hz", 1, 1, 22050, 8},
                               FormatoWav{"16-bit stereo 48000 Hz", 1, 2, 48000, 16},
                               FormatoWav{"24-bit", 1, 1, 44100, 24},
                               FormatoWav{"32-bit integer", 1, 1, 44100, 32},
                               FormatoWav{"32-bit float stereo", 3, 2, 44100, 32},
                               FormatoWav{"extensible 16-bit", 0xFFFE, 1, 44100, 16}}) {
        SCOPED_TRACE(f.nome);
        const QString caminho = pasta.filePath(QString("tom-%1.wav").arg(f.nome));
        {
            QFile arquivo(caminho);
            ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(TomWav(f, 0.5));
        }
        const size_t marca = g.Posicao();
        som.Toca(caminho.toStdString());
        g.Espera(900);
        const auto amostras = g.Amostras();
        const Analise r = Analisa(amostras, marca);
        ASSERT_TRUE(r.inicio) << "not heard";
        EXPECT_NEAR(r.duracao, 0.5, 0.1);
        EXPECT_NEAR(r.rms, 0.5 * 32767 / std::sqrt(2.0), 2000.0);
        const size_t inicio = marca + static_cast<size_t>(*r.inicio * kTaxa);
        EXPECT_NEAR(Frequencia(amostras, inicio + kTaxa / 10, inicio + kTaxa * 4 / 10), 440.0, 15.0);
    }
    EXPECT_EQ(mensagens_, 0) << ultimaMensagem_.toStdString();
}

TEST_F(SomTest, MuitasChamadasSeguidasTerminamNoUltimoSom) {
    vantor::SomQt som(kPastaBuild);
    Gravador g(monitor_);
    ASSERT_TRUE(g.Pronto());

    const std::string nomes[] = {Caminho("sino.wav"), Caminho("sparkle.wav"), Caminho("gongo.wav"),
                                 Caminho("nada.wav")};
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < 60; ++i) {
        som.Toca(nomes[i % 4]);
        g.Espera(i % 3 == 0 ? 0 : 15);
    }
    const qint64 gasto = relogio.elapsed();
    const size_t marca = g.Posicao();
    som.Toca(Caminho("sparkle.wav"));
    g.Espera(2500);

    // Everything before the last call was cut: only the 0.6 s sparkle is left, then silence.
    const Analise r = Analisa(g.Amostras(), marca);
    ASSERT_TRUE(r.inicio) << "the last cue of a burst was not heard";
    EXPECT_LT(r.duracao, 1.0);
    EXPECT_LT(gasto, 3000) << "60 calls took " << gasto << " ms";
    EXPECT_EQ(mensagens_, 0) << ultimaMensagem_.toStdString();
}

}  // namespace
