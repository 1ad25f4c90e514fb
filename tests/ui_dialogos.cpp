// The configuration dialog and the sound-file chooser on screen, opened by the core as the operator
// opens them and driven through their widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <tuple>

#include "app/vantor.h"
#include "settings/arquivos.h"
#include "settings/form2.h"
#include "ui/dialogo_config.h"
#include "ui/dialogo_som.h"
#include "ui/janela_placar.h"
#include "ui/plataforma_qt.h"

namespace vantor::teste {
namespace {

// The real Qt platform, with the program folder and TEMP in a temporary folder and sounds written down.
class PlataformaDeTeste : public ui::PlataformaQt {
public:
    explicit PlataformaDeTeste(std::string pasta) : pasta_(std::move(pasta)) {}
    std::vector<std::string> sons;
    std::string PastaPrograma() override { return pasta_; }
    std::string Ambiente(const std::string& nome) override {
        return nome == "TEMP" ? pasta_ + "/" : PlataformaQt::Ambiente(nome);
    }
    void TocaWav(const std::string& arquivo) override { sons.push_back(arquivo); }

private:
    std::string pasta_;
};

// Runs `passo` on the dialog of type T once it is the modal window; a step that never finds it fails.
template <class T>
void QuandoAbrir(std::function<void(T&)> passo, int tentativa = 0) {
    QTimer::singleShot(10, [passo, tentativa] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) passo(*d);
        else if (tentativa < 300) QuandoAbrir<T>(passo, tentativa + 1);
        else ADD_FAILURE() << "the dialog did not come up";
    });
}

template <class T>
T* Filho(QWidget& d, const char* nome) {
    auto* w = d.findChild<T*>(QString::fromUtf8(nome));
    if (!w) ADD_FAILURE() << "no control " << nome;
    return w;
}
QListWidget* Lista(QWidget& d, const char* nome) { return Filho<QListWidget>(d, nome); }
QLineEdit* Caixa(QWidget& d, const char* nome) { return Filho<QLineEdit>(d, nome); }

QStringList Itens(QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
    return r;
}

QString Selecionado(QListWidget* l) {
    const auto itens = l->selectedItems();
    return itens.size() == 1 ? itens[0]->text() : QString();
}

