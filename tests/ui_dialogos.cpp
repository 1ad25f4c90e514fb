// The configuration dialog and the sound-file chooser on screen, opened by the core as the operator
// opens them and driven through their widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

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
void DuploClique(QWidget* w, QPoint p) {
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
    auto* c = Filho<QLineEdit>(d, caixa);
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(c, texto);
}

void Aperta(QWidget& d, const char* botao) { QTest::mouseClick(Filho<QPushButton>(d, botao), Qt::LeftButton); }

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
        Clica(Filho<QListWidget>(d, "L_Lingua"), "English");
        titulo = d.windowTitle();
        // The box names a file beside the program: the chooser opens there, lists only WAV files.
        QuandoAbrir<ui::DialogoSom>([&](ui::DialogoSom& s) {
            auto* arquivos = Filho<QListWidget>(s, "File1");
            EXPECT_EQ(Itens(arquivos), QStringList({"apito.WAV", "gongo.wav"}));
            Clica(arquivos, "apito.WAV");
            Aperta(s, "OKButton");
        });
        DuploClique(Filho<QLineEdit>(d, "T_Sons2"), {5, 5});
        EXPECT_EQ(Filho<QLineEdit>(d, "T_Sons2")->text().toStdString(), Caminho("apito.WAV"));
        QTest::keyClick(Filho<QLineEdit>(d, "T_Nome1"), Qt::Key_Return);
    });
    QTest::keyClick(janela.get(), Qt::Key_F1);

    EXPECT_EQ(titulo, "Config");
    EXPECT_EQ(plat.sons, std::vector<std::string>{Caminho("apito.WAV")});
    EXPECT_EQ(v.Rounds, 2);
    EXPECT_EQ(v.Tempo, 90);
    EXPECT_EQ(v.Nome[1], "Silva");
    EXPECT_EQ(v.Lingua, 2);
    EXPECT_EQ(v.Som[2], Caminho("apito.WAV"));
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
        EXPECT_EQ(Filho<QLineEdit>(d, "T_Tempo")->text(), "60");
        EXPECT_EQ(Selecionado(Filho<QListWidget>(d, "L_Tempo")), "1 min");
        EXPECT_TRUE(Filho<QRadioButton>(d, "Op_2017")->isChecked());
        auto* limite = Filho<QCheckBox>(d, "C_Limite");
        auto* caixaLimite = Filho<QLineEdit>(d, "T_Limite");
        EXPECT_TRUE(limite->isHidden());
        EXPECT_FALSE(Filho<QCheckBox>(d, "C_Diferenca")->isHidden());
        // Choosing the limit rules shows the limit box; ticking it fills the box and shows it.
        QTest::mouseClick(Filho<QRadioButton>(d, "Op_Fetesp"), Qt::LeftButton);
        EXPECT_FALSE(Filho<QRadioButton>(d, "Op_2017")->isChecked());
        EXPECT_FALSE(limite->isHidden());
        EXPECT_TRUE(caixaLimite->isHidden());
        QTest::mouseClick(limite, Qt::LeftButton);
        EXPECT_FALSE(caixaLimite->isHidden());
        EXPECT_EQ(caixaLimite->text(), "15");
        // A preset overwrites what was typed.
        Digita(d, "T_Tempo", "75");
        Clica(Filho<QListWidget>(d, "L_Tempo"), "1 min");
        EXPECT_EQ(Filho<QLineEdit>(d, "T_Tempo")->text(), "60");
        Clica(Filho<QListWidget>(d, "L_Tempo"), "1.5 min");
        EXPECT_EQ(Filho<QLineEdit>(d, "T_TempoInicial")->text(), "90");
        Digita(d, "T_Round", "3");
        Clica(Filho<QListWidget>(d, "L_Lingua"), "Spanish");
        // A double click on a file is OK.
        QuandoAbrir<ui::DialogoSom>(
            [&](ui::DialogoSom& s) { Clica(Filho<QListWidget>(s, "File1"), "gongo.wav", true); });
        DuploClique(Filho<QLineEdit>(d, "T_Sons1"), {5, 5});
        EXPECT_EQ(Filho<QLineEdit>(d, "T_Sons1")->text().toStdString(), Caminho("gongo.wav"));
        QTest::keyClick(Filho<QLineEdit>(d, "T_Round"), Qt::Key_Escape);
    });
    QTest::keyClick(janela.get(), Qt::Key_F1);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(v.Rounds, 1);
    EXPECT_EQ(v.Tempo, 60);
    EXPECT_EQ(v.Regra, 2);
    EXPECT_EQ(v.Lingua, 0);
    EXPECT_EQ(v.Som[1], "gongo.wav");
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
             EXPECT_EQ(Selecionado(Filho<QListWidget>(s, "File1")), "Fim.Wav");  // the box's file
             Clica(Filho<QListWidget>(s, "Dir1"), "..", true);
             auto* arquivos = Filho<QListWidget>(s, "File1");
             EXPECT_EQ(Itens(arquivos), QStringList({"apito.WAV", "gongo.wav"}));
             for (const char* nome : {"gongo.wav", "gongo.wav", "apito.WAV"}) Clica(arquivos, nome);
             Aperta(s, "OKButton");
         },
         Caminho("apito.WAV"), {Caminho("gongo.wav"), Caminho("gongo.wav"), Caminho("apito.WAV")}},
        {"a sub-folder opened with Enter, no file",
         [this](ui::DialogoSom& s) {
             auto* pastas = Filho<QListWidget>(s, "Dir1");
             Clica(pastas, "..", true);
             EXPECT_EQ(Itens(pastas), QStringList({QString::fromStdString(raiz), "..", "LOG", "sub"}));
             pastas->setCurrentRow(3);
             QTest::keyClick(pastas, Qt::Key_Return);
             EXPECT_TRUE(s.isVisible());  // Enter opened the folder and did not press OK
             EXPECT_EQ(pastas->item(0)->text().toStdString(), Caminho("sub"));
             EXPECT_EQ(Selecionado(Filho<QListWidget>(s, "File1")), "");
             Aperta(s, "OKButton");
         },
         Caminho("sub") + "/", {}},
        {"the root, no file",
         [this](ui::DialogoSom& s) {
             auto* pastas = Filho<QListWidget>(s, "Dir1");
             for (int i = 0; i < 20 && pastas->item(0)->text() != "/"; ++i) Clica(pastas, "..", true);
             EXPECT_FALSE(Itens(pastas).contains(".."));
             EXPECT_TRUE(Itens(pastas).contains(QString::fromStdString(raiz).section('/', 1, 1)));
             Aperta(s, "OKButton");
         },
         "/", {}},
        {"Cancel after a click",
         [](ui::DialogoSom& s) {
             Clica(Filho<QListWidget>(s, "File1"), "Fim.Wav");
             Aperta(s, "CancelButton");
         },
         antes, {antes}},
        {"Esc", [](ui::DialogoSom& s) { QTest::keyClick(Filho<QListWidget>(s, "File1"), Qt::Key_Escape); }, antes, {}},
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
