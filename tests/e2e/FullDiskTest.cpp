// Recording onto a Log folder whose disk runs full and gets room again: one error box per
// failed action, nothing lost and every companion file written once there is room, no empty
// companion file, earlier records untouched. The disk is a small tmpfs over the Log folder where
// this process may mount one, and otherwise the program's writes told that the disk is full.

#include "tests/e2e/MeterSession.h"

#include "storage/LogFile.h"
#include "tests/support/FullDisk.h"
#include "tests/tools/RecorderRig.h"

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

    // count more readings, all different, remembered in Sent.
    void SendReadings(int count)
    {
        const double first = 0.25 + 0.125 * static_cast<double>(Sent.size());
        MeasureSeries(count, first);
        const std::vector<float> values = SentValues(count, first);
        Sent.insert(Sent.end(), values.begin(), values.end());
    }
    // Records ten at a time, a flush each, until the log cannot take one.
    void SendUntilAnErrorBox()
    {
        const std::size_t boxes = Services.Shown.size();
        for (int flushes = 0; Services.Shown.size() == boxes && flushes < 100; ++flushes)
            SendReadings(10);
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
    std::vector<float> Sent;
};

} // namespace

TEST_F(FullDiskTest, RecordingsHoldTheirSamplesUntilThereIsRoomAndSayWhatIsMissing)
{
    Record();
    SendReadings(13);
    Form1->Bar->StopB->click();
    const std::map<QString, QByteArray> earlier = Files();
    Sent.clear();

    Record();
    const QString log = Form1->Session.CurrentLogFile();
    SendReadings(10);
    Fill();
    SendUntilAnErrorBox();
    EXPECT_EQ(Form1->StatusLine->text(), "   The record is incomplete: nothing is being written to its log");

    // Room again: the next flush puts down everything held, and the recording goes on.
    Free();
    SendReadings(10);
    EXPECT_EQ(StoredValues(LogRecords(log)), Sent);
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   Recording since "));

    // Full again, and stopped while full: the log has said so already, so no second box; the
    // status says what the record lacks.
    Fill();
    SendUntilAnErrorBox();
    const std::size_t inLog = LogRecords(log).size();
    Form1->Bar->StopB->click();
    ASSERT_EQ(Services.Shown.size(), 2u);
    EXPECT_EQ(Form1->StatusLine->text(),
              QStringLiteral("   The record is incomplete: %1 samples could not be written to its log; %2 could not "
                             "be written")
                  .arg(Sent.size() - inLog)
                  .arg(QFileInfo(CompanionName(log, ".histo")).fileName()));
    EXPECT_FALSE(QFileInfo::exists(CompanionName(log, ".histo")));
    const std::vector<float> sentToLog = Sent;

    // Still full: the next recording's .meta is reported at the metadata dialog's OK, and the
    // recording goes on. Once there is room its first write completes both records.
    Sent.clear();
    Record();
    ASSERT_EQ(Services.Shown.size(), 3u);
    ExpectLastBoxAbout(".meta");
    const QString next = Form1->Session.CurrentLogFile();
    EXPECT_FALSE(QFileInfo::exists(CompanionName(next, ".meta")));
    Free();
    SendReadings(13);
    EXPECT_EQ(StoredValues(LogRecords(log)), sentToLog);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(log, ".histo")));
    EXPECT_TRUE(QFileInfo::exists(CompanionName(next, ".meta")));
    Form1->Bar->StopB->click();
    EXPECT_EQ(Form1->StatusLine->text(), "   Data has been saved");
    EXPECT_EQ(StoredValues(LogRecords(next)), Sent);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(next, ".histo")));

    // A Stop that meets the full disk first: one box, the truth in the status line, and the
    // next Stop writes what is missing once there is room.
    Sent.clear();
    Record();
    const QString last = Form1->Session.CurrentLogFile();
    SendReadings(3);
    Fill();
    Form1->Bar->StopB->click();
    ASSERT_EQ(Services.Shown.size(), 4u);
    ExpectLastBoxAbout(QFileInfo(last).fileName());
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   The record is incomplete: "));
    EXPECT_TRUE(Form1->Bar->StopB->isChecked());
    Free();
    Form1->Bar->StopB->click();
    EXPECT_EQ(Form1->StatusLine->text(), "   Data has been saved");
    EXPECT_EQ(StoredValues(LogRecords(last)), Sent);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(last, ".histo")));
    EXPECT_EQ(Services.Shown.size(), 4u);

    for (const auto &[name, bytes] : earlier)
        EXPECT_EQ(Files().at(name), bytes) << name.toStdString();
    for (const auto &[name, bytes] : Files())
        EXPECT_TRUE(name.endsWith(".zlog") || !bytes.isEmpty()) << name.toStdString();
}
