// The memory import against the session alone: the dump's lines, the end of the transfer,
// its replay in the order of measurement, the record it is saved as, and the imports that
// end without one. The window's part is played by the test.

#include "tests/session/SessionTestSupport.h"

#include "model/ConvertError.h"
#include "model/UnitHistogram_COMMON.h"
#include "session/DumpLine.h"
#include "session/ImportFileName.h"
#include "session/MemoryImport.h"
#include "storage/DateTimeConvert.h"
#include "storage/MetaData.h"
#include "tests/support/RecordFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString HoldNotice = QStringLiteral(
    "Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)");
const QString StopRecordingQuestion = QStringLiteral("Are you sure you want to stop recording?");

class ImportTest : public SessionTest {
protected:
    ImportTest()
    {
        const auto settings = [this] { return CorrectionText.isEmpty() ? Choice : throw EConvertError(CorrectionText); };
        const auto askName = [this](const QString &proposed) {
            Proposed << proposed;
            Session.ImportLine("  7.0000    0\r\n"); // a meter left out of HOLD goes on sending
            return SaveAs;
        };
        Session.ImportWindow = {settings, askName, [this] { ++Descriptions; return Describe; }};
        const auto log = [this](const QString &event) { return [this, event] { Events << event; }; };
        QObject::connect(&Session, &TAcquisitionSession::StatusText, [this](const QString &text) { Events << text; });
        QObject::connect(&Session, &TAcquisitionSession::ImportProgressShown,
                         [this](int length) { Events << QString("shown %1").arg(length); });
        QObject::connect(&Session, &TAcquisitionSession::ImportProgress,
                         [this](int done, int length) { Progress << QString("%1/%2").arg(done).arg(length); });
        QObject::connect(&Session, &TAcquisitionSession::ImportProgressHidden, log("hidden"));
        QObject::connect(&Session, &TAcquisitionSession::ImportReplayed, log("replayed"));
        QObject::connect(&Session, &TAcquisitionSession::ImportEnded, log("ended"));
        QObject::connect(&Session, &TAcquisitionSession::Error, [this](const QString &text) { Events << "error " + text; });
        // A sample replayed while the lines are not held shows as -1.
        QObject::connect(&Session, &TAcquisitionSession::SampleProcessed, [this] {
            if (Session.State() == Importing)
                Replayed.push_back(Lines.Holds > 0 ? Session.CurrentValue() : -1.0f);
        });
    }

    // An import begun and these dump lines received, the events so far forgotten.
    void Transfer(const QStringList &lines)
    {
        Session.BeginImport();
        for (const QString &line : lines)
            Session.ImportLine(line);
        Events.clear();
        Progress.clear();
    }

    TAcquisitionChoice Choice{UnitMWm2, 1.0, 0, 0};
    QString CorrectionText; // a correction box holding this text, when not empty
    QString SaveAs = LogDir() + "Field trip.zlog";
    bool Describe = true;
    QStringList Proposed;
    int Descriptions = 0;
    QStringList Events;
    QStringList Progress;
    std::vector<float> Replayed;
};

} // namespace

TEST_F(ImportTest, ADumpLineStoresReadingsFromTheThresholdUpAndSkipsWhatIsNotANumber)
{
    const std::optional<TSampleRecord> record = DumpRecord("  3,2500 2450 and more\r\n");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Value, 3.25f);
    EXPECT_EQ(record->Frequency, 2450);
    EXPECT_TRUE(DumpRecord("  0.0001    0\r\n"));
    for (const char *line : {"  0.0000    0\r\n", " 0.00009    0\r\n", " -1.0000    0\r\n", "  1.2x45 2450\r\n",
                             "  1.2345 24x0\r\n", "\r\n"})
        EXPECT_FALSE(DumpRecord(line)) << line;
    EXPECT_TRUE(IsDumpHeaderLine("Records 3, Interval 1 s\r\n"));
    EXPECT_FALSE(IsDumpHeaderLine("interval 1 s\r\n"));
}

