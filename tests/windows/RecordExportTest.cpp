// The record windows handing a record on: the export commands, the viewer's report, CSV and
// picture, and the main menu's export of a log picked in the file manager. The save dialog, the
// progress window and the wait cursor are answered through their seams; the CSV is compared
// with what zeltar-export writes.

#include "dialogs/ModalSeam.h"
#include "report/RecordExport.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/ChoiceGroup.h"
#include "windows/ExportChoiceDialog.h"
#include "windows/RecordViewer.h"
#include "windows/FileManager.h"
#include "windows/RecordExportCommands.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

class RecordExport : public RecordWindowTest {
protected:
    // A field-strength record long enough for several blocks of the CSV writer.
    QString LongRecord(const QString &name, std::size_t samples = 150000)
    {
        std::vector<TSampleRecord> records;
        for (std::size_t i = 0; i < samples; ++i)
            records.push_back(Sample(float(0.05 + 3 * std::abs(std::sin(double(i) / 900))),
                                     std::uint16_t(i % 7 == 0 ? 0 : 800 + i % 1700)));
        return WriteRecord(App.Paths().LogDir, name, records,
                           MakeMeta(UnitVm, 0.5, QDateTime(QDate(2025, 1, 7), QTime(23, 59)), "Ann", "Hall", "Wi-Fi", 3));
    }
    QString Output(const QString &name) const { return App.Paths().AppDir + name; }
    QStringList FilesInAppDir() const { return QDir(App.Paths().AppDir).entryList(QDir::Files); }

    TRecordViewer Form{Host, App.Paths()};
};

TEST_F(RecordExport, CsvIsByteForByteWhatTheExportCommandWritesAndCancelLeavesNoFile)
{
    const QString log = LongRecord("long");
    const TExportMeta meta = ReadExportMeta(log);
    const TReportRequest request{log, meta.Meta, TPopulation::Sensitive, TTargetState::Wake, meta.Damage};
    Services.SaveAs = Output("long.csv");
    EXPECT_EQ(ExportCsvCommand(nullptr, request), Services.SaveAs);
    EXPECT_EQ(QFileInfo(Services.SaveRequests.at(0).ProposedFile).fileName(), "long.csv");
    const QByteArray expected = RunBuiltProgram("zeltar-export", {"--population", "sensitive", log}).Output;
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(ReadWholeFile(Services.SaveAs) == expected);

    // One window for the whole export, its bar rising block by block to the step before its end.
    ASSERT_EQ(Services.Progress.size(), 1u);
    const TShownProgress &shown = Services.Progress[0];
    EXPECT_EQ(shown.Request.Text, "Exporting \"long.zlog\" as CSV…");
    EXPECT_GT(shown.Values.size(), 2u);
    EXPECT_TRUE(std::is_sorted(shown.Values.begin(), shown.Values.end()));
    EXPECT_EQ(shown.Values.back(), shown.Request.Maximum - 1);
    EXPECT_TRUE(shown.Ended);

    // Cancelled at the first block: no file, no box; the dialog opened where the last file went.
    Services.SaveAs = Output("cancelled.csv");
    Services.CancelAfter = 1;
    EXPECT_EQ(ExportCsvCommand(nullptr, request), QString());
    EXPECT_TRUE(QDir(Services.SaveRequests.back().Folder) == QDir(App.Paths().AppDir));
    EXPECT_EQ(FilesInAppDir(), QStringList{"long.csv"});
    ASSERT_EQ(Services.Progress.size(), 2u);
    EXPECT_EQ(Services.Progress[1].Values.size(), 1u);
    EXPECT_TRUE(Services.Progress[1].Ended);
    EXPECT_TRUE(Services.Shown.empty());
}

// Each command writes the file chosen, or shows one error box and leaves none; the record's own
// log is never replaced.
TEST_F(RecordExport, ViewerCommandsWriteTheChosenFileOrOneErrorBox)
{
    using TCommand = void (TRecordViewer::*)();
    const std::pair<QString, TCommand> commands[] = {
        {"a.pdf", &TRecordViewer::SaveReportClick}, {"a.csv", &TRecordViewer::ExportCsvClick}, {"a.png", &TRecordViewer::SavePictureClick}};
    const QString log = LongRecord("long", 500);
    const QByteArray logBytes = ReadWholeFile(log);
    Form.OpenRecord(log, false);
    for (const auto &[name, command] : commands) {
        Services.SaveAs = Output(name);
        (Form.*command)();
        // The status line says where the file went.
        EXPECT_TRUE(Form.PanelStatus->text().endsWith(" saved to " + QDir::toNativeSeparators(Output(name))))
            << Form.PanelStatus->text().toStdString();
    }
    EXPECT_TRUE(ReadWholeFile(Output("a.pdf")).startsWith("%PDF"));
    EXPECT_EQ(QImage(Output("a.png")).size(), QSize(Form.TChart->width(), Form.TChart->height() + Form.HChart->height()));
    EXPECT_TRUE(Services.Shown.empty()) << Services.Texts().join('\n').toStdString();
    // The report is written under the wait cursor, which is put back.
    EXPECT_EQ(Services.BusyCursors, 1);

    const QString blocker = App.WriteFile("blocker", "x");
    for (const auto &[name, command] : commands) {
        Services.Shown.clear();
        Services.SaveAs = blocker + "/" + name;
        (Form.*command)();
        EXPECT_EQ(Services.Shown.size(), 1u) << name.toStdString();
        EXPECT_EQ(Services.BusyNow, 0) << name.toStdString();
    }
    Services.SaveAs = log;
    Form.ExportCsvClick();
    EXPECT_EQ(Services.Shown.size(), 2u);
    EXPECT_EQ(FilesInAppDir(), (QStringList{"a.csv", "a.pdf", "a.png", "blocker"}));
    EXPECT_EQ(ReadWholeFile(log), logBytes);
}

// What the report says of a damaged record is tests/report's; the viewer hands its damage on.
TEST_F(RecordExport, ViewerReportOfADamagedRecordSaysSo)
{
    TMetaData meta = MakeMeta(7, 0.5, QDateTime(QDate(2025, 1, 7), QTime(9, 0)));
    Form.OpenRecord(WriteRecord(App.Paths().LogDir, "odd", {Sample(1.0f), Sample(2.0f)}, meta), false);
    Services.SaveAs = Output("odd.pdf");
    Form.SaveReportClick();
    EXPECT_TRUE(RunProgram("pdftotext", {Services.SaveAs, "-"}).OutputText().contains("cannot be right: unit"));
}

TEST_F(RecordExport, MainMenuExportWritesWhatIsChosenForThePickedLog)
{
    const QString log = LongRecord("picked", 1000);
    TFileManager fileManager(Host, App.Paths());
    QString picked;
    fileManager.OnExportRecord = [&](const QString &logFile) { picked = logFile; };
    fileManager.ShowFileManager(TFileManagerMode::ExportRecord);
    fileManager.ImageOKbClick();
    EXPECT_EQ(QFileInfo(picked).canonicalFilePath(), QFileInfo(log).canonicalFilePath());

    TModalSeam<TExportChoiceDialog>::Hook = [](TExportChoiceDialog &dialog) { dialog.CsvButton->click(); };
    Services.SaveAs = Output("picked.csv");
    ExportPickedRecord(nullptr, picked, TPopulation::General, TTargetState::Sleep);
    TModalSeam<TExportChoiceDialog>::Hook = nullptr;
    EXPECT_TRUE(ReadWholeFile(Services.SaveAs) == RunBuiltProgram("zeltar-export", {"--state", "sleep", log}).Output);
}

} // namespace
