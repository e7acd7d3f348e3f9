// Recording onto a Log folder whose disk runs full and gets room again: one error box per
// failed action, nothing lost once there is room, no empty companion file, earlier records
// untouched. The disk is a small tmpfs mounted over the Log folder where this process may
// mount one, and always the program's writes told that the disk is full.

#include "tests/e2e/MeterSession.h"

#include "model/GlobalState.h"
#include "storage/LogFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

#include <map>
#include <memory>
#include <optional>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QString NotWritingStatus = QStringLiteral("   The record is incomplete: nothing is being written to its log");

// A disk that can be filled and emptied again.
class TLimitedDisk {
public:
    virtual ~TLimitedDisk() = default;
    virtual void Fill() = 0;
    virtual void Free() = 0;
};

class TInjectedFullDisk : public TLimitedDisk {
public:
    // Some bytes still go through, so that a record is cut in the middle.
    void Fill() override { Disk.emplace(20); }
    void Free() override { Disk.reset(); }

private:
    std::optional<TFullDisk> Disk;
};

class TTmpfsDisk : public TLimitedDisk {
public:
    // Mounts a 256 KiB tmpfs over folder; false where mounting is not allowed.
    bool Mount(const QString &folder)
    {
        Folder = folder;
        Mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=256k") == 0;
        return Mounted;
    }
    ~TTmpfsDisk() override
    {
        if (Mounted)
            ::umount2(QFile::encodeName(Folder).constData(), MNT_DETACH);
    }
    // Takes every free block with a file outside the records.
    void Fill() override
    {
        QFile filler(Folder + "filler.bin");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Append));
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void Free() override { ASSERT_TRUE(QFile::remove(Folder + "filler.bin")); }

private:
    QString Folder;
    bool Mounted = false;
};

class FullDiskTest : public MeterSession, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        if (QByteArray(GetParam()) == "Tmpfs") {
            auto tmpfs = std::make_unique<TTmpfsDisk>();
            if (::geteuid() != 0 || !tmpfs->Mount(App.Paths().LogDir))
                GTEST_SKIP() << "no tmpfs can be mounted here; the injected full disk stands in";
            Disk = std::move(tmpfs);
        } else {
            Disk = std::make_unique<TInjectedFullDisk>();
        }
        PlugIn();
        Start();
    }
    void TearDown() override
    {
        Form2.reset();
        Form1.reset();
        Disk.reset();
    }

    // Sends count more readings, all different, and remembers them.
    void SendReadings(int count)
    {
        MeasureSeries(count, 0.25 + 0.125 * static_cast<double>(Sent.size()));
        const std::vector<float> values = SeriesValues(count, 0.25 + 0.125 * static_cast<double>(Sent.size()));
        Sent.insert(Sent.end(), values.begin(), values.end());
    }
    // Records until the log cannot take the next flush: ten at a time, a flush each.
    void SendUntilAnErrorBox()
    {
        const std::size_t boxes = Services.Shown.size();
        for (int flushes = 0; Services.Shown.size() == boxes && flushes < 100; ++flushes)
            SendReadings(10);
        ASSERT_EQ(Services.Shown.size(), boxes + 1);
        EXPECT_EQ(Services.Shown.back().Kind, TMsgKind::Error);
        EXPECT_TRUE(Services.Shown.back().Text.contains("No space left on device"))
            << Services.Shown.back().Text.toStdString();
    }
    // Every file of the Log folder with its bytes, hidden ones too.
    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        const QDir folder(App.Paths().LogDir);
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
            if (name != "filler.bin")
                files[name] = ReadWholeFile(folder.filePath(name));
        return files;
    }
    void ExpectNoEmptyCompanion() const
    {
        for (const auto &[name, bytes] : Files())
            EXPECT_TRUE(name.endsWith(".zlog") || !bytes.isEmpty()) << name.toStdString();
    }
    // A complete record of thirteen readings.
    void RecordThirteen()
    {
        Record();
        SendReadings(13);
        Form1->StopB->click();
        EXPECT_EQ(Form1->PanelStatus->text(), "   Data has been saved");
    }

    std::unique_ptr<TLimitedDisk> Disk;
    std::vector<float> Sent;
};

} // namespace

