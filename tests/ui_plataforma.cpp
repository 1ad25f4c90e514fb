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

TEST(DataHora, TheZoneAndItsBlanksLeaveTheTime) {
    const std::pair<QString, QString> casos[] = {
        {"HH:mm:ss t", "HH:mm:ss"},
        {"h:mm:ss AP tttt", "h:mm:ss AP"},
        {"t HH:mm:ss", "HH:mm:ss"},
        {"H:mm:ss t 'Uhr'", "H:mm:ss 'Uhr'"},
        {"H'h'mm'min'ss's' t", "H'h'mm'min'ss's'"},  // quoted letters are text,
                                                     // not the zone
        {"'at' HH:mm", "'at' HH:mm"},
    };
    for (const auto& [formato, esperado] : casos) EXPECT_EQ(plataforma::FormatoSemFuso(formato), esperado);
    const Momento m{2026, 12, 6, 14, 3, 27, 450};
    EXPECT_EQ(plataforma::DataHoraCurta(QLocale("pt_BR"), m), "06/12/2026 14:03:27");
    const QString s = QString::fromStdString(PlataformaQt().DataHoraCurta(m));
    const QString zona = QDateTime(QDate(2026, 12, 6), QTime(14, 3, 27)).timeZoneAbbreviation();
    EXPECT_TRUE(!zona.isEmpty() && !s.contains(zona) && s.contains("27")) << s.toStdString();
}

// A stand-in opener first on the PATH writes how many arguments it got and the first one: the path is one
// argument, and no shell runs it.
TEST(Editor, PathIsOneArgumentAndNoShellRunsIt) {
    QTemporaryDir pasta;
    const QString saida = pasta.filePath("args.txt"), caminho = pasta.filePath("LOG_2026 $(touch hacked); 'x'.txt");
    QFile script(pasta.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + saida + "'\n").toUtf8());
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    script.close();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", pasta.path().toUtf8() + ":" + path);
    PlataformaQt().AbreEditor(caminho.toStdString());
    const bool aberto = QTest::qWaitFor([&] { return QFile(saida).size() > 0; }, 5000);
    qputenv("PATH", path);
    ASSERT_TRUE(aberto) << "the opener was not started";
    QFile f(saida);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), "1\n" + caminho + "\n");
    EXPECT_FALSE(QFile::exists(pasta.filePath("hacked")) || QFile::exists("hacked"));
}

}  // namespace
}  // namespace vantor::ui
