// The record windows handing a record on: the viewer's report, CSV and picture, the density
// analyser's picture and the main menu's export of a log picked in the file manager. The save
// dialog is answered through its seam; the CSV is compared with what zeltar-export writes.

#include "charts/RChart.h"
#include "model/Units.h"
#include "storage/LogFile.h"
#include "storage/ModalSeam.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/ChoiceGroup.h"
#include "windows/ExportChoiceDialog.h"
#include "windows/Form3_ShowData.h"
#include "windows/Form4_Density.h"
#include "windows/Form7_FileManager.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

namespace {

const QDateTime Start(QDate(2025, 1, 7), QTime(23, 59, 0));

QByteArray ExportCommandOutput(const QStringList &arguments)
{
    return RunBuiltProgram("zeltar-export", arguments).Output;
}

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

class RecordExport : public RecordWindowTest {
protected:
    RecordExport() { Form.resize(1056, 701); }

    // A field-strength record long enough for several blocks of the CSV writer.
    QString LongRecord(const QString &name, std::size_t samples = 150000)
    {
        std::vector<TSampleRecord> records;
        for (std::size_t i = 0; i < samples; ++i)
            records.push_back(Sample(float(0.05 + 3 * std::abs(std::sin(double(i) / 900))),
                                     std::uint16_t(i % 7 == 0 ? 0 : 800 + i % 1700)));
        return WriteRecord(App.Paths().LogDir, name, records, MakeMeta(UnitVm, 0.5, Start, "Ann", "Hall", "Wi-Fi", 3));
    }
    QString Output(const QString &name) const { return App.Paths().AppDir + name; }
    QStringList FilesInAppDir() const { return QDir(App.Paths().AppDir).entryList(QDir::Files); }

