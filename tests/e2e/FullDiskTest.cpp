// Recording onto a Log folder whose disk runs full and gets room again, as the window shows it:
// one error box per failed action, the status line saying what the record lacks, no empty
// companion file, earlier records untouched. What is written once there is room is the
// session's test (tests/session/RecordingSaveTest). The disk is a small tmpfs over the Log
// folder where this process may mount one, and otherwise the program's writes told that the
// disk is full.

#include "tests/e2e/MeterSession.h"

#include "storage/LogFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

#include <map>
#include <optional>
#include <sys/mount.h>

namespace {

class FullDiskTest : public ConnectedMeterSession {
protected:
    void SetUp() override { Mounted = ::mount("tmpfs", LogDir().constData(), "tmpfs", 0, "size=256k") == 0; }
    void TearDown() override
    {
        Form2.reset();
        Form1.reset();
        Injected.reset();
        if (Mounted)
            ::umount2(LogDir().constData(), MNT_DETACH);
    }
    QByteArray LogDir() const { return QFile::encodeName(App.Paths().LogDir); }

    // The tmpfs has every free block taken by a file outside the records; the injected full
    // disk lets some bytes through, so that a record is cut in the middle.
    void Fill()
    {
        if (!Mounted) {
            Injected.emplace(20);
            return;
        }
        QFile filler(App.Paths().LogDir + "filler.bin");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Append));
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void Free()
    {
        Injected.reset();
        ASSERT_TRUE(!Mounted || QFile::remove(App.Paths().LogDir + "filler.bin"));
    }

    // Records ten at a time, a flush each, until the log cannot take one.
    void SendUntilAnErrorBox()
    {
        const std::size_t boxes = Services.Shown.size();
        for (int flushes = 0; Services.Shown.size() == boxes && flushes < 100; ++flushes)
            MeasureSeries(10);
        ASSERT_EQ(Services.Shown.size(), boxes + 1);
        ExpectLastBoxAbout(QFileInfo(Form1->Session.CurrentLogFile()).fileName());
    }
    void ExpectLastBoxAbout(const QString &file)
    {
        const TShownBox &box = Services.Shown.back();
        EXPECT_TRUE(box.Kind == TMsgKind::Error && box.Text.contains(file) && box.Text.contains("No space left on device"))
            << box.Text.toStdString();
    }
    // Every file of the Log folder with its bytes, hidden ones too.
    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        const QDir folder(App.Paths().LogDir);
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
            files[name] = ReadWholeFile(folder.filePath(name));
        return files;
    }

    bool Mounted = false;
    std::optional<TFullDisk> Injected;
};

} // namespace

TEST_F(FullDiskTest, EachFailureIsOneBoxAndTheStatusLineSaysWhatTheRecordLacks)
{
    Record();
    MeasureSeries(13);
    Form1->Bar->StopB->click();
    const std::map<QString, QByteArray> earlier = Files();

    Record();
    const QString log = Form1->Session.CurrentLogFile();
    MeasureSeries(10);
    Fill();
    SendUntilAnErrorBox();
    EXPECT_EQ(Form1->StatusLine->text(), "   The record is incomplete: nothing is being written to its log");
    Free();
    MeasureSeries(10);
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   Recording since "));

    // Full again, and stopped while full: the log has said so already, so no second box; the
    // status shows what the session says the record lacks.
    Fill();
    SendUntilAnErrorBox();
    Form1->Bar->StopB->click();
    ASSERT_EQ(Services.Shown.size(), 2u);
    EXPECT_TRUE(Form1->StatusLine->text().endsWith(" samples could not be written to its log; "
                                                   + QFileInfo(CompanionName(log, ".histo")).fileName()
                                                   + " could not be written"))
        << Form1->StatusLine->text().toStdString();

    // Still full: the next recording's .meta is one box at the metadata dialog's OK, and the
    // recording goes on.
    Record();
    ASSERT_EQ(Services.Shown.size(), 3u);
    ExpectLastBoxAbout(".meta");
    EXPECT_EQ(Form1->Session.State(), Recording);
    Free();
    Form1->Bar->StopB->click();

    // A Stop that meets the full disk first: one box, the Stop button down, and a second Stop
    // once there is room says the record is saved.
    Record();
    const QString last = Form1->Session.CurrentLogFile();
    MeasureSeries(3);
    Fill();
    Form1->Bar->StopB->click();
    ASSERT_EQ(Services.Shown.size(), 4u);
    ExpectLastBoxAbout(QFileInfo(last).fileName());
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   The record is incomplete: "));
    EXPECT_TRUE(Form1->Bar->StopB->isChecked());
    Free();
    Form1->Bar->StopB->click();
    EXPECT_EQ(Form1->StatusLine->text(), "   Data has been saved");
    EXPECT_EQ(Services.Shown.size(), 4u);

    for (const auto &[name, bytes] : earlier)
        EXPECT_EQ(Files().at(name), bytes) << name.toStdString();
    for (const auto &[name, bytes] : Files())
        EXPECT_TRUE(name.endsWith(".zlog") || !bytes.isEmpty()) << name.toStdString();
}
