// The program as main assembles it: a judge's press on a virtual SDL controller, Qt's keys (by the key, not the
// character), clicks and clock ticks reach the record and a painted frame; the reset question, Alt+F4, the audience's
// board and the configuration dialog and sound chooser, driven through their widgets.
#include <qpa/qplatformnativeinterface.h>

#include <QtTest>
#include <QtWidgets>

#include "controle_virtual.h"
#include "luta.h"
#include "settings/arquivos.h"
#include "ui/dialogo_conferencia.h"
#include "ui/dialogo_config.h"
#include "ui/dialogo_som.h"
#include "ui/janela_sumula.h"
#include "ui/montagem.h"
#include "ui/pintura.h"

namespace vantor::teste {
namespace {

// The program with its logs in a temporary folder (TEMP is its path + `sufixo`), shown as an ordinary window.
struct Programa {
    explicit Programa(bool telaCheia = false, const QByteArray& sufixo = "/")
        : temp(qputenv("TEMP", pasta.path().toUtf8() + sufixo)) {
        m.Mostra(telaCheia);
    }
    QTemporaryDir pasta;
    bool temp;
    ui::Montagem m;
    Vantor& v = m.Placar();
    ui::JanelaPlacar& janela = m.Janela();
    ~Programa() { qunsetenv("TEMP"); }

    // The last frame a window put on its screen: stale for as long as the window does not repaint.
    static QImage Quadro(QWidget& w) {
        return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage Quadro() { return Quadro(janela); }
    QImage Recorte(const Controle& c) { return Quadro().copy(ui::RetanguloPixels(c)); }
    // Waits, as long as a loaded machine may need, for a control's area of the frame to change.
    bool Muda(const Controle& c, const std::function<void()>& faz) {
        const QImage antes = Recorte(c);
        faz();
        return QTest::qWaitFor([&] { return Recorte(c) != antes; }, 5000);
    }
    void Clica(const Controle& c, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(&janela, b, {}, ui::RetanguloPixels(c).center());
    }
};

// The real Qt platform, with the program folder and TEMP in a temporary folder and sounds written down.
struct PlataformaDeTeste : ui::PlataformaQt {
    explicit PlataformaDeTeste(std::string p) : raiz(std::move(p)) {}
    std::string raiz;
    std::vector<std::string> sons;
    std::string PastaPrograma() override { return raiz; }
    std::string Ambiente(const std::string& n) override { return n == "TEMP" ? raiz + '/' : PlataformaQt::Ambiente(n); }
    void TocaWav(const std::string& arquivo) override { sons.push_back(arquivo); }
};

// Runs `passo` on the dialog of type T once it is the modal window, and closes it if the step did not.
template <class T>
void QuandoAbrir(std::function<void(T&)> passo, int tentativa = 0) {
    QTimer::singleShot(10, [passo, tentativa] {
        auto* d = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!d && tentativa < 300) return QuandoAbrir<T>(passo, tentativa + 1);
        ASSERT_NE(d, nullptr) << "the dialog did not come up";
        passo(*d);
        EXPECT_FALSE(d->isVisible()) << "the dialog was left open";
        if (d->isVisible()) d->reject();
    });
}

template <class T = QLineEdit>
T* Filho(QWidget& d, const char* nome) {
    return d.findChild<T*>(QString::fromUtf8(nome));
}

// A click on a list's item; a double click adds the second press as the window system sends it.
void Clica(QWidget& d, const char* lista, const QString& texto, bool duplo = false) {
    auto* l = Filho<QListWidget>(d, lista);
    const auto achados = l->findItems(texto, Qt::MatchExactly);
    ASSERT_EQ(achados.size(), 1) << texto.toStdString();
    l->scrollToItem(achados[0]);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(achados[0]).center());
    if (duplo) QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(achados[0]).center());
}

