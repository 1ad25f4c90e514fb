// The Qt platform: the log's date and time text, and the editor launch.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/data_hora.h"
#include "ui/plataforma_qt.h"

namespace vantor::ui {
namespace {

const Momento kMomento{2026, 12, 6, 14, 3, 27, 450};

TEST(DataHora, TheZoneAndItsBlanksLeaveTheTime) {
    const std::pair<QString, QString> casos[] = {{"HH:mm:ss t", "HH:mm:ss"},
                                                 {"h:mm:ss AP tttt", "h:mm:ss AP"},
                                                 {"t HH:mm:ss", "HH:mm:ss"},
                                                 {"H:mm:ss t 'Uhr'", "H:mm:ss 'Uhr'"},
                                                 // Quoted letters are literal text, not the zone.
                                                 {"H'h'mm'min'ss's' t", "H'h'mm'min'ss's'"},
                                                 {"'at' HH:mm", "'at' HH:mm"}};
    for (const auto& [formato, esperado] : casos) EXPECT_EQ(plataforma::FormatoSemFuso(formato), esperado);

    EXPECT_EQ(plataforma::DataHoraCurta(QLocale("pt_BR"), kMomento), "06/12/2026 14:03:27");
    PlataformaQt p;
    const QString s = QString::fromStdString(p.DataHoraCurta(kMomento));
    const QString zona = QDateTime(QDate(2026, 12, 6), QTime(14, 3, 27)).timeZoneAbbreviation();
    ASSERT_FALSE(zona.isEmpty());
    EXPECT_FALSE(s.contains(zona)) << s.toStdString();
    EXPECT_TRUE(s.contains("27")) << s.toStdString();
}

// A stand-in opener first on the PATH, writing how many arguments it got and the first one.
class Editor : public testing::Test {
protected:
    QTemporaryDir pasta;
    QString saida = pasta.filePath("args.txt");
    QByteArray path = qgetenv("PATH");

    void SetUp() override {
        QFile script(pasta.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + saida + "'\n").toUtf8());
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", pasta.path().toUtf8() + ":" + path);
    }
    void TearDown() override { qputenv("PATH", path); }
};

TEST_F(Editor, PathIsOneArgumentAndNoShellRunsIt) {
    const QString caminho = pasta.filePath("LOG_2026 $(touch hacked); 'x'.txt");
    PlataformaQt().AbreEditor(caminho.toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(saida).size() > 0; }, 5000)) << "the opener was not started";
    QFile f(saida);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), "1\n" + caminho + "\n");
    EXPECT_FALSE(QFile::exists(pasta.filePath("hacked")));
    EXPECT_FALSE(QFile::exists("hacked"));
}

}  // namespace
}  // namespace vantor::ui
