// Importing the meter's memory through the program's windows, against the simulator's dump
// over a pseudo-terminal: what the window shows of the transfer and its replay, and the
// dialogs it asks with. The import's rules are the session's (tests/session/ImportTest).

#include "tests/e2e/MeterSession.h"
#include "tests/support/BuiltProgram.h"

#include "app/ImportSaveDialog.h"
#include "app/QtServices.h"
#include "charts/RChart.h"
#include "model/GlobalState.h"
#include "tools/meter-sim/MeterLines.h"
#include "tools/meter-sim/MeterScript.h"
#include "tools/meter-sim/MeterSimulator.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

class ImportFromDeviceTest : public MeterSession {
protected:
    ImportFromDeviceTest() { Services.SaveAs = App.Paths().LogDir + "Field trip.zlog"; }

    // Data > Import from device, the HOLD notice confirmed.
    void StartImport()
    {
        Services.Answer(TMsgAnswer::Ok);
        Form1->Import1Click();
    }

    // The simulated meter sends a dump of these readings, paced at 9600 baud.
    void Dump(const QList<double> &values, const QList<int> &frequencies = {0})
    {
        TSimOptions options;
        options.IntervalSeconds = 0.01;
        options.DumpRecords = values.size();
        options.Values = values;
        options.Frequencies = frequencies;
        TMeterSimulator simulator(*Meter, TMeterScript(options), false, -1ms);
        simulator.Start();
        WaitForTheEnd();
    }

    static void WaitForTheEnd() { ASSERT_TRUE(QTest::qWaitFor([] { return RecordingState != Importing; }, 60000)); }

    void ExpectEnded() const
    {
        EXPECT_EQ(RecordingState, Stopped);
        EXPECT_FALSE(Form2->ComPort1.isOpen());
        EXPECT_TRUE(Form1->ProgressBar->isHidden());
    }
};

} // namespace

TEST_F(ImportFromDeviceTest, TheBarFollowsTheTransferAndTheChartsShowItsReplay)
{
    PlugIn();
    Start();
    Measure(1.0);
    StartImport();
    EXPECT_EQ(Form1->PanelStatus->text(), "   Waiting for data to be sent from ZELTAR device...");
    EXPECT_FALSE(Form1->ProgressBar->isHidden());
    Send(DumpHeaderLines(0.5, 4));
    EXPECT_EQ(Form1->PanelStatus->text(), "   Importing data from ZELTAR device...");

    int furthest = 0;
    QObject::connect(Form1->ProgressBar, &QProgressBar::valueChanged,
                     [&](int value) { furthest = std::max(furthest, value); });
    Dump({0.5, 1.25, 2.0, 3.5}, {900, 1800, 2450, 0});
    EXPECT_EQ(furthest, 4);
    EXPECT_EQ(Form1->TChart->ItemCount(), 4u); // the first reading, cleared by the import, is gone
    EXPECT_EQ(Form1->PanelStatus->text(), "");
    ExpectEnded();
    // The save dialog, then the metadata dialog, and the record there.
    EXPECT_EQ(Services.SaveRequests.size(), 1u);
    EXPECT_EQ(MetaDialogs, 1);
    EXPECT_EQ(LogRecords(Services.SaveAs).size(), 4u);
}

TEST_F(ImportFromDeviceTest, ThreeThousandRecordsAllArriveInTheSavedLog)
{
    PlugIn();
    Start();
    StartImport();
    // Written as fast as the terminal takes them.
    QByteArray bytes = DumpHeaderLines(0.5, 3000).join();
    for (int i = 1; i <= 3000; ++i)
        bytes += MeasurementLine(i * 0.0625, 0, false);
    while (!bytes.isEmpty()) {
        const qint64 taken = Meter->Write(bytes);
        ASSERT_GE(taken, 0);
        bytes.remove(0, taken);
        QCoreApplication::processEvents();
    }
    WaitForTheEnd();
    EXPECT_EQ(Form1->ProgressBar->maximum(), 4096);
    const std::vector<TSampleRecord> saved = LogRecords(Services.SaveAs);
    ASSERT_EQ(saved.size(), 3000u);
    for (std::size_t i = 0; i < saved.size(); ++i)
        ASSERT_EQ(saved[i].Value, static_cast<float>((3000 - i) * 0.0625)) << i;
}