// TEMP is a name of bytes, not of text: a Latin-1 one gets the logs too.
TEST(Programa, AJudgesPressKeysClicksAndTicksReachTheRecordAndAPaintedFrameAndAltF4Ends) {
    Programa p(false, "/\xe9quipe-");
    Vantor& v = p.v;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.janela));
    Virtual juiz("Juiz");  // after the assembly: SDL runs inside its platform
    ASSERT_TRUE(juiz.Aberto()) << SDL_GetError();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.m.Plataforma().ControlesConectados() == 1; }, 5000));
    EXPECT_TRUE(v.Log().ArquivoLog.starts_with(qgetenv("TEMP").toStdString() + "LOG/LOG_") &&
                ExisteArquivo(v.Log().ArquivoLog));

    // Button 1 of the first controller is lamp 3 in the built-in map: its green shows through once lit.
    const QPoint lampada = ui::RetanguloPixels(p.janela.Tela().S_Botao[3]).center();
    ASSERT_EQ(p.Quadro().pixel(lampada), qRgb(255, 255, 255));
    juiz.Botao(0, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.Quadro().pixel(lampada) == qRgb(0, 255, 0); }, 5000))
        << "the press never lit a lamp on screen";
    juiz.Botao(0, false);

    p.Clica(p.janela.Tela().L_Msg, Qt::RightButton);
    EXPECT_FALSE(v.Luta().LutaIniciada);
    p.Clica(p.janela.Tela().L_Msg);
    EXPECT_TRUE(v.Luta().LutaIniciada);
    p.Clica(p.janela.Tela().L_Msg);  // the line is hidden now: through to the score, which takes double clicks only
    EXPECT_FALSE(v.Luta().Pausado);
    // Through the window system's path, as a real double click arrives: one step per press.
    QTest::mouseDClick(p.janela.windowHandle(), Qt::LeftButton, {},
                       ui::RetanguloPixels(p.janela.Tela().K_Amais).center());
    EXPECT_EQ(v.Luta().PontosMarcados[Azul], 2);
    EXPECT_TRUE(p.Muda(p.janela.Tela().L_Pontos[Azul], [&] { QTest::keyClick(&p.janela, Qt::Key_F12); }))
        << "the point never reached the screen";
    EXPECT_EQ(v.Luta().PontosMarcados[Azul], 3);
    EXPECT_TRUE(p.Muda(p.janela.Tela().L_Tempo, [] {})) << "the clock's tick never reached the screen";
    QTest::keyClick(&p.janela, Qt::Key_Left);                   // blue's point, as F12
    QTest::keyClick(&p.janela, Qt::Key_1, Qt::KeypadModifier);  // the keypad's 1 is no time-out
    EXPECT_TRUE(v.Luta().PontosMarcados[Azul] == 4 && v.Luta().ContaMinuto == -1);
    QTest::keyClick(&p.janela, Qt::Key_Exclam, Qt::ShiftModifier);  // Shift+1, still the 1 key: the time-out
    EXPECT_EQ(v.Luta().ContaMinuto, 59);
    // On the real platform Esc in a fight asks whether to reset: Enter on the default button, then Esc, keep the
    // fight; OK resets it. Alt+F4 exits at once, with success.
    for (int caso = 0; caso < 3; ++caso) {
        QString pergunta;
        QuandoAbrir<QMessageBox>([&](QMessageBox& c) {
            pergunta = c.windowTitle() + ": " + c.text();
            if (caso < 2)
                QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, caso ? Qt::Key_Escape : Qt::Key_Return);
            if (caso == 2) c.button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(&p.janela, Qt::Key_Escape);
        EXPECT_EQ(pergunta, "Vantor: Zerar a luta?");
        EXPECT_EQ(v.Luta().PontosMarcados[Azul], caso < 2 ? 4 : 0) << caso;
        EXPECT_EQ(v.Luta().LutaIniciada, caso < 2) << caso;
    }
    QTest::keyClick(&p.janela, Qt::Key_Return);  // a fight again: Alt+F4 asks nothing
    // The child runs this test again from the top and leaves by _Exit, cleaning nothing: its temporary folders go
    // inside one of ours.
    const QTemporaryDir filhos;
    qputenv("TMPDIR", filhos.path().toUtf8());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(QTest::keyClick(&p.janela, Qt::Key_F4, Qt::AltModifier), testing::ExitedWithCode(0), "");
    qunsetenv("TMPDIR");
}

