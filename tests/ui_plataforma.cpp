// The Qt platform: locale formats, the editor launch, the screen and the message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/data_hora.h"
#include "platform/editor.h"
#include "ui/plataforma_qt.h"

namespace vantor::ui {
namespace {

const Momento kMomento{2026, 12, 6, 14, 3, 27, 450};

TEST(DataHora, ZoneFieldAndItsBlanksAreDropped) {
    EXPECT_EQ(plataforma::FormatoSemFuso("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(plataforma::FormatoSemFuso("h:mm:ss AP tttt"), "h:mm:ss AP");
    EXPECT_EQ(plataforma::FormatoSemFuso("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(plataforma::FormatoSemFuso("H:mm:ss t 'Uhr'"), "H:mm:ss 'Uhr'");
    // Quoted text is literal: its letter t is not the zone.
    EXPECT_EQ(plataforma::FormatoSemFuso("H'h'mm'min'ss's' t"), "H'h'mm'min'ss's'");
    EXPECT_EQ(plataforma::FormatoSemFuso("'at' HH:mm"), "'at' HH:mm");
}

TEST(DataHora, BrazilianShortDateAndLongTime) {
    EXPECT_EQ(plataforma::DataHoraCurta(QLocale("pt_BR"), kMomento), "06/12/2026 14:03:27");
}

TEST(DataHora, AmericanFormatHasNoZoneName) {
    const QString s = QString::fromStdString(plataforma::DataHoraCurta(QLocale("en_US"), kMomento));
    EXPECT_TRUE(s.startsWith("12/6/26 2:03:27")) << s.toStdString();
    EXPECT_TRUE(s.endsWith("PM")) << s.toStdString();
}

TEST(DataHora, SystemLocaleHasNoZoneName) {
    PlataformaQt p;
    const QString s = QString::fromStdString(p.DataHoraCurta(kMomento));
    const QString zona = QDateTime(QDate(2026, 12, 6), QTime(14, 3, 27)).timeZoneAbbreviation();
    ASSERT_FALSE(zona.isEmpty());
    EXPECT_FALSE(s.contains(zona)) << s.toStdString();
    EXPECT_TRUE(s.contains("27")) << s.toStdString();
}

TEST(PlataformaQt, NowIsOneReadingOfTheWallClock) {
    PlataformaQt p;
    const QDateTime antes = QDateTime::currentDateTime();
    const Momento m = p.Agora();
    const QDateTime depois = QDateTime::currentDateTime();
    const QDateTime lido(QDate(m.ano, m.mes, m.dia), QTime(m.hora, m.minuto, m.segundo, m.milissegundo));
    EXPECT_LE(antes, lido);
    EXPECT_LE(lido, depois);
}

TEST(PlataformaQt, EnvironmentAndProgramFolder) {
    PlataformaQt p;
    qputenv("VANTOR_TESTE_AMBIENTE", "C:\\Temp\\");
    EXPECT_EQ(p.Ambiente("VANTOR_TESTE_AMBIENTE"), "C:\\Temp\\");
    qunsetenv("VANTOR_TESTE_AMBIENTE");
    EXPECT_EQ(p.Ambiente("VANTOR_TESTE_AMBIENTE"), "");
    EXPECT_EQ(p.PastaPrograma(), QCoreApplication::applicationDirPath().toStdString());
}

TEST(PlataformaQt, ScreenSizeIsThePrimaryScreens) {
    PlataformaQt p;
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(p.LarguraTela(), s.width());
    EXPECT_EQ(p.AlturaTela(), s.height());
}

// Answers the next modal message box with `botao` and records what it showed.
struct Resposta {
    QString texto, titulo;
    QList<QMessageBox::StandardButton> botoes;
    QMessageBox::StandardButton padrao = QMessageBox::NoButton;
    QWidget* pai = nullptr;

    void Agenda(QMessageBox::StandardButton botao, int tentativa = 0) {
        QTimer::singleShot(tentativa == 0 ? 0 : 10, [this, botao, tentativa] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa) {
                if (tentativa < 200) Agenda(botao, tentativa + 1);
                return;
            }
            texto = caixa->text();
            titulo = caixa->windowTitle();
            pai = caixa->parentWidget();
            for (QAbstractButton* b : caixa->buttons()) botoes.push_back(caixa->standardButton(b));
            padrao = caixa->standardButton(caixa->defaultButton());
            caixa->button(botao)->click();
        });
    }
};

TEST(PlataformaQt, QuestionHasOkAndCancelWithCancelTheDefault) {
    PlataformaQt p;
    Resposta r;
    r.Agenda(QMessageBox::Ok);
    EXPECT_TRUE(p.PerguntaOkCancela("Zerar a luta?", ""));
    EXPECT_EQ(r.texto, "Zerar a luta?");
    EXPECT_EQ(r.titulo, "Vantor");
    EXPECT_EQ(r.botoes.size(), 2);
    EXPECT_TRUE(r.botoes.contains(QMessageBox::Ok));
    EXPECT_TRUE(r.botoes.contains(QMessageBox::Cancel));
    EXPECT_EQ(r.padrao, QMessageBox::Cancel);

    r.Agenda(QMessageBox::Cancel);
    EXPECT_FALSE(p.PerguntaOkCancela("Zerar a luta?", "Título"));
    EXPECT_EQ(r.titulo, "Título");
}

TEST(PlataformaQt, BoxesBelongToTheScoreboardWindow) {
    PlataformaQt p;
    QWidget janela;
    janela.setWindowTitle("Vantor");
    p.DefineJanela(&janela);
    Resposta r;
    r.Agenda(QMessageBox::Ok);
    p.Avisa("Aviso", "");
    EXPECT_EQ(r.pai, &janela);
    EXPECT_EQ(r.texto, "Aviso");
    EXPECT_EQ(r.titulo, "Vantor");
    EXPECT_EQ(r.botoes, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
}

// The opener gets the path as one argument, however odd, and no shell sees it.
TEST(Editor, PathReachesTheOpenerAsOneArgument) {
    QTemporaryDir pasta;
    const QString saida = pasta.filePath("args.txt");
    QFile script(pasta.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + saida + "'\n").toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray pathAntes = qgetenv("PATH");
    qputenv("PATH", pasta.path().toUtf8() + ":" + pathAntes);

    const QString caminho = pasta.filePath("LOG_2026 $(touch hacked); 'x'.txt");
    PlataformaQt p;
    p.AbreEditor(caminho.toStdString());
    qputenv("PATH", pathAntes);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saida) && QFile(saida).size() > 0, 5000);
    QFile f(saida);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_EQ(linhas[0], "1");
    EXPECT_EQ(linhas[1], caminho);
    EXPECT_FALSE(QFile::exists(pasta.filePath("hacked")));
    EXPECT_FALSE(QFile::exists("hacked"));
}

TEST(Editor, EmptyPathStartsNothing) {
    QTemporaryDir pasta;
    const QString saida = pasta.filePath("chamado");
    QFile script(pasta.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\ntouch '" + saida + "'\n").toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray pathAntes = qgetenv("PATH");
    qputenv("PATH", pasta.path().toUtf8() + ":" + pathAntes);
    PlataformaQt p;
    p.AbreEditor("");
    qputenv("PATH", pathAntes);
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(saida));
}

}  // namespace
}  // namespace vantor::ui
