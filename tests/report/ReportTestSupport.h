#pragma once
// What the report tests share: the program's risk palette, a temporary application folder, the
// sample record of the repository copied into its Log folder, and a PDF's text as pdftotext
// lays it out.

#include "model/Risk.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QFile>

#include <gtest/gtest.h>

class ReportFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadRiskPalette(BuiltProgramPath("Resources/"))); }

    QString SampleLog() const
    {
        const QString name = QStringLiteral("2025 01 07 - 09 05 03");
        for (const char *suffix : {".zlog", ".meta", ".histo"})
            QFile::copy(QStringLiteral(ZELTAR_SAMPLES_DIR "/") + name + suffix, App.Paths().LogDir + name + suffix);
        return App.Paths().LogDir + name + ".zlog";
    }
    static QString PdfText(const QString &pdf) { return RunProgram("pdftotext", {"-layout", pdf, "-"}).OutputText(); }

    TempAppDir App;
};