// Under Xvfb as well (tests/CMakeLists.txt): with no editor on the desktop, S shows our own scoresheet window with the
// log at once, xdg-open not asked; S again brings the same window back, reloaded. The board's keys work in it.
TEST(Programa, WithNoEditorSShowsOurScoresheetWindowAtOnceAndTheBoardKeepsItsKeys) {
    const QTemporaryDir desktop;
    const std::string d = desktop.path().toStdString(), perguntado = d + "/perguntado";
    DesktopCom(d, false);
    Programa p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.janela));
    // An opener that would only say it was asked.
    ASSERT_TRUE(GravaArquivo(d + "/xdg-open", "#!/bin/sh\ntouch '" + perguntado + "'\n"));
    std::filesystem::permissions(d + "/xdg-open", std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", desktop.path().toUtf8() + ":" + path);
    QTest::keyClick(&p.janela, Qt::Key_Return);
    ui::JanelaSumula* primeira = nullptr;
    for (int vez = 0; vez < 2; ++vez) {
        QTest::keyClick(&p.janela, Qt::Key_S);
        ui::JanelaSumula* s = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (s = p.janela.findChild<ui::JanelaSumula*>()) && s->isVisible(); }));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(s) && (vez == 0 || s == primeira)) << vez;
        primeira = s;
        // The second time the window is up already: the new text comes with the next turn of the event loop.
        const QString log = QString::fromStdString(LeArquivo(p.v.Log().ArquivoLog)).replace("\r\n", "\n");
        const auto* texto = s->findChild<QPlainTextEdit*>();
        EXPECT_TRUE(QTest::qWaitFor([&] { return texto->toPlainText() == log; })) << texto->toPlainText().toStdString();
        EXPECT_TRUE(p.v.Luta().Pausado);
        // Space and a score key, pressed in the scoresheet's window, reach the board.
        QTest::keyClick(s->findChild<QPlainTextEdit*>(), Qt::Key_Space);
        QTest::keyClick(s->findChild<QPlainTextEdit*>(), Qt::Key_F12);
        EXPECT_TRUE(!p.v.Luta().Pausado && p.v.Luta().PontosMarcados[Azul] == vez + 1 && s->isVisible()) << vez;
    }
    qputenv("PATH", path);
    EXPECT_FALSE(ExisteArquivo(perguntado));
}