    TForm3 Form{Host, App.Paths()};
};

TEST_F(RecordExport, ViewerCsvIsByteForByteWhatTheExportCommandWrites)
{
    const QString log = LongRecord("long");
    Form.OpenRecord(log, false);
    Form.RiskPopulationRG->SetItemIndex(1);
    Services.SaveAs = Output("long.csv");
    Form.ExportCsvClick();

    ASSERT_EQ(Services.SaveRequests.size(), 1u);
    EXPECT_EQ(FileName(Services.SaveRequests[0].ProposedFile), "long.csv");
    EXPECT_TRUE(Services.Shown.empty()) << Services.Texts().join('\n').toStdString();
    const QByteArray expected = ExportCommandOutput({"--population", "sensitive", log});
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(ReadWholeFile(Services.SaveAs) == expected);

    // The next dialog opens where the last file went.
    Services.SaveAs.clear();
    Form.SaveReportClick();
    EXPECT_TRUE(QDir(Services.SaveRequests.back().Folder) == QDir(App.Paths().AppDir));
    EXPECT_EQ(FileName(Services.SaveRequests.back().ProposedFile), "long.pdf");
}

TEST_F(RecordExport, CancelledCsvLeavesNoFile)
{
    Form.OpenRecord(LongRecord("long"), false);
    Services.SaveAs = Output("cancelled.csv");
    bool cancelled = false;
    QTimer::singleShot(0, &Form, [&] {
        if (auto *progress = Form.findChild<QProgressDialog *>()) {
            progress->cancel();
            cancelled = true;
        }
    });
    Form.ExportCsvClick();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(FilesInAppDir(), QStringList());
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(RecordExport, ViewerReportAndPicturesOfTheRecordShown)
{
    Form.OpenRecord(LongRecord("long", 2000), false);
    Services.SaveAs = Output("long.pdf");
    Form.SaveReportClick();
    EXPECT_TRUE(
        RunProgram("pdfinfo", {Services.SaveAs}).OutputText().contains(QRegularExpression(R"(Pages:\s+[12]\n)")));

    Services.SaveAs = Output("long.png");
    Form.SavePictureClick();
    EXPECT_EQ(QImage(Services.SaveAs).size(),
              QSize(Form.TChart->width(), Form.TChart->height() + Form.HChart->height()));
    EXPECT_TRUE(Services.Shown.empty()) << Services.Texts().join('\n').toStdString();
}

TEST_F(RecordExport, AnUnwritableFolderGivesOneErrorBoxPerCommandAndNoFile)
{
    const QString log = LongRecord("long", 500);
    const QByteArray logBytes = ReadWholeFile(log);
    Form.OpenRecord(log, false);
    const QString blocker = App.WriteFile("blocker", "x");
    for (const auto &[name, command] : {std::pair<QString, void (TForm3::*)()>{"a.pdf", &TForm3::SaveReportClick},
                                        {"a.csv", &TForm3::ExportCsvClick},
                                        {"a.png", &TForm3::SavePictureClick}}) {
        Services.Shown.clear();
        Services.SaveAs = blocker + "/" + name;
        (Form.*command)();
        ASSERT_EQ(Services.Shown.size(), 1u) << name.toStdString();
        EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    }
    EXPECT_EQ(FilesInAppDir(), QStringList({"blocker"}));

    // Naming the record's own log refuses the export and keeps the log.
    Services.Shown.clear();
    Services.SaveAs = log;
    Form.ExportCsvClick();
    EXPECT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(ReadWholeFile(log), logBytes);
}

TEST_F(RecordExport, NothingIsExportedBeforeARecordIsShown)
{
    Services.SaveAs = Output("none.csv");
    Form.ExportCsvClick();
    Form.SaveReportClick();
    Form.SavePictureClick();
    EXPECT_TRUE(Services.SaveRequests.empty());
}

TEST_F(RecordExport, DensityAnalyserPictureHasTheChartsSize)
{
    const QString log = LongRecord("long", 3000);
    TForm4 analyser(App.Paths());
    analyser.resize(1104, 459);
    analyser.LoadDensities({CompanionName(log, ".histo")});
    Services.SaveAs = Output("density.png");
    analyser.SavePictureClick();
    ASSERT_EQ(Services.SaveRequests.size(), 1u);
    EXPECT_EQ(FileName(Services.SaveRequests[0].ProposedFile), "Density.png");
    EXPECT_EQ(QImage(Services.SaveAs).size(), analyser.HChart->size());
}

TEST_F(RecordExport, MainMenuExportWritesWhatIsChosenForThePickedLog)
{
    const QString log = LongRecord("picked", 1000);
    TForm7 fileManager(Host, App.Paths());
    QString picked;
    fileManager.OnExportRecord = [&](const QString &logFile) { picked = logFile; };
    fileManager.ShowFileManager(2);
    EXPECT_EQ(fileManager.windowTitle(), "File Manager - export a Log File");
    fileManager.ImageOKbClick();
    EXPECT_EQ(QFileInfo(picked).canonicalFilePath(), QFileInfo(log).canonicalFilePath());

    TModalSeam<TExportChoiceDialog>::Hook = [](TExportChoiceDialog &dialog) { dialog.CsvButton->click(); };
    Services.SaveAs = Output("picked.csv");
    ExportPickedRecord(nullptr, picked, 0, 1);
    TModalSeam<TExportChoiceDialog>::Hook = nullptr;
    EXPECT_TRUE(ReadWholeFile(Services.SaveAs) == ExportCommandOutput({"--state", "sleep", log}));

    // Cancel in the question writes nothing and asks for no file.
    TModalSeam<TExportChoiceDialog>::Hook = [](TExportChoiceDialog &dialog) { dialog.CancelButton->click(); };
    const std::size_t asked = Services.SaveRequests.size();
    ExportPickedRecord(nullptr, picked, 0, 0);
    TModalSeam<TExportChoiceDialog>::Hook = nullptr;
    EXPECT_EQ(Services.SaveRequests.size(), asked);
}

} // namespace
