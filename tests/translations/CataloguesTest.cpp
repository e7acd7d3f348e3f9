// The catalogues hold every text of the sources, translated: lupdate over the sources into a
// copy of each catalogue finds no new, unfinished or vanished entry.

#include "tests/support/BuiltProgram.h"
#include "tests/support/Catalogue.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Catalogues, HoldEveryTextOfTheSourcesTranslated)
{
    const QString sources = QStringLiteral(ZELTAR_SOURCE_DIR);
    QStringList arguments{"-silent", "-locations", "none", "-I", sources};
    for (const QString &folder : QStringLiteral(ZELTAR_TRANSLATED_FOLDERS).split(u','))
        arguments << sources + u'/' + folder;
    for (const QString &catalogue : QStringLiteral(ZELTAR_TS_FILES).split(u',')) {
        SCOPED_TRACE(catalogue.toStdString());
        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(catalogue).fileName());
        ASSERT_TRUE(QFile::copy(catalogue, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const TProgramRun lupdate =
            RunProgram(ZELTAR_LUPDATE, arguments + QStringList{"-ts", copy}, {.TimeoutMs = 120000});
        EXPECT_EQ(lupdate.ExitCode, 0);
        // lupdate's warnings name the texts it cannot read, such as tr() outside a Q_OBJECT class.
        EXPECT_EQ(lupdate.OutputText().trimmed() + lupdate.Errors.trimmed(), QString());
        EXPECT_EQ(ReadCatalogue(copy).NotReady, QStringList());
    }
}