// Three openings: the first cancelled with Esc, the second confirmed with Enter, the third (a double click on a
// score, as a mouse opens it) with OK.
TEST(Dialogos, F1OpensTheDialogEscDiscardsAndEnterAndOkStoreLogAndSave) {
    QTemporaryDir pasta;
    const std::string raiz = pasta.path().toStdString(), apito = raiz + "/apito.WAV";
    for (const char* nome : {"apito.WAV", "gongo.wav", "notas.txt", "c.wavx"})
        ASSERT_TRUE(GravaArquivo(Junta(raiz, nome), ""));
    PlataformaDeTeste plat(raiz);
    Vantor v(plat);
    v.Form_Load();
    ui::JanelaPlacar janela(v, QSize(plat.LarguraTela(), plat.AlturaTela()));
    plat.DefineJanela(&janela);
    janela.show();
    const auto texto = [](QWidget& d, const char* caixa) { return Filho(d, caixa)->text().toStdString(); };
    const auto digita = [](QWidget& d, const char* caixa, const char* t) {
        Filho(d, caixa)->selectAll();
        QTest::keyClicks(Filho(d, caixa), t);
    };
    const auto marca = [](QWidget& d, const char* nome) { Filho<QAbstractButton>(d, nome)->click(); };
    const auto regras = [](QWidget& d) {  // which of the limit, the difference and the half-penalty option show
        std::string r;
        for (const char* w : {"C_Limite", "T_Limite", "C_Diferenca", "T_Diferenca", "C_GoldenMeia"})
            r += Filho<QWidget>(d, w)->isHidden() ? '-' : '+';
        return r;
    };

    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        EXPECT_TRUE(d.parentWidget() == &janela && Filho<QAbstractButton>(d, "Op_2017")->isChecked());
        EXPECT_EQ(regras(d), "--+-+");
        EXPECT_EQ(Filho<QListWidget>(d, "L_Tempo")->currentRow(), 0);
        digita(d, "T_RoundInicial", "7"), digita(d, "T_TempoInicial", "7");
        Clica(d, "L_Round", " 3"), Clica(d, "L_Tempo", "2 min"), Clica(d, "L_Intervalo", "50 s");
        EXPECT_EQ(texto(d, "T_Round") + " " + texto(d, "T_RoundInicial") + " " + texto(d, "T_Tempo") + " " +
                      texto(d, "T_TempoInicial") + " " + texto(d, "T_Intervalo"),
                  "3 1 120 120 50");
        // Typing a round time moves the start time while it still is the round time, and leaves one set apart.
        digita(d, "T_Tempo", "30");
        digita(d, "T_Intervalo", "20"), digita(d, "T_RoundInicial", "1");
        EXPECT_EQ(texto(d, "T_TempoInicial"), "30");
        digita(d, "T_TempoInicial", "25"), digita(d, "T_Tempo", "90");
        EXPECT_EQ(texto(d, "T_TempoInicial"), "25");
        marca(d, "Op_Fetesp"), marca(d, "C_Limite"), marca(d, "C_Diferenca");
        EXPECT_EQ(texto(d, "T_Limite") + " " + texto(d, "T_Diferenca"), "15 9") << "an empty box ticked is filled";
        EXPECT_EQ(regras(d), "+++++");
        Clica(d, "L_Lingua", "English");
        EXPECT_EQ(d.windowTitle().toStdString() + " " + v.Tela().M_Config.Caption, "Config Configuração: F1")
            << "the language shows in the dialog only";
        EXPECT_EQ(Filho<QGroupBox>(d, "Q_Regras")->title() + "|" + Filho<QAbstractButton>(d, "C_GoldenMeia")->text(),
                  "Rule system|Half penalty in the golden round");
        // The box's file is selected, and a click on it plays it all the same; Cancel leaves the box.
        QuandoAbrir<ui::DialogoSom>([](ui::DialogoSom& s) {
            const auto* arquivos = Filho<QListWidget>(s, "L_Arquivos");
            EXPECT_EQ(arquivos->count(), 2) << "WAV files only, in any case";
            EXPECT_EQ(arquivos->currentRow(), 1);
            Clica(s, "L_Arquivos", "gongo.wav");
            Filho<QAbstractButton>(s, "CancelButton")->click();
        });
        QTest::mouseDClick(Filho(d, "T_Sons1"), Qt::LeftButton);  // as the window system sends a second press
        EXPECT_EQ(texto(d, "T_Sons1"), "gongo.wav");
        QuandoAbrir<ui::DialogoSom>(
            [](ui::DialogoSom& s) { Clica(s, "L_Arquivos", "apito.WAV", true); });  // that is OK
        QTest::mouseDClick(Filho(d, "T_Sons1"), Qt::LeftButton);
        QTest::keyClick(Filho(d, "T_Limite"), Qt::Key_Escape);
    });
    QTest::keyClick(&janela, Qt::Key_F1);
    const Ajustes& a = v.Config();
    EXPECT_EQ(std::tie(a.Regra, a.Limite, a.Rounds, a.Som[1], a.Lingua), std::make_tuple(2, 99, 1, "gongo.wav", 0));
    EXPECT_FALSE(ExisteArquivo(Junta(raiz, "vantor.ini")));

    const std::string log = v.Log().ArquivoLog;
    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        digita(d, "T_Nome1", "Silva"), digita(d, "T_Round", "2.5"), digita(d, "T_RoundInicial", "2");
        digita(d, "T_TempoInicial", "45");
        marca(d, "Op_Fetesp"), marca(d, "C_Limite"), marca(d, "Op_2017"), marca(d, "C_Diferenca"), marca(d, "O_23");
        Clica(d, "L_Lingua", "English");
        // Up a folder with a double click and back with Enter, which opens a folder and does not press OK.
        QuandoAbrir<ui::DialogoSom>([&](ui::DialogoSom& s) {
            Clica(s, "L_Pastas", "..", true);
            Clica(s, "L_Pastas", QDir(pasta.path()).dirName());
            QTest::keyClick(Filho<QListWidget>(s, "L_Pastas"), Qt::Key_Return);
            ASSERT_TRUE(s.isVisible());
            Clica(s, "L_Arquivos", "apito.WAV");
            Filho<QAbstractButton>(s, "OKButton")->click();
        });
        QTest::mouseDClick(Filho(d, "T_Sons2"), Qt::LeftButton);
        QTest::keyClick(Filho(d, "T_Nome1"), Qt::Key_Return);
    });
    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(plat.sons, (std::vector<std::string>{raiz + "/gongo.wav", apito, apito}));
    EXPECT_EQ(std::tie(a.Nome[1], a.Lingua, a.Som[2], a.Rounds), std::make_tuple("Silva", 2, apito, 2));
    EXPECT_EQ(std::tie(a.Regra, a.Limite, a.Diferenca, a.Pontos1, a.Pontos2, a.Pontos3),
              std::make_tuple(2, 99, 9, 2, 3, 0))
        << "a limit only under the limit rules";
    EXPECT_EQ(v.Tela().L_Round.Caption + " " + v.Tela().L_Tempo.Caption, "2 0:45") << "the start round and time";
    EXPECT_NE(LeArquivo(log).find("\tConfigura\tRounds: 2\tIntervalo: 15\tRound: 60\tNome Azul: Silva\tL2 Azul: \t"
                                  "Nome Vermelho: Vermelho\tL2 Vermelho: \tÁrbitros: 3\r\n"),
              std::string::npos);

    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        marca(d, "C_GoldenMeia"), marca(d, "Op_WTF");
        EXPECT_EQ(regras(d), "-----");
        marca(d, "B_Ok");
    });
    QTest::mouseDClick(janela.windowHandle(), Qt::LeftButton, {},
                       ui::RetanguloPixels(janela.Tela().L_Pontos[2]).center());
    EXPECT_EQ(std::tie(a.Regra, a.Diferenca, a.MeiaFaltaGolden), std::make_tuple(0, 99, true)) << "hidden, kept";
}

