// The record viewer, the density analyser and the file manager in French and in Italian:
// nothing shown is left in English where the catalogue has a translation, no text is cut off by
// its widget, and no accelerator is shared within a menu.

#include "model/UnitHistogram_COMMON.h"
#include "storage/LogFile.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ShownTexts.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/DensityAnalyser.h"
#include "windows/ExportChoiceDialog.h"
#include "windows/FileManager.h"
#include "windows/FileManagerMode.h"
#include "windows/RecordViewer.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const QDateTime Start(QDate(2025, 1, 7), QTime(9, 5, 3));

class WindowLanguages : public ::testing::TestWithParam<TLanguage> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadRiskPalette(BuiltProgramPath("Resources/"))); }

    // The texts set while the window was shown are laid out once its events have run.
    void ExpectTranslatedAndWhole(QWidget &window)
    {
        window.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(UntranslatedTexts(window, Catalogue), QStringList());
        // The drive list is as wide as the longest volume name of the machine, in any language,
        // and shows the whole name when it opens.
        QStringList cutOff = CutOffTexts(window);
        cutOff.removeIf([](const QString &entry) { return entry.startsWith("QComboBox: " + QDir::rootPath() + " "); });
        EXPECT_EQ(cutOff, QStringList());
        EXPECT_EQ(RepeatedAccelerators(window), QStringList());
    }
    QString Record(const QString &name, const TMetaData &meta = MakeMeta(UnitMWm2, 1, Start, "Ann", "Roof", "first try"),
                   bool withHisto = true)
    {
        return WriteRecord(App.Paths().LogDir, name, {Sample(1, 900), Sample(2.5f, 2450)}, meta, withHisto);
    }
    // Every box shown so far, and none of them in English.
    void ExpectBoxesTranslated()
    {
        for (const TShownBox &box : Services.Shown)
            EXPECT_FALSE(box.Text.startsWith("The meta data file")) << box.Text.toStdString();
    }

    TTrashHome Trash;
    TempAppDir App;
    TFakeServices Services;
    TFakeHost Host;
    TLanguageGuard Language{GetParam()}; // the windows are made after this
    TCatalogue Catalogue = ReadCatalogue(SourceCataloguePath(LanguageCode(GetParam())));
};

// A record with its metadata, then one whose .meta cannot be read and one whose .meta holds
// values that cannot be right: the status line, the title and the boxes change with each.
TEST_P(WindowLanguages, TheRecordViewerWithARecordAndWithDamagedOnes)
{
    TRecordViewer viewer(Host, App.Paths());
    viewer.OpenRecord(Record("one"), false);
    ExpectTranslatedAndWhole(viewer);

    const QString unreadable = Record("short");
    App.WriteFile("Log/short.meta", QByteArray(6, 'x'));
    viewer.OpenRecord(unreadable, false);
    ExpectTranslatedAndWhole(viewer);

    TMetaData meta = MakeMeta(UnitMWm2, 1, Start);
    const QString damaged = Record("damaged", meta);
    meta.Correction = -128;
    meta.Interval = std::nan("");
    WriteMetaFile(CompanionName(damaged, ".meta"), meta, 36500000.0);
    viewer.OpenRecord(damaged, false);
    ExpectTranslatedAndWhole(viewer);
    EXPECT_EQ(Services.Shown.size(), 2u);
    ExpectBoxesTranslated();
}

// Two curves and a file that could not be read, which the legend names as such.
TEST_P(WindowLanguages, TheDensityAnalyserWithCurvesAndAnUnreadableFile)
{
    QStringList files;
    for (const char *name : {"a", "b"}) {
        THistogram histogram(LevelFloorDb, LevelCeilingDb);
        histogram.Add(3);
        histogram.Add(7);
        files << App.Paths().LogDir + QString::fromLatin1(name) + ".histo";
        histogram.WriteToFile(files.back());
    }
    files << App.Paths().LogDir + "broken.histo";
    App.WriteFile("Log/broken.histo", "not a histogram");
    TDensityAnalyser analyser(App.Paths());
    analyser.LoadDensities(files);
    analyser.ShowDensityAnalyser();
    ExpectTranslatedAndWhole(analyser);
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_FALSE(Services.Shown[0].Text.startsWith("These histogram files")) << Services.Shown[0].Text.toStdString();
}

// Each mode has its own caption; a record without histogram shows the preview's other heading.
TEST_P(WindowLanguages, TheFileManagerInEachMode)
{
    Record("2025 01 07 - 09 05 03");
    Record("2025 01 08 - 10 00 00", MakeMeta(UnitMWm2, 1, Start, "Ann"), false);
    TFileManager manager(Host, App.Paths());
    for (const TFileManagerMode mode :
         {TFileManagerMode::OpenRecord, TFileManagerMode::ShowDensities, TFileManagerMode::ExportRecord}) {
        manager.ShowFileManager(mode);
        ExpectTranslatedAndWhole(manager);
    }
}

TEST_P(WindowLanguages, TheExportChoice)
{
    bool shown = false;
    ModalHookGuard<TExportChoiceDialog> guard([&](TExportChoiceDialog &dialog) {
        ExpectTranslatedAndWhole(dialog);
        shown = true;
    });
    EXPECT_EQ(AskExportChoice("2025 01 07 - 09 05 03.zlog", nullptr), std::nullopt);
    EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(FrenchAndItalian, WindowLanguages, ::testing::Values(TLanguage::French, TLanguage::Italian),
                         [](const auto &info) { return LanguageCode(info.param).toStdString(); });

} // namespace
