// The configuration dialog and the sound-file chooser on screen, opened with F1 and driven through their widgets.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <tuple>

#include "settings/arquivos.h"
#include "ui/dialogo_config.h"
#include "ui/dialogo_som.h"
#include "ui/janela_placar.h"
#include "ui/plataforma_qt.h"

namespace vantor::teste {
namespace {

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

TEST(Dialogos, F1OpensTheDialogEscDiscardsAndEnterStoresLogsAndSaves) {
    QTemporaryDir pasta;
    const std::string raiz = pasta.path().toStdString(), apito = Junta(raiz, "apito.WAV");
    for (const char* nome : {"apito.WAV", "gongo.wav", "notas.txt", "c.wavx"})
        ASSERT_TRUE(GravaArquivo(Junta(raiz, nome), ""));
    PlataformaDeTeste plat(raiz);
    Vantor v(plat);
    v.Form_Load();
    ui::JanelaPlacar janela(v);
    plat.DefineJanela(&janela);
    janela.show();

    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        EXPECT_EQ(d.parentWidget(), &janela);
        auto* limite = Filho<QAbstractButton>(d, "C_Limite");
        auto* caixa = Filho(d, "T_Limite");
        EXPECT_TRUE(Filho<QAbstractButton>(d, "Op_2017")->isChecked() && limite->isHidden() && caixa->isHidden());
        EXPECT_EQ(Filho<QListWidget>(d, "L_Tempo")->currentRow(), 0);
        Filho<QAbstractButton>(d, "Op_Fetesp")->click();
        limite->click();
        EXPECT_TRUE(!limite->isHidden() && !caixa->isHidden() && caixa->text() == "15");
        // The box's file is selected, and a click on it plays it all the same; Cancel leaves the box.
        QuandoAbrir<ui::DialogoSom>([](ui::DialogoSom& s) {
            const auto* arquivos = Filho<QListWidget>(s, "File1");
            EXPECT_EQ(arquivos->count(), 2) << "WAV files only, in any case";
            EXPECT_EQ(arquivos->currentRow(), 1);
            Clica(s, "File1", "gongo.wav");
            Filho<QAbstractButton>(s, "CancelButton")->click();
        });
        QTest::mouseDClick(Filho(d, "T_Sons1"), Qt::LeftButton);  // as the window system sends a second press
        EXPECT_EQ(Filho(d, "T_Sons1")->text(), "gongo.wav");
        QuandoAbrir<ui::DialogoSom>([](ui::DialogoSom& s) { Clica(s, "File1", "apito.WAV", true); });  // that is OK
        QTest::mouseDClick(Filho(d, "T_Sons1"), Qt::LeftButton);
        QTest::keyClick(caixa, Qt::Key_Escape);
    });
    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(std::tie(v.Config().Regra, v.Config().Limite, v.Config().Som[1]), std::make_tuple(2, 99, "gongo.wav"));
    EXPECT_FALSE(ExisteArquivo(Junta(raiz, "vantor.ini")));

    const std::string log = v.Log().ArquivoLog;
    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        QTest::keyClick(Filho(d, "T_Nome1"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Filho(d, "T_Nome1"), "Silva");
        Clica(d, "L_Lingua", "English");
        EXPECT_EQ(d.windowTitle(), "Config");
        // Up to the root with double clicks, down again with Enter, which opens a folder and does not press OK.
        QuandoAbrir<ui::DialogoSom>([&](ui::DialogoSom& s) {
            const QStringList abaixo = pasta.path().split('/', Qt::SkipEmptyParts);
            for (int i = 0; i < abaixo.size(); ++i) Clica(s, "Dir1", "..", true);
            for (const QString& nome : abaixo) {
                Clica(s, "Dir1", nome);
                QTest::keyClick(Filho<QListWidget>(s, "Dir1"), Qt::Key_Return);
                ASSERT_TRUE(s.isVisible());
            }
            Clica(s, "File1", "apito.WAV");
            Filho<QAbstractButton>(s, "OKButton")->click();
        });
        QTest::mouseDClick(Filho(d, "T_Sons2"), Qt::LeftButton);
        QTest::keyClick(Filho(d, "T_Nome1"), Qt::Key_Return);
    });
    QTest::keyClick(&janela, Qt::Key_F1);
    EXPECT_EQ(plat.sons, (std::vector<std::string>{Junta(raiz, "gongo.wav"), apito, apito}));
    EXPECT_EQ(std::tie(v.Config().Nome[1], v.Config().Lingua, v.Config().Som[2]), std::make_tuple("Silva", 2, apito));
    EXPECT_NE(LeArquivo(log).find("\tConfigura\tRounds: 1\tIntervalo: 15\tRound: 60\tNome Azul: Silva\tL2 Azul: \t"
                                  "Nome Vermelho: Vermelho\tL2 Vermelho: \tÁrbitros: 3\r\n"),
              std::string::npos);
    EXPECT_EQ(LeArquivo(Junta(raiz, "vantor.ini")),
              "Som1=gongo.wav\r\nSom2=" + apito + "\r\nSom3=sparkle.wav\r\nSom4=gongo.wav\r\nLingua=2");
}

}  // namespace
}  // namespace vantor::teste
