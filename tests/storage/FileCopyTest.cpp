#include "storage/FileUtils.h"

#include "tests/support/TempAppDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using TCalls = std::vector<std::pair<std::int64_t, std::int64_t>>;

QByteArray Pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 31 + i / 256);
    return bytes;
}

class CopyFileByBlocksTest : public ::testing::Test {
protected:
    TempAppDir App;
    QString Copy = App.Paths().LogDir + "temp.zlog";
    TCalls Calls;
};

} // namespace

TEST_F(CopyFileByBlocksTest, CopiesContentTimeAndWritablePermissions)
{
    const QString source = App.WriteFile("Log/source.zlog", Pattern(16384));
    const QDateTime modified(QDate(2024, 6, 1), QTime(8, 30, 15, 250));
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(source, readOnly));
    App.WriteFile("Log/temp.zlog", QByteArray(50000, 'x'));  // replaced, not merged

    ASSERT_EQ(CopyFileByBlocks(source, Copy, true, [this](std::int64_t done, std::int64_t total) {
                  Calls.emplace_back(done, total);
              }),
              0);
    EXPECT_EQ(ReadWholeFile(Copy), Pattern(16384));
    EXPECT_EQ(QFileInfo(Copy).lastModified(), modified);
    const auto forAnyUser = ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    EXPECT_EQ(QFile::permissions(Copy) & forAnyUser, readOnly | QFileDevice::WriteOwner);
    // Before copying, before each of the two full blocks and the empty read, and at the end.
    EXPECT_EQ(Calls, (TCalls{{0, 16384}, {0, 16384}, {8192, 16384}, {16384, 16384}, {16384, 16384}}));
}

TEST_F(CopyFileByBlocksTest, TheAbortFlagEndsTheCopyAfterTheCurrentBlock)
{
    const QString source = App.WriteFile("Log/source.zlog", Pattern(40000));
    CopyAbortFlag = true;  // left over from an earlier copy: cleared at the start
    ASSERT_EQ(CopyFileByBlocks(source, Copy, false, [](std::int64_t done, std::int64_t) { CopyAbortFlag = done == 8192; }),
              0);
    EXPECT_EQ(ReadWholeFile(Copy), Pattern(16384));
}

TEST_F(CopyFileByBlocksTest, FailuresAreReportedByTheirCodes)
{
    EXPECT_EQ(CopyFileByBlocks(App.Paths().LogDir + "missing.zlog", Copy, false), -1);
    const QString source = App.WriteFile("Log/source.zlog", Pattern(9000));
    EXPECT_EQ(CopyFileByBlocks(source, App.Paths().LogDir + "nowhere/temp.zlog", false), -2);
    EXPECT_EQ(CopyFileByBlocks(source, "/dev/full", false), -3);
    EXPECT_EQ(CopyFileByBlocks("/proc/self/mem", Copy, false), -4);  // address 0 is never mapped
    // Onto itself: truncating the destination would empty the source.
    EXPECT_EQ(CopyFileByBlocks(source, App.Paths().LogDir + "../Log/source.zlog", false), -2);
    EXPECT_EQ(ReadWholeFile(source), Pattern(9000));
}