TEST_P(FullDiskTest, TheRecordingHoldsItsSamplesUntilThereIsRoomAndStopSaysWhatIsMissing)
{
    RecordThirteen();
    const std::map<QString, QByteArray> earlier = Files();
    Sent.clear();

    Record();
    const QString log = Form1->Session.CurrentLogFile();
    SendReadings(10);
    Disk->Fill();
    SendUntilAnErrorBox();
    EXPECT_TRUE(Services.Shown.back().Text.contains(QFileInfo(log).fileName()));
    EXPECT_EQ(Form1->PanelStatus->text(), NotWritingStatus);
    SendReadings(30);
    EXPECT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Form1->PanelStatus->text(), NotWritingStatus);

    // Room again: the next flush puts down everything held, and the recording goes on.
    Disk->Free();
    SendReadings(10);
    EXPECT_EQ(StoredValues(LogRecords(log)), Sent);
    EXPECT_TRUE(Form1->PanelStatus->text().startsWith("   Recording since "));

    // Full again, and stopped while full: the histogram cannot be written either.
    Disk->Fill();
    SendUntilAnErrorBox();
    const std::size_t inLog = LogRecords(log).size();
    Form1->StopB->click();
    EXPECT_EQ(Services.Shown.size(), 3u);
    EXPECT_TRUE(Services.Shown.back().Text.contains(".histo")) << Services.Shown.back().Text.toStdString();
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(Form1->PanelStatus->text(), QStringLiteral("   The record is incomplete: %1 samples could not be "
                                                         "written to its log").arg(Sent.size() - inLog));
    EXPECT_FALSE(QFileInfo::exists(CompanionName(log, ".histo")));
    std::vector<float> written = Sent;
    written.resize(inLog);
    EXPECT_EQ(StoredValues(LogRecords(log)), written);

    // The program goes on: with room, the next recording is complete.
    Disk->Free();
    Sent.clear();
    RecordThirteen();
    EXPECT_EQ(StoredValues(LogRecords(App.Paths().LogDir + Logs().back())), Sent);
    EXPECT_EQ(Services.Shown.size(), 3u);
    for (const auto &[name, bytes] : earlier)
        EXPECT_EQ(Files().at(name), bytes) << name.toStdString();
    ExpectNoEmptyCompanion();
}

TEST_P(FullDiskTest, MetadataThatCannotBeWrittenIsReportedAndTheRecordingGoesOn)
{
    RecordThirteen();
    const std::map<QString, QByteArray> earlier = Files();
    Sent.clear();

    Disk->Fill();
    Record();
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(Services.Shown[0].Text.contains(".meta") && Services.Shown[0].Text.contains("No space left on device"))
        << Services.Shown[0].Text.toStdString();
    EXPECT_EQ(RecordingState, Recording);
    const QString log = Form1->Session.CurrentLogFile();
    EXPECT_FALSE(QFileInfo::exists(CompanionName(log, ".meta")));

    Disk->Free();
    SendReadings(13);
    Form1->StopB->click();
    EXPECT_EQ(Form1->PanelStatus->text(), "   Data has been saved");
    EXPECT_EQ(StoredValues(LogRecords(log)), Sent);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(log, ".histo")));
    EXPECT_EQ(Services.Shown.size(), 1u);
    for (const auto &[name, bytes] : earlier)
        EXPECT_EQ(Files().at(name), bytes) << name.toStdString();
    ExpectNoEmptyCompanion();
}

INSTANTIATE_TEST_SUITE_P(Disk, FullDiskTest, ::testing::Values("Injected", "Tmpfs"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });
