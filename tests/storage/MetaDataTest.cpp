// The .meta file's 576 bytes and the Windows-1252 texts it holds.

#include "storage/MetaData.h"
#include "storage/Windows1252.h"

#include "model/InOutError.h"
#include "tests/support/TempAppDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

class MetaFile : public ::testing::Test {
protected:
    TempAppDir App;
    QString Path = App.Paths().LogDir + "rec.meta";
    TMetaData Meta;
};

} // namespace

TEST_F(MetaFile, EveryFieldLiesAtItsOffsetAndReadsBackByteForByte)
{
    Meta.Version = 1;
    Meta.Operator.Set(QStringLiteral("ABCDEFGH"));
    Meta.Operator.Set(QStringLiteral("XY"));  // the old tail stays behind
    Meta.Place.Set(QStringLiteral("Roof €"));
    Meta.Notes.Set(QStringLiteral("mW/m²"));
    Meta.Unit = 1;
    Meta.Correction = 6;
    Meta.Pad2[3] = 0x5A;  // not significant, but written as it lies in memory
    Meta.Interval = 0.5;
    WriteMetaFile(Path, Meta, 45664.25);
    EXPECT_EQ(Meta.StartTime, 45664.25);

    const QByteArray bytes = ReadWholeFile(Path);
    ASSERT_EQ(bytes.size(), 576);
    const std::pair<int, QByteArray> fields[] = {
        {0, QByteArray("\x01\x00\x02XYCDEFGH\0", 12)}, {35, "\x06Roof \x80"},  {291, "\x05mW/m\xB2"},
        {547, QByteArray(5, '\0')}, {552, QByteArray::fromHex("00000000084ce640")},
        {560, QByteArray("\x01\x06\0\0\0\x5A\0\0", 8)}, {568, QByteArray::fromHex("000000000000e03f")}};
    for (const auto &[offset, expected] : fields)
        EXPECT_EQ(bytes.mid(offset, expected.size()).toHex(), expected.toHex()) << offset;

    TMetaData read;
    ReadMetaFile(Path, read);
    EXPECT_EQ(std::memcmp(&read, &Meta, sizeof read), 0);
    EXPECT_EQ(read.Place.Text(), QStringLiteral("Roof €"));
}

TEST_F(MetaFile, TextsAreCutToTheirFieldAndReadNoFurther)
{
    Meta.Operator.Set(QString(40, 'o'));
    Meta.Place.Set(QString(300, 'p'));
    EXPECT_EQ(Meta.Operator.Text(), QString(32, 'o'));
    EXPECT_EQ(Meta.Place.Text(), QString(255, 'p'));
    Meta.Operator.Length = 200;  // damaged
    EXPECT_EQ(Meta.Operator.Text(), QString(32, 'o'));
}

TEST_F(MetaFile, AShortOrMissingFileIsAnInOutErrorNamingItAndLeavesTheRecord)
{
    Meta.Operator.Set("kept");
    for (const QString &path : {App.WriteFile("Log/short.meta", QByteArray(575, '\1')), App.Paths().LogDir + "none.meta"}) {
        try {
            ReadMetaFile(path, Meta);
            ADD_FAILURE() << "accepted " << path.toStdString();
        } catch (const EInOutError &error) {
            EXPECT_TRUE(error.Message.contains(path)) << error.Message.toStdString();
        }
    }
    EXPECT_EQ(Meta.Operator.Text(), "kept");
}

// Files of this process may not grow past 100 bytes: the record meets that limit only when
// its buffer goes to the disk, after every write call has succeeded.
TEST_F(MetaFile, WritingReplacesTheWholeFileOrKeepsTheOldOneAndNamesIt)
{
    App.WriteFile("Log/rec.meta", QByteArray(1000, 'o'));
    WriteMetaFile(Path, Meta, 1.0);
    const QByteArray old = ReadWholeFile(Path);
    EXPECT_EQ(old.size(), 576);

    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{100, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString message;
    try {
        WriteMetaFile(Path, Meta, 2.0);
    } catch (const EInOutError &error) {
        message = error.Message;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(message.contains("File too large") && message.contains("rec.meta")) << message.toStdString();
    EXPECT_EQ(ReadWholeFile(Path), old);
    EXPECT_EQ(QDir(App.Paths().LogDir).entryList(QDir::Files | QDir::Hidden), QStringList{"rec.meta"});
}

TEST(Windows1252, RoundTripsEveryByteAndReplacesWhatItCannotHold)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(FromWindows1252(all).size(), 256);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    // A character outside the BMP is two UTF-16 units but one character: one '?'.
    EXPECT_EQ(ToWindows1252(QStringLiteral("a\u2603b\U0001F600c\u0080")), QByteArray("a?b?c?"));
}