TEST_F(ImportFromDeviceTest, WhileRecordingCancelLeavesRecordLitAndYesThenCancelShowsTheStop)
{
    PlugIn();
    Start();
    Record();
    QAction *import1 = MenuItem(*Form1, "&Import from device");
    Services.Answer(TMsgAnswer::Cancel);
    import1->trigger();
    EXPECT_TRUE(Form1->RecB->isChecked());

    // Yes ends the recording; cancelling the HOLD notice then leaves the window stopped, not
    // looking as if it still ran.
    Services.Answer(TMsgAnswer::Yes);
    Services.Answer(TMsgAnswer::Cancel);
    import1->trigger();
    EXPECT_TRUE(Form1->StopB->isChecked());
    EXPECT_FALSE(Form2->ComPort1.isOpen());
}

TEST_F(ImportFromDeviceTest, AnUnwritableFileIsReportedOnceAndTheImportStillEnds)
{
    PlugIn();
    Start();
    Services.SaveAs = App.Paths().AppDir + "gone/Import1.zlog";
    StartImport();
    Dump({1.0});
    ASSERT_EQ(Services.Shown.size(), 2u);
    EXPECT_EQ(Services.Shown[1].Kind, TMsgKind::Error);
    ExpectEnded();
}

// The simulator as its own program, plugged in only once the import waits for it.
TEST_F(ImportFromDeviceTest, ADumpOfFiveHundredReadsBackInReverseOrder)
{
    Start();
    StartImport();
    // The bar ends 10 pixels short of the top bar's right end, also when the window grows.
    Form1->show();
    Form1->resize(1100, 700);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form1->PanelCoolBar->width() == 1100; }, 5000));
    EXPECT_EQ(Form1->ProgressBar->geometry().right(), 1100 - 11);
    TStartedProgram simulator(BuiltProgramPath("zeltar-meter-sim"),
                              {"--dump", "500", "--pattern", "ramp", "--level", "0.25", "--step", "0.25", "--max",
                               "1000", "--interval", "0.05", "--wait-reader", "--linger", "-1", "--link",
                               Devices.filePath("ttyUSB0")});
    ASSERT_TRUE(QTest::qWaitFor([this] { return QFile::exists(Devices.filePath("ttyUSB0")); }, 10000));
    Form2->Timer1Timer();
    EXPECT_EQ(RecordingState, Importing);
    const bool ended = QTest::qWaitFor([] { return RecordingState != Importing; }, 60000);
    simulator.Terminate();
    ASSERT_TRUE(ended);

    const std::vector<TSampleRecord> saved = LogRecords(Services.SaveAs);
    ASSERT_EQ(saved.size(), 500u);
    EXPECT_EQ(saved.front().Value, 125.0f);
    EXPECT_EQ(saved.back().Value, 0.25f);
}

TEST(ImportSaveDialog, TheFileDialogAsksWithTheTextsOfTheRequest)
{
    const TempAppDir app;
    const TSaveFileRequest request = ImportSaveRequest(app.Paths().LogDir, app.Paths().LogDir + "Import1.zlog");
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Give a name to save the imported data");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"ZELTAR Log Files (*.zlog)"});
        EXPECT_EQ(dialog->selectedFiles(), QStringList{request.ProposedFile});
        dialog->selectFile(app.Paths().LogDir + "Trip");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(QtServices().SaveFileDialog(request, nullptr), app.Paths().LogDir + "Trip.zlog");
}
