// The files the program writes: a record's log of 8-byte records, its .meta of 576 bytes with
// Windows-1252 texts and a day-count start, and the settings file.

#include "storage/DateTimeConvert.h"
#include "storage/LastSettings.h"
#include "storage/LogFile.h"
#include "storage/LocaleTimeText.h"
#include "storage/MetaData.h"
#include "storage/MetaPlausibility.h"
#include "storage/Windows1252.h"

#include "model/InOutError.h"
#include "model/Units.h"
#include "tests/support/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <ctime>
#include <numeric>
#include <tuple>
#include <sys/resource.h>

namespace {

// Records first, first + 1, ... of a log numbered from 0.
std::vector<TSampleRecord> Numbered(std::size_t count, std::size_t first = 0)
{
    std::vector<TSampleRecord> records(count);
    for (std::size_t i = 0; i < count; ++i)
        MakeSampleRecord(static_cast<std::uint16_t>((first + i) * 7), 0, records[i], static_cast<float>(first + i));
    return records;
}

QByteArray BytesOf(std::span<const TSampleRecord> records)
{
    return QByteArray(reinterpret_cast<const char *>(records.data()), static_cast<qsizetype>(records.size_bytes()));
}

// Local time follows TZ; Paris has both daylight-saving changes.
class StoredFile : public ::testing::Test {
protected:
    void SetUp() override { SetTz("Europe/Paris"); }
    void TearDown() override { SetTz(SavedTz); }
    static void SetTz(const QByteArray &tz) { qputenv("TZ", tz); tzset(); }
    const QByteArray SavedTz = qgetenv("TZ");
    TempAppDir App;
    QString Log = App.Paths().LogDir + "rec.zlog";
    QString MetaPath = App.Paths().LogDir + "rec.meta";
    TMetaData Meta;
    QString SettingsPath() const { return App.Paths().SettingsDir + LastSettingsFileName; }
    TSettingsFileRead Read(const QByteArray &bytes)
    {
        App.WriteFile(QString("Settings/") + LastSettingsFileName, bytes);
        return LoadSettingsFile(SettingsPath()).value();
    }
};

auto Fields(const TLastSettings &s)
{
    return std::tie(s.AlertsOn, s.Unit, s.IntervalIndex, s.VisibleSamples, s.Correction, s.Population, s.State,
                    s.StatisticsExpanded);
}

} // namespace

TEST(LogFileNames, OnlyANamedRecordHasCompanions)
{
    EXPECT_EQ(CompanionName("/my.data/v1.2/rec.tar.zlog", ".histo"), "/my.data/v1.2/rec.tar.histo");
    EXPECT_EQ(CompanionToWrite("/app/Log/Import3", ".meta"), "/app/Log/Import3.meta");
    // The Log folder of a stopped recording, and a log called only ".zlog".
    EXPECT_THROW(CompanionToWrite("/app/Log/", ".histo"), EInOutError);
    EXPECT_THROW(CompanionToWrite("/app/Log/.zlog", ".meta"), EInOutError);
}

TEST_F(StoredFile, LogCreatingEmptiesTheLogAndAppendsFollowItsLastWholeRecord)
{
    App.WriteFile("Log/rec.zlog", QByteArray(80, 'x'));
    CreateLogFile(Log);
    AppendSamples(Log, Numbered(3));
    AppendSamples(Log, Numbered(2, 3));
    EXPECT_EQ(ReadWholeFile(Log), BytesOf(Numbered(5)));
    // Little-endian layout of the second record: 1.0f, frequency 7, mark, padding.
    EXPECT_EQ(ReadWholeFile(Log).mid(8, 8), QByteArray("\x00\x00\x80\x3F\x07\x00\x00\x00", 8));

    App.WriteFile("Log/rec.zlog", BytesOf(Numbered(2)) + QByteArray(5, '\xEE'));  // torn last record
    AppendSamples(Log, Numbered(1, 2));
    EXPECT_EQ(ReadWholeFile(Log), BytesOf(Numbered(3)));

    ASSERT_TRUE(QFile::remove(Log));
    EXPECT_THROW(AppendSamples(Log, Numbered(1)), EInOutError);
    EXPECT_FALSE(QFile::exists(Log)) << "a vanished log was created again";
}