// A press and release, then the second press as the window system sends it.
void DuploClique(QWidget* w, QPoint p = {5, 5}) {
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
    QTest::mouseDClick(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

void Clica(QListWidget* l, const QString& texto, bool duplo = false) {
    const auto achados = l->findItems(texto, Qt::MatchExactly);
    ASSERT_EQ(achados.size(), 1) << texto.toStdString() << " in " << Itens(l).join(", ").toStdString();
    l->scrollToItem(achados[0]);
    const QPoint p = l->visualItemRect(achados[0]).center();
    if (duplo) DuploClique(l->viewport(), p);
    else QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
}

void Digita(QWidget& d, const char* caixa, const QString& texto) {
    QTest::keyClick(Caixa(d, caixa), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Caixa(d, caixa), texto);
}

void Aperta(QWidget& d, const char* botao) { QTest::mouseClick(Filho<QAbstractButton>(d, botao), Qt::LeftButton); }

class Dialogos : public testing::Test {
protected:
    QTemporaryDir pasta;
    const std::string raiz = pasta.path().toStdString();
    PlataformaDeTeste plat{raiz};
    Vantor v{plat};
    std::unique_ptr<ui::JanelaPlacar> janela;
    QTimer vigia;

    void SetUp() override {
        for (const char* nome : {"apito.WAV", "gongo.wav", "leia.txt", "sub/Fim.Wav"}) Cria(nome);
        v.Form_Load();
        janela = std::make_unique<ui::JanelaPlacar>(v);
        plat.DefineJanela(janela.get());
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
        // A step that fails midway must not leave a modal window up for ever.
        vigia.setSingleShot(true);
        QObject::connect(&vigia, &QTimer::timeout, [] {
            ADD_FAILURE() << "a dialog was still open";
            for (int i = 0; i < 4 && QApplication::activeModalWidget(); ++i) QApplication::activeModalWidget()->close();
        });
        vigia.start(15000);
    }
    void Cria(const QString& nome) {
        QDir(pasta.path()).mkpath(QFileInfo(pasta.filePath(nome)).path());
        QFile f(pasta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    std::string Caminho(const char* nome) const { return Junta(raiz, nome); }
    std::string Ini() const { return LeArquivo(Caminho("vantor.ini")); }
};

TEST_F(Dialogos, F1OpensTheDialogModallyAndEnterStoresLogsAndSaves) {
    const std::string logAnterior = v.ArquivoLog;
    QString titulo;
    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        EXPECT_EQ(d.parentWidget(), janela.get());
        QTest::keyClick(janela->windowHandle(), Qt::Key_Return);  // the scoreboard is blocked
        EXPECT_FALSE(v.LutaIniciada);
        Digita(d, "T_Round", "2.5");
        Digita(d, "T_Tempo", "90");
        Digita(d, "T_Nome1", "Silva");
        Clica(Lista(d, "L_Lingua"), "English");
        titulo = d.windowTitle();
        // The box names a file beside the program: the chooser opens there and lists only WAV files.
        QuandoAbrir<ui::DialogoSom>([&](ui::DialogoSom& s) {
            EXPECT_EQ(Itens(Lista(s, "File1")), QStringList({"apito.WAV", "gongo.wav"}));
            Clica(Lista(s, "File1"), "apito.WAV");
            Aperta(s, "OKButton");
        });
        DuploClique(Caixa(d, "T_Sons2"));
        EXPECT_EQ(Caixa(d, "T_Sons2")->text().toStdString(), Caminho("apito.WAV"));
        QTest::keyClick(Caixa(d, "T_Nome1"), Qt::Key_Return);
    });
    QTest::keyClick(janela.get(), Qt::Key_F1);

    EXPECT_EQ(titulo, "Config");
    EXPECT_EQ(plat.sons, std::vector<std::string>{Caminho("apito.WAV")});
    EXPECT_EQ(std::tie(v.Rounds, v.Tempo, v.Nome[1], v.Lingua, v.Som[2]),
              std::make_tuple(2, 90, "Silva", 2, Caminho("apito.WAV")));
    const std::string linha = "\tConfigura\tRounds: 2\tIntervalo: 15\tRound: 90\tNome Azul: Silva\tL2 Azul: "
                              "\tNome Vermelho: " + v.Nome[2] + "\tL2 Vermelho: \tÁrbitros: 3\r\n";
    EXPECT_NE(LeArquivo(logAnterior).find(linha), std::string::npos) << LeArquivo(logAnterior);
    EXPECT_NE(Ini().find("Som2=" + Caminho("apito.WAV") + "\r\n"), std::string::npos) << Ini();
    EXPECT_NE(Ini().find("Lingua=2"), std::string::npos) << Ini();
}

TEST_F(Dialogos, TheDialogShowsTheCoreAndEscDiscardsEveryChange) {
    const std::string logAnterior = v.ArquivoLog;
    QuandoAbrir<ui::DialogoConfig>([&](ui::DialogoConfig& d) {
        EXPECT_EQ(d.windowTitle(), "Configurações");
        EXPECT_EQ(Selecionado(Lista(d, "L_Tempo")), "1 min");
        EXPECT_TRUE(Filho<QAbstractButton>(d, "Op_2017")->isChecked());
        // The limit rules show the limit's check box; ticking it fills its box and shows it.
        auto* limite = Filho<QAbstractButton>(d, "C_Limite");
        EXPECT_TRUE(limite->isHidden());
        Aperta(d, "Op_Fetesp");
        EXPECT_FALSE(limite->isHidden());
        EXPECT_TRUE(Caixa(d, "T_Limite")->isHidden());
        Aperta(d, "C_Limite");
        EXPECT_FALSE(Caixa(d, "T_Limite")->isHidden());
        EXPECT_EQ(Caixa(d, "T_Limite")->text(), "15");
        // A preset chosen again overwrites what was typed over it.
        Digita(d, "T_Tempo", "75");
        Clica(Lista(d, "L_Tempo"), "1 min");
        EXPECT_EQ(Caixa(d, "T_Tempo")->text(), "60");
        Clica(Lista(d, "L_Tempo"), "1.5 min");
        Clica(Lista(d, "L_Lingua"), "Spanish");
        QuandoAbrir<ui::DialogoSom>([&](ui::DialogoSom& s) { Clica(Lista(s, "File1"), "gongo.wav", true); });
        DuploClique(Caixa(d, "T_Sons1"));
        EXPECT_EQ(Caixa(d, "T_Sons1")->text().toStdString(), Caminho("gongo.wav"));  // a double click is OK
        QTest::keyClick(Caixa(d, "T_Tempo"), Qt::Key_Escape);
    });
    QTest::keyClick(janela.get(), Qt::Key_F1);

    EXPECT_EQ(std::tie(v.Tempo, v.Regra, v.Lingua, v.Som[1]), std::make_tuple(60, 2, 0, "gongo.wav"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Caminho("vantor.ini"))));
    EXPECT_EQ(LeArquivo(logAnterior).find("Configura"), std::string::npos);
}

// The chooser alone, over box 3 of a dialog that is not on screen: what OK writes, what Cancel keeps.
TEST_F(Dialogos, TheChooserWritesTheFolderAndTheFileChosen) {
    const std::string antes = Caminho("sub/Fim.Wav");
    const struct {
        const char* nome;
        std::function<void(ui::DialogoSom&)> passos;
        std::string caixa;
        std::vector<std::string> sons;
    } casos[] = {
        {"a file, clicked twice, then another",
         [](ui::DialogoSom& s) {
             EXPECT_EQ(Selecionado(Lista(s, "File1")), "Fim.Wav");  // the box's file
             Clica(Lista(s, "Dir1"), "..", true);
             for (const char* nome : {"gongo.wav", "gongo.wav", "apito.WAV"}) Clica(Lista(s, "File1"), nome);
             Aperta(s, "OKButton");
         },
         Caminho("apito.WAV"), {Caminho("gongo.wav"), Caminho("gongo.wav"), Caminho("apito.WAV")}},
        {"a sub-folder opened with Enter, no file",
         [this](ui::DialogoSom& s) {
             auto* pastas = Lista(s, "Dir1");
             Clica(pastas, "..", true);
             EXPECT_EQ(Itens(pastas), QStringList({QString::fromStdString(raiz), "..", "LOG", "sub"}));
             pastas->setCurrentRow(3);
             QTest::keyClick(pastas, Qt::Key_Return);
             EXPECT_TRUE(s.isVisible());  // Enter opened the folder and did not press OK
             EXPECT_EQ(pastas->item(0)->text().toStdString(), Caminho("sub"));
             EXPECT_EQ(Selecionado(Lista(s, "File1")), "");
             Aperta(s, "OKButton");
         },
         Caminho("sub") + "/", {}},
        {"the root, no file",
         [this](ui::DialogoSom& s) {
             auto* pastas = Lista(s, "Dir1");
             for (int i = 0; i < 20 && pastas->item(0)->text() != "/"; ++i) Clica(pastas, "..", true);
             EXPECT_FALSE(Itens(pastas).contains(".."));
             EXPECT_TRUE(Itens(pastas).contains(QString::fromStdString(raiz).section('/', 1, 1)));
             Aperta(s, "OKButton");
         },
         "/", {}},
        {"Cancel after a click on the file already chosen",
         [](ui::DialogoSom& s) {
             Clica(Lista(s, "File1"), "Fim.Wav");
             Aperta(s, "CancelButton");
         },
         antes, {antes}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        plat.sons.clear();
        Form2 dialogo(v);
        dialogo.Form_Load();
        dialogo.T_Sons[3].Text = antes;
        QuandoAbrir<ui::DialogoSom>(caso.passos);
        dialogo.T_Sons_DblClick(3);
        EXPECT_EQ(dialogo.T_Sons[3].Text, caso.caixa);
        EXPECT_EQ(plat.sons, caso.sons);  // every click heard, one on the file already chosen too
    }
}

}  // namespace
}  // namespace vantor::teste