TEST(MemoryImport, EmptyCellsRunTheProgressToTheEndOfTheRoomWhereItWaitsForTheBufferToGrow)
{
    TMemoryImport import;
    import.Begin();
    for (int i = 0; i < 1100; ++i)
        import.ImportLine("  0.0000    0\r\n");
    EXPECT_EQ(import.Progress(), 1024);
    for (int i = 1; i <= 1025; ++i)
        import.ImportLine("  1.0000    0\r\n");
    EXPECT_EQ(import.Progress(), 1025);
    EXPECT_EQ(import.ImportBuffer.Length(), 2048u);
}

TEST_F(ImportTest, TheProposedNameTakesTheSmallestNumberWithoutALog)
{
    App.WriteFile("Log/Import1.meta", "x");
    EXPECT_EQ(ProposedImportName(LogDir()), LogDir() + "Import1.zlog");
    for (const char *name : {"Log/Import1.zlog", "Log/Import2.zlog", "Log/Import4.zlog"})
        App.WriteFile(name, "x");
    EXPECT_EQ(ProposedImportName(LogDir()), LogDir() + "Import3.zlog");
    QFile::remove(LogDir() + "Import1.zlog");
    EXPECT_EQ(ProposedImportName(LogDir()), LogDir() + "Import1.zlog");
}

TEST_F(ImportTest, ARecordingEndsOnceAgreedAndATransferIsReplayedCorrectedInReverseAndSavedAsSent)
{
    Record();
    const QString recorded = CompanionName(Session.CurrentLogFile(), ".histo");
    Services.Answer(TMsgAnswer::Cancel);
    EXPECT_EQ(Session.AskToImport(), TImportConsent::Declined);
    EXPECT_EQ(Session.State(), Recording);
    // Yes ends the recording for good, even when the import is then declined.
    Services.Answer(TMsgAnswer::Yes);
    Services.Answer(TMsgAnswer::Cancel);
    EXPECT_EQ(Session.AskToImport(), TImportConsent::RecordingEnded);
    EXPECT_EQ(Session.State(), Stopped);
    EXPECT_TRUE(QFileInfo::exists(recorded));
    Services.Answer(TMsgAnswer::Ok);
    EXPECT_EQ(Session.AskToImport(), TImportConsent::Agreed);
    EXPECT_EQ(Services.Texts(), (QStringList{StopRecordingQuestion, StopRecordingQuestion, HoldNotice, HoldNotice}));

    Events.clear();
    Session.BeginImport();
    // Header lines never start the end of the transfer; any data line does, stored or not.
    Session.ImportLine("Records 4, Interval 1 s\r\n");
    EXPECT_FALSE(Session.TransferEndPending());
    Session.ImportLine("  0.0000    0\r\n");
    EXPECT_TRUE(Session.TransferEndPending());
    for (const char *line : {"  0.5000  900\r\n", "  1.2x45    0\r\n", "  1.2500 1800\r\n", "  2.0000 2450\r\n",
                             "  3.5000    0\r\n"})
        Session.ImportLine(line);
    EXPECT_EQ(Events, (QStringList{"   Waiting for data to be sent from ZELTAR device...", "shown 1024",
                                   "   Importing data from ZELTAR device..."}));
    EXPECT_EQ(Progress, (QStringList{"1/1024", "2/1024", "3/1024", "4/1024", "5/1024", "6/1024"}));

    Choice = {UnitVm, 1.0, 6, 0}; // 6 dB doubles a reading in V/m
    Events.clear();
    Progress.clear();
    Services.Now = Services.Now.addSecs(60);
    Session.EndTransfer();
    EXPECT_EQ(Replayed, (std::vector<float>{7.0f, 4.0f, 2.5f, 1.0f}));
    EXPECT_EQ(Progress, (QStringList{"0/1024", "1/1024", "2/1024", "3/1024", "4/1024"}));
    EXPECT_EQ(Events, (QStringList{"   Plotting data...", "", "hidden", "replayed", "ended"}));
    EXPECT_EQ(Session.VisibleSamples(), 4u);
    EXPECT_EQ(Session.LiveHistogram().Total, 4u);
    // The line that came while the name was asked started nothing.
    EXPECT_FALSE(Session.TransferEndPending());
    EXPECT_EQ(Session.State(), Stopped);

    EXPECT_EQ(Proposed, QStringList{LogDir() + "Import1.zlog"});
    EXPECT_EQ(Session.CurrentLogFile(), SaveAs);
    EXPECT_EQ(StoredValues(LogRecords(SaveAs)), (std::vector<float>{3.5f, 2.0f, 1.25f, 0.5f}));
    const TMetaData meta = RecordMeta(SaveAs);
    EXPECT_EQ(meta.StartTime, ToTDateTime(Services.Now));
    EXPECT_EQ(meta.Unit, UnitVm);
    // The stored readings carry no correction, and their files say so: the histogram counts
    // the stored values (3.5 V/m is 15.1 dB, class 48), not the plotted ones (7 V/m, class 54).
    EXPECT_EQ(meta.Correction, 0);
    const THistogram histogram = THistogram::ReadFromFile(CompanionName(SaveAs, ".histo"));
    EXPECT_EQ(histogram.Counts[48], 1u);
    EXPECT_EQ(histogram.Counts[54], 0u);
    EXPECT_EQ(Services.Shown.size(), 4u);
}