// The ring check with judges 1 and 2 on a controller each (the button file's map: buttons 1 to 4, the stick right and
// down as red's values, then blue's) and judge 3 on none. J opens it: both controllers with what they serve, judge 3
// named, and each press lights its own lamp on the screen and no other. From the dialog's button it opens again over
// the dialog, every lamp unpressed, and its button closes it.
TEST(Conferencia, JShowsWhomEachControllerServesAndEveryPressLightsItsOwnLamp) {
    const NaPasta trabalho;
    std::string mapa(Juizes::kTamanhoArquivo, '\0');
    const int bits[] = {0, 1, 2, 3, 9, 10};
    for (int juiz = 1; juiz <= 2; ++juiz)
        for (int i = 0; i < 6; ++i)
            mapa[2 * static_cast<size_t>(entrada::Posicao(juiz - 1, bits[i]))] =
                static_cast<char>(BotaoDe(i < 3 ? Vermelho : Azul, i % 3 + 1, juiz));
    ASSERT_TRUE(GravaArquivo("botoes.cfg", mapa));
    Programa p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.janela));
    Virtual a("Pad A"), b("Pad B");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.m.Plataforma().ControlesConectados() == 2; }, 5000));
    // Each lamp on the dialog's frame, buttons 1 to 18: pressed (green; '+' bright while the board's lamp is lit, or
    // with `acesas` false as '*' too), not yet (grey), or on no controller (dark grey).
    const auto lampadas = [](ui::DialogoConferencia& d, bool acesas = true) {
        const QImage q = Programa::Quadro(d);
        std::string r;
        for (int k = 1; k <= 18; ++k) {
            const auto* l = Filho<QLabel>(d, ("Lampada" + std::to_string(k)).c_str());
            const QRgb c = l ? q.pixel(l->mapTo(&d, QPoint(3, 3))) : 0;
            r += c == qRgb(224, 224, 224) ? 'o'
                 : c == qRgb(96, 96, 96)  ? '-'
                 : c == qRgb(0, 128, 0)   ? '*'
                 : c == qRgb(0, 255, 0)   ? "*+"[acesas]
                                          : '?';
        }
        return r;
    };
    const std::string antes = "oo-oo-oo-oo-oo-oo-";  // judge 3's every third
    QuandoAbrir<ui::DialogoConferencia>([&](ui::DialogoConferencia& d) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_EQ(Filho<QLabel>(d, "L_Situacao")->text(), "Juiz 3: sem controle");
        EXPECT_EQ(Filho<QLabel>(d, "L_Controles")->text(),
                  "Posição 1: Pad A, porta USB: desconhecida\n    Juiz 1: Vermelho 1, Vermelho 2, Vermelho 3, Azul 1, "
                  "Azul 2, Azul 3\nPosição 2: Pad B, porta USB: desconhecida\n    Juiz 2: Vermelho 1, Vermelho 2, "
                  "Vermelho 3, Azul 1, Azul 2, Azul 3");
        std::string esperadas = antes;
        EXPECT_TRUE(QTest::qWaitFor([&] { return lampadas(d) == esperadas; }, 3000)) << lampadas(d);
        for (int juiz = 1; juiz <= 2; ++juiz)
            for (int i = 0; i < 6; ++i) {
                Virtual& v = juiz == 1 ? a : b;
                v.Muda(i, true), v.Muda(i, false);  // shorter than a poll
                esperadas[static_cast<size_t>(BotaoDe(i < 3 ? Vermelho : Azul, i % 3 + 1, juiz) - 1)] = '*';
                EXPECT_TRUE(QTest::qWaitFor([&] { return lampadas(d, false) == esperadas; }, 5000))
                    << esperadas << " " << lampadas(d);
            }
        EXPECT_TRUE(QTest::qWaitFor([&] { return lampadas(d) == esperadas; }, 5000))
            << "a lamp went out after the press";
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QTest::keyClick(&p.janela, Qt::Key_J);
    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        QuandoAbrir<ui::DialogoConferencia>([&](ui::DialogoConferencia& c) {
            EXPECT_EQ(c.parentWidget(), &d);
            EXPECT_TRUE(QTest::qWaitFor([&] { return lampadas(c) == antes; }, 5000)) << "pressed before it opened";
            Filho<QAbstractButton>(c, "B_Fechar")->click();
        });
        Filho<QAbstractButton>(d, "B_Conferencia")->click();
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    QTest::keyClick(&p.janela, Qt::Key_F1);
}

