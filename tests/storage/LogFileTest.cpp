#include "storage/LogFile.h"

#include "model/InOutError.h"
#include "tests/support/TempAppDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The bytes of records first, first + 1, ... of a log numbered from 0.
QByteArray Numbered(std::size_t count, std::size_t first = 0)
{
    std::vector<TSampleRecord> records(count);
    for (std::size_t i = 0; i < count; ++i)
        MakeSampleRecord(static_cast<std::uint16_t>((first + i) * 7), 0, records[i], static_cast<float>(first + i));
    return QByteArray(reinterpret_cast<const char *>(records.data()), qsizetype(count * sizeof(TSampleRecord)));
}

std::vector<TSampleRecord> Records(const QByteArray &bytes)
{
    std::vector<TSampleRecord> records(std::size_t(bytes.size()) / sizeof(TSampleRecord));
    std::memcpy(records.data(), bytes.constData(), records.size() * sizeof(TSampleRecord));
    return records;
}

class LogFile : public ::testing::Test {
protected:
    TempAppDir App;
    QString Path = App.Paths().LogDir + "rec.zlog";
};

} // namespace

TEST(LogFileNames, OnlyANamedRecordHasCompanions)
{
    EXPECT_EQ(CompanionName("/my.data/v1.2/rec.tar.zlog", ".histo"), "/my.data/v1.2/rec.tar.histo");
    EXPECT_EQ(CompanionToWrite("/app/Log/Import3", ".meta"), "/app/Log/Import3.meta");
    // The Log folder of a stopped recording, and a log called only ".zlog".
    EXPECT_THROW(CompanionToWrite("/app/Log/", ".histo"), EInOutError);
    EXPECT_THROW(CompanionToWrite("/app/Log/.zlog", ".meta"), EInOutError);
}

TEST_F(LogFile, CreatingEmptiesTheLogAndAppendsFollowItsLastWholeRecord)
{
    App.WriteFile("Log/rec.zlog", QByteArray(80, 'x'));
    CreateLogFile(Path);
    AppendSamples(Path, Records(Numbered(3)));
    AppendSamples(Path, Records(Numbered(2, 3)));
    EXPECT_EQ(ReadWholeFile(Path), Numbered(5));
    // Little-endian layout of the second record: 1.0f, frequency 7, mark, padding.
    EXPECT_EQ(ReadWholeFile(Path).mid(8, 8), QByteArray("\x00\x00\x80\x3F\x07\x00\x00\x00", 8));

    App.WriteFile("Log/rec.zlog", Numbered(2) + QByteArray(5, '\xEE'));  // torn last record
    AppendSamples(Path, Records(Numbered(1, 2)));
    EXPECT_EQ(ReadWholeFile(Path), Numbered(3));

    ASSERT_TRUE(QFile::remove(Path));
    EXPECT_THROW(AppendSamples(Path, Records(Numbered(1))), EInOutError);
    EXPECT_FALSE(QFile::exists(Path)) << "a vanished log was created again";
}

// Two internal blocks of 65536 records and a bit, so chunks straddle the block boundaries, and
// a torn last record that is never delivered.
TEST_F(LogFile, ReaderDeliversEveryWholeRecordInOrderWhateverTheChunkSize)
{
    const QByteArray log = Numbered(2 * 65536 + 3);
    App.WriteFile("Log/rec.zlog", log + "torn");
    for (const std::size_t chunk : {1000, 65536, 200000}) {
        TLogReader reader(Path);
        EXPECT_EQ(reader.Count(), 2 * 65536 + 3);
        QByteArray read;
        std::vector<TSampleRecord> buffer(chunk);
        while (const std::size_t got = reader.Read(buffer))
            read.append(reinterpret_cast<const char *>(buffer.data()), qsizetype(got * sizeof(TSampleRecord)));
        EXPECT_EQ(read, log) << "chunk " << chunk;
    }
    EXPECT_THROW(TLogReader(App.Paths().LogDir + "missing.zlog"), EInOutError);
}