TEST_F(ImportTest, AnImportWithoutAStoredRecordANameOrADescriptionWritesNothing)
{
    Transfer({"  0.0000    0\r\n", "  0.0000    0\r\n"});
    Session.EndTransfer();
    EXPECT_EQ(Services.Texts(), QStringList{"No measurement has been received from the ZELTAR device"});
    EXPECT_EQ(Events, (QStringList{"", "hidden", "ended"}));
    EXPECT_TRUE(Proposed.isEmpty());

    SaveAs.clear();
    Transfer({"  1.0000    0\r\n"});
    Session.EndTransfer();
    EXPECT_EQ(Proposed.size(), 1);
    EXPECT_EQ(Descriptions, 0);

    SaveAs = LogDir() + "Import1.zlog";
    Describe = false;
    Transfer({"  1.0000    0\r\n"});
    Session.EndTransfer();
    EXPECT_EQ(Descriptions, 1);
    EXPECT_TRUE(QDir(LogDir()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(Events.last(), "ended");

    // Stop during a transfer ends the import: the end of its transfer finds nothing to do.
    Transfer({"  2.0000    0\r\n"});
    Session.Stop();
    Session.EndTransfer();
    EXPECT_EQ(Proposed.size(), 2);
    EXPECT_FALSE(Events.contains("ended"));
}

TEST_F(ImportTest, ErrorsAreReportedOnceAndTheImportStillEnds)
{
    // A file error is reported before the import ends, ...
    SaveAs = App.Paths().AppDir + "gone/Import1.zlog";
    Transfer({"  1.0000    0\r\n"});
    Session.EndTransfer();
    ASSERT_EQ(Events.size(), 6);
    EXPECT_TRUE(Events[4].startsWith("error ") && Events[4].contains("gone")) << Events[4].toStdString();
    EXPECT_EQ(Events[5], "ended");

    // ... any other error once the import has ended, as a handler would show it.
    CorrectionText = "6x";
    Transfer({"  1.0000    0\r\n"});
    Session.EndTransfer();
    EXPECT_EQ(Events, (QStringList{"ended", "error '6x' is not a valid integer value"}));
    EXPECT_EQ(Proposed.size(), 1);
    EXPECT_TRUE(Services.Shown.empty());
}