// The offscreen platform's screens changed from those it started with, as it lets a test do.
void Telas(const std::function<void(QJsonArray&)>& muda) {
    QPlatformNativeInterface* n = QGuiApplication::platformNativeInterface();
    static const QJsonObject inicio = reinterpret_cast<QJsonObject (*)(QPlatformNativeInterface*)>(
        n->nativeResourceForIntegration("configuration"))(n);
    QJsonObject c = inicio;
    QJsonArray telas = c[QStringLiteral("screens")].toArray();
    muda(telas);
    c[QStringLiteral("screens")] = telas;
    reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(
        n->nativeResourceForIntegration("setConfiguration"))(c, n);
    QCoreApplication::processEvents();
}

// The dialog on today's screens: whole on them, text as large as the board's key hints, every caption whole and in
// the language chosen, Qt's own buttons included.
TEST(Dialogos, GrowWithTheScreenTheirTextAsLargeAsTheKeyHintsAndEveryCaptionWholeInItsLanguage) {
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
        Telas([largura = w, altura = h](QJsonArray& t) {  // the operator's screen at another size
            QJsonObject primeira = t[0].toObject();
            primeira[QStringLiteral("width")] = largura, primeira[QStringLiteral("height")] = altura;
            t[0] = primeira;
        });
        Luta l(lingua::Portugues, {w, h});
        int dicas = 0;
        ui::JanelaPlacar janela(l.v, {w, h});
        const Form1Controles& t = janela.Tela();
        for (const Controle* c : {&t.M_Falta, &t.M_FaltaAzul, &t.M_FaltaVermelho, &t.M_Ponto, &t.M_PontoAzul,
                                  &t.M_PontoVermelho, &t.M_Minuto, &t.M_Sumula, &t.M_Config})
            dicas = std::max(dicas, ui::PoeTexto(*c, ui::VistaOperador(t)).fonte.pixelSize());
        // The board's smallest text, legible from the table: at least a 45th of the screen's height.
        EXPECT_GE(dicas * 45, h) << "key hints of " << dicas << " px";
        for (int lingua : {lingua::Portugues, lingua::Espanhol, lingua::Ingles}) {
            Form2 f(l.v, l.plat);
            f.Form_Load();
            f.L_Lingua.ListIndex = lingua, f.L_Lingua_Click();
            ui::DialogoConfig d(f, &janela);
            d.show();
            const std::string onde =
                std::to_string(w) + "x" + std::to_string(h) + ", language " + std::to_string(lingua);
            EXPECT_TRUE(d.font().pixelSize() >= dicas && d.width() <= w && d.height() <= h)
                << onde << ": text " << d.font().pixelSize() << " px, hints " << dicas;
            EXPECT_EQ(Filho<QGroupBox>(d, "Q_Botoes")->title().toStdString(), l.v.Tabela().Traduz(txt::Botoes, lingua));
            for (QWidget* c : d.findChildren<QWidget*>()) {
                if (c->isHidden() || !(qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c))) continue;
                EXPECT_TRUE(c->sizeHint().width() <= c->width() && QFontInfo(c->font()).pixelSize() >= dicas)
                    << onde << ": " << c->objectName().toStdString() << " " << c->sizeHint().width() << " in "
                    << c->width() << ", " << QFontInfo(c->font()).pixelSize() << " px";
            }
        }
    }
    // Qt's own texts follow the language: a question in Spanish has Spanish buttons.
    ui::PlataformaQt plat;
    plat.DefineLingua(lingua::Espanhol);
    QString cancelar;
    QuandoAbrir<QMessageBox>([&](QMessageBox& c) { cancelar = c.button(QMessageBox::Cancel)->text(), c.reject(); });
    plat.PerguntaOkCancela("?", "", true);
    plat.DefineLingua(lingua::Ingles);
    EXPECT_EQ(cancelar, "Cancelar");
    Telas([](QJsonArray&) {});
}