// Two internal blocks of 65536 records and a bit, so chunks straddle the block boundaries, and
// a torn last record that is never delivered.
TEST_F(StoredFile, LogReaderDeliversEveryWholeRecordInOrderWhateverTheChunkSize)
{
    const QByteArray log = BytesOf(Numbered(2 * 65536 + 3));
    App.WriteFile("Log/rec.zlog", log + "torn");
    for (const std::size_t chunk : {1000, 65536, 200000}) {
        TLogReader reader(Log);
        EXPECT_EQ(reader.Count(), 2 * 65536 + 3);
        QByteArray read;
        std::vector<TSampleRecord> buffer(chunk);
        while (const std::size_t got = reader.Read(buffer))
            read += BytesOf(std::span(buffer).first(got));
        EXPECT_EQ(read, log) << "chunk " << chunk;
    }
    EXPECT_THROW(TLogReader(App.Paths().LogDir + "missing.zlog"), EInOutError);
}

TEST_F(StoredFile, MetaEveryFieldLiesAtItsOffsetAndReadsBackByteForByte)
{
    Meta.Version = 1;
    Meta.Operator.Set(QString(40, 'o'));
    Meta.Place.Set(QString(300, 'p'));
    EXPECT_EQ(Meta.Operator.Text() + Meta.Place.Text(), QString(32, 'o') + QString(255, 'p'));  // cut to their field
    Meta.Operator.Set(QStringLiteral("XY"));  // the old tail stays behind
    Meta.Place.Set(QStringLiteral("Roof €"));
    // A character outside the BMP is two UTF-16 units but one character: one '?'.
    Meta.Notes.Set(QStringLiteral("mW/m²\U0001F600\u0080"));
    Meta.Unit = 1;
    Meta.Correction = 6;
    Meta.Pad2[3] = 0x5A;  // not significant, but written as it lies in memory
    Meta.Interval = 0.5;
    WriteMetaFile(MetaPath, Meta, 45664.25);

    const QByteArray bytes = ReadWholeFile(MetaPath);
    ASSERT_EQ(bytes.size(), 576);
    const std::pair<int, QByteArray> fields[] = {
        {0, QByteArray("\x01\x00\x02XY", 5) + QByteArray(30, 'o')}, {35, "\x06Roof \x80ppp"}, {291, "\x07mW/m\xB2??"},
        {547, QByteArray(5, '\0')}, {552, QByteArray::fromHex("00000000084ce640")},
        {560, QByteArray("\x01\x06\0\0\0\x5A\0\0", 8)}, {568, QByteArray::fromHex("000000000000e03f")}};
    for (const auto &[offset, expected] : fields)
        EXPECT_EQ(bytes.mid(offset, expected.size()).toHex(), expected.toHex()) << offset;

    TMetaData read;
    ReadMetaFile(MetaPath, read);
    EXPECT_EQ(std::memcmp(&read, &Meta, sizeof read), 0);
    EXPECT_EQ(read.Place.Text(), QStringLiteral("Roof €"));
    read.Operator.Length = 200;  // damaged: read no further than the field
    EXPECT_EQ(read.Operator.Text(), "XY" + QString(30, 'o'));
    QByteArray all(256, '\0');  // every byte a text may hold comes back
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
}

// Files of this process may not grow past 100 bytes: the record meets that limit only when
// its buffer goes to the disk, after every write call has succeeded.
TEST_F(StoredFile, MetaFailuresNameTheFileAndLeaveTheRecordAndTheOldFileAsTheyWere)
{
    App.WriteFile("Log/rec.meta", QByteArray(1000, 'o'));
    WriteMetaFile(MetaPath, Meta, 1.0);
    const QByteArray old = ReadWholeFile(MetaPath);
    EXPECT_EQ(old.size(), 576);
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{100, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    using namespace testing;
    EXPECT_THAT([&] { WriteMetaFile(MetaPath, Meta, 2.0); },
                ThrowsMessage<EInOutError>(AllOf(HasSubstr("File too large"), HasSubstr("rec.meta"))));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadWholeFile(MetaPath), old);
    EXPECT_EQ(QDir(App.Paths().LogDir).entryList(QDir::Files | QDir::Hidden), QStringList{"rec.meta"});

    Meta.Operator.Set("kept");
    const QString shortFile = App.WriteFile("Log/short.meta", QByteArray(575, '\1'));
    for (const QString &path : {shortFile, App.Paths().LogDir + "none.meta"})
        EXPECT_THAT([&] { ReadMetaFile(path, Meta); }, ThrowsMessage<EInOutError>(HasSubstr(path.toStdString())));
    EXPECT_EQ(Meta.Operator.Text(), "kept");
}

