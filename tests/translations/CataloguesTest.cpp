// The catalogues hold every text of the sources, translated: lupdate over the sources into a
// copy of each catalogue finds no new, unfinished or vanished entry.

#include "tests/support/Catalogue.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Catalogues, HoldEveryTextOfTheSourcesTranslated)
{
    const QStringList folders = QStringLiteral(ZELTAR_TRANSLATED_FOLDERS).split(u',');
    for (const QString &catalogue : QStringLiteral(ZELTAR_TS_FILES).split(u',')) {
        SCOPED_TRACE(catalogue.toStdString());
        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(catalogue).fileName());
        ASSERT_TRUE(QFile::copy(catalogue, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(ZELTAR_SOURCE_DIR));
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(ZELTAR_LUPDATE),
                      QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                  QStringLiteral("-I"), QStringLiteral(".")}
                          + folders + QStringList{QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000));
        const QString output = QString::fromUtf8(lupdate.readAll());
        ASSERT_EQ(lupdate.exitCode(), 0) << output.toStdString();
        // lupdate's warnings name the texts it cannot read, such as tr() outside a Q_OBJECT class.
        EXPECT_EQ(output.trimmed(), QString());
        EXPECT_EQ(ReadCatalogue(copy).NotReady, QStringList());
    }
}