// The audience's board on the second screen: the record after keys, a tick and a press; no focus, no log line.
TEST(Plateia, OpensOnTheSecondScreenFollowsTheBoardTakesNoInputAndFollowsTheScreens) {
    Programa p{true};  // as main shows it: the operator's screen filled, no frame
    QWidget& plateia = p.m.Audiencia().Janela();
    QScreen* projetor = QGuiApplication::screens().value(1);
    ASSERT_TRUE(projetor && QTest::qWaitForWindowExposed(&plateia));
    EXPECT_TRUE(p.janela.isFullScreen() && p.janela.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(plateia.screen() == projetor && plateia.geometry() == projetor->geometry() && plateia.isFullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.janela.isActiveWindow(); }, 2000)) << "the audience took the keys";
    auto mostra = [&] {  // waits for the audience's frame to show the record as it is now
        QImage esperado(plateia.size(), QImage::Format_RGB32);
        QPainter pintor(&esperado);
        ui::PintaTela(pintor, p.janela.Tela(), ui::VistaPlateia(p.janela.Tela(), plateia.size()));
        return QTest::qWaitFor([&] { return Programa::Quadro(plateia) == esperado; }, 3000);
    };
    Virtual juiz("Juiz");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.m.Plataforma().ControlesConectados() == 1; }, 5000));
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Left, Qt::Key_F5}) {
        QTest::keyClick(&p.janela, k);
        EXPECT_TRUE(mostra()) << "after key " << k;
    }
    const int16_t antes = p.v.Luta().TempoRestante;
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.v.Luta().TempoRestante != antes; }, 3000));
    EXPECT_TRUE(mostra()) << "after a tick";
    juiz.Botao(0, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.v.Tela().S_Botao[3].acesa; }, 3000));
    EXPECT_TRUE(mostra()) << "after a judge's press";
    // A red marker, a lit lamp, no aids (the hall's black) and no hidden message line over the blue score.
    const QImage q = Programa::Quadro(plateia);
    const ui::Vista vista = ui::VistaPlateia(p.janela.Tela(), plateia.size());
    const auto em = [&](const Controle& c) { return q.pixel(ui::RetanguloPixels(c, vista).center()); };
    const Form1Controles& t = p.janela.Tela();
    EXPECT_EQ(std::tuple(em(t.S_FaltaAzul[1]), em(t.S_Botao[3]), em(t.M_FaltaAzul), em(t.K_FVMenos), em(t.L_Msg)),
              std::tuple(qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 255)));

    const size_t linhas = LinhasDe(p.v.Log().ArquivoLog).size();
    EXPECT_EQ(t.L_Plateia.Caption, "Plateia:\r\nvisível") << "the operator's board says whether the hall's shows";
    QTest::keyClick(&p.janela, Qt::Key_F2);
    EXPECT_TRUE(!plateia.isVisible() && t.L_Plateia.Caption == "Plateia:\r\noculta");
    QTest::keyClick(&p.janela, Qt::Key_F2);
    EXPECT_TRUE(plateia.isVisible() && plateia.screen() == projetor && t.L_Plateia.Caption == "Plateia:\r\nvisível");
    EXPECT_EQ(LinhasDe(p.v.Log().ArquivoLog).size(), linhas) << "F2 wrote to the log";
    // Unplugged: gone, not onto the operator's screen. F2 then opens an ordinary window there; a projector
    // plugged in takes it, full screen.
    Telas([](QJsonArray& t) { t.removeLast(); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !plateia.isVisible(); }, 2000));
    QTest::keyClick(&p.janela, Qt::Key_F2);
    EXPECT_TRUE(plateia.isVisible() && !plateia.isFullScreen());
    Telas([](QJsonArray&) {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return plateia.isFullScreen(); }, 2000));
    EXPECT_EQ(plateia.geometry(), QGuiApplication::screens().value(1)->geometry());
    EXPECT_TRUE(mostra()) << "on the new screen";
}

}  // namespace
}  // namespace vantor::teste