TEST_F(StoredFile, StartTimeCountsLocalDaysWithTheTimeOfDayAsFractionAcrossDaylightSavingChanges)
{
    constexpr double Hour = 1.0 / 24;
    const auto Local = [](int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi)); };
    const auto Utc = [](int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
    };
    EXPECT_DOUBLE_EQ(ToTDateTime(Local(2025, 1, 7, 9, 5).addSecs(3)), 45664 + (9 * 3600 + 5 * 60 + 3) / 86400.0);
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 1, 7, 23, 30)), 45665 + 0.5 * Hour);  // 00:30 in Paris
    // Before 30 December 1899 the day counts down while the time of day still counts up.
    EXPECT_DOUBLE_EQ(ToTDateTime(Local(1899, 12, 29, 6, 0)), -1.25);
    EXPECT_EQ(FromTDateTime(-1.25), Local(1899, 12, 29, 6, 0));
    EXPECT_EQ(FromTDateTime(45664.9999999999), Local(2025, 1, 8, 0, 0));  // rounds up to the next midnight
    EXPECT_FALSE(FromTDateTime(std::nan("")).isValid() || FromTDateTime(1e300).isValid());

    // 30 March 2025, 01:00 UTC: 02:00 becomes 03:00; 02:30 never shows and reads an hour later.
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 3, 30, 1, 0)), 45746 + 3 * Hour);
    EXPECT_EQ(FromTDateTime(45746 + 2.5 * Hour), Local(2025, 3, 30, 3, 30));
    // 26 October 2025: 02:30 shows twice, at 00:30 and at 01:30 UTC.
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 10, 26, 0, 30)), 45956 + 2.5 * Hour);
    EXPECT_DOUBLE_EQ(ToTDateTime(Utc(2025, 10, 26, 1, 30)), 45956 + 2.5 * Hour);
}

TEST_F(StoredFile, SettingsEightWindowsLinesKeepEverySettingAndAMissingFolderIsMadeAgain)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    SaveSettingsFile(SettingsPath(), TLastSettings{});
    EXPECT_EQ(ReadWholeFile(SettingsPath()),
              QByteArray("False\r\nmW/m\xb2\r\n0\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n"));
    const TLastSettings chosen{true, 0, 4, 480, 6, 1, 1, true};
    SaveSettingsFile(SettingsPath(), chosen);
    EXPECT_EQ(ReadWholeFile(SettingsPath()),
              QByteArray("True\r\nV/m\r\n4\r\n480\r\n6\r\nSensitive\r\nSleep\r\nyes\r\n"));
    const TSettingsFileRead read = LoadSettingsFile(SettingsPath()).value();
    EXPECT_EQ(Fields(read.Settings), Fields(chosen));
    EXPECT_EQ(std::pair(read.LinesInEffect, read.Error), std::pair(SettingsLineCount, QString()));

    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    App.WriteFile("Settings", "not a folder");
    EXPECT_THROW(SaveSettingsFile(SettingsPath(), TLastSettings{}), EInOutError);
}

// Words without letter case but the unit exactly; integers with blanks and trailing words; an
// interval outside the list selects half a second.
TEST_F(StoredFile, SettingsReadingIsLenientExceptForTheUnit)
{
    EXPECT_EQ(Fields(Read("TRUE\nMW/M\xb2\n  +7 sec\n 120 points\n  6\nSENSITIVE\nSLEEP\nYES\n").Settings),
              Fields(TLastSettings{true, UnitVm, 0, 120, 6, 1, 1, true}));
    EXPECT_EQ(Fields(Read("1\r\nmW/m\xb2\r\n-1\r\n15\r\n3\r\nGeneral\r\nWake\r\nno\r\n").Settings),
              Fields(TLastSettings{false, UnitMWm2, 0, 15, 3, 0, 0, false}));
}

