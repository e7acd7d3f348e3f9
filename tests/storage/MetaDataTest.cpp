#include "storage/MetaData.h"

#include "model/InOutError.h"
#include "tests/support/TempAppDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

template <typename T>
T ValueAt(const QByteArray &bytes, int offset)
{
    T value;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

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
    EXPECT_EQ(ValueAt<std::uint16_t>(bytes, 0), 1);
    EXPECT_EQ(bytes.mid(2, 10), QByteArray("\x02XYCDEFGH\0", 10));
    EXPECT_EQ(bytes.mid(35, 7), QByteArray("\x06Roof \x80"));
    EXPECT_EQ(bytes.mid(291, 6), QByteArray("\x05mW/m\xB2"));
    EXPECT_EQ(bytes.mid(547, 5), QByteArray(5, '\0'));
    EXPECT_EQ(ValueAt<double>(bytes, 552), 45664.25);
    EXPECT_EQ(bytes.mid(560, 8), QByteArray("\x01\x06\0\0\0\x5A\0\0", 8));
    EXPECT_EQ(ValueAt<double>(bytes, 568), 0.5);

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
    const QString shortPath = App.WriteFile("Log/short.meta", QByteArray(575, '\1'));
    for (const QString &path : {shortPath, App.Paths().LogDir + "missing.meta"}) {
        try {
            ReadMetaFile(path, Meta);
            ADD_FAILURE() << "accepted " << path.toStdString();
        } catch (const EInOutError &error) {
            EXPECT_TRUE(error.Message.contains(path)) << error.Message.toStdString();
        }
    }
    EXPECT_EQ(Meta.Operator.Text(), "kept");
}

TEST_F(MetaFile, WritingReplacesTheWholeFileOrKeepsTheOldOneAndNamesIt)
{
    App.WriteFile("Log/rec.meta", QByteArray(1000, 'o'));
    WriteMetaFile(Path, Meta, 1.0);
    const QByteArray old = ReadWholeFile(Path);
    EXPECT_EQ(old.size(), 576);

    // Files of this process may not grow past 100 bytes: the record meets that limit only
    // when its buffer goes to the disk, after every write call has succeeded.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
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