// The number rules themselves are the model's DecimalTextToInt test.
TEST_F(StoredFile, SettingsReadingEndsAtABadLineWithTheLinesBeforeItInEffect)
{
    EXPECT_FALSE(LoadSettingsFile(SettingsPath()));
    const std::tuple<QByteArray, int, const char *> cases[] = {
        {"True\r\nV/m\r\nfive\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 2, "line 3 is not an integer: 'five'"},
        {"True\r\nV/m\r\n1\r\n0\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 3, "line 4 is not a number of points: '0'"},
        {"True\r\nV/m\r\n1\r\n90\r\n", 4, "line 5 is not an integer: ''"},
        {"True\r\nV/m\r\n1\r\n60\r\n3\r\nSleep", 6, "the file holds 6 of its 8 lines"},
    };
    for (const auto &[bytes, linesInEffect, reason] : cases) {
        const TSettingsFileRead read = Read(bytes);
        EXPECT_EQ(read.LinesInEffect, linesInEffect) << bytes.toStdString();
        EXPECT_TRUE(read.Error.startsWith(QDir::toNativeSeparators(SettingsPath()) + ": " + reason))
            << read.Error.toStdString();
        EXPECT_TRUE(read.Settings.AlertsOn && read.Settings.Unit == UnitVm);
    }
    EXPECT_EQ(Read(std::get<0>(cases[2])).Settings.VisibleSamples, 90);
}

// Values a .meta cannot rightly hold are replaced, each once, and named in one sentence.
TEST(MetaPlausibility, DamagedValuesAreReplacedAndNamed)
{
    TMetaData stored;
    stored.Unit = 1;
    stored.Correction = 6;
    stored.Interval = 10;
    stored.StartTime = ToTDateTime(QDateTime(QDate(2025, 1, 7), QTime(9, 0)));
    const double replacement = ToTDateTime(QDateTime(QDate(2026, 12, 6), QTime(8, 0)));
    const TCheckedMeta sound = CheckMeta(stored, replacement);
    EXPECT_EQ(std::memcmp(&sound.Meta, &stored, sizeof stored), 0);
    EXPECT_TRUE(DamagedMetaText(sound).isEmpty());

    // The meter's intervals only; a start from the future (beyond a day of time zones).
    TMetaData damaged = stored;
    damaged.Unit = 7;
    damaged.Correction = -128;
    damaged.StartTime = 36500000.0; // in the year 101833
    for (const double interval : {0.0, -1.0, std::nan(""), double(INFINITY), 0.7, 5.0, 3600.0}) {
        damaged.Interval = interval;
        const TCheckedMeta checked = CheckMeta(damaged, replacement);
        EXPECT_EQ(std::tuple(checked.Meta.Unit, checked.Meta.Correction, checked.Meta.Interval, checked.Meta.StartTime),
                  std::tuple(std::uint8_t(1), std::int8_t(0), 0.5, replacement));
        EXPECT_TRUE(DamagedMetaText(checked).startsWith(
            "The meta data file holds values that cannot be right: unit, correction, interval, start time. "
            "mW/m², 0 dB, 0.5 sec, "))
            << DamagedMetaText(checked).toStdString();
    }
    TMetaData old = stored;
    for (const double start : {0.0 /* 30 December 1899 */, replacement + 1.5}) {
        old.StartTime = start;
        EXPECT_EQ(DamagedMetaText(CheckMeta(old, replacement)),
                  "The meta data file holds values that cannot be right: start time. " +
                      LocaleDateTimeText(FromTDateTime(replacement)) + " is used instead.");
    }
    old.StartTime = replacement + 0.5;
    old.Interval = 180;
    EXPECT_TRUE(CheckMeta(old, replacement).Damaged.empty());
}
