#include "model/UnitHistogram_COMMON.h"

#include "model/InOutError.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

namespace {

QByteArray Lines(std::initializer_list<const char *> lines, int zeroLines = 0)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes + QByteArray("0\r\n").repeated(zeroLines);
}

class HistogramFile : public ::testing::Test {
protected:
    TempAppDir Dir;
    TFakeServices Services;
};

} // namespace

TEST_F(HistogramFile, WritesCrLfLinesAndReadsThemBack)
{
    const QString path = Dir.Paths().LogDir + "a.histo";
    THistogram(-33, 33).WriteToFile(path);
    EXPECT_EQ(ReadWholeFile(path), Lines({"-33", "33", "67", "0", "0", "0"}, 67));

    THistogram written(-1, 1);
    written.Counts = {4294967295u, 0, 7};
    written.Total = written.MaxCount = 4294967295u;
    written.ModeIndex = 2; // taken from the file as it stands, not recomputed
    Services.Answer(TMsgAnswer::Yes);
    written.WriteToFile(path);
    EXPECT_EQ(ReadWholeFile(path), Lines({"-1", "1", "3", "4294967295", "4294967295", "2", "4294967295", "0", "7"}));
    const THistogram read = THistogram::ReadFromFile(path);
    EXPECT_EQ(std::tie(read.Lower, read.Upper, read.ClassCount, read.Counts, read.Total, read.MaxCount, read.ModeIndex),
              std::tie(written.Lower, written.Upper, written.ClassCount, written.Counts, written.Total,
                       written.MaxCount, written.ModeIndex));
}

TEST_F(HistogramFile, OverwriteQuestionAnsweredNoLeavesTheFile)
{
    const QString path = Dir.WriteFile("Log/c.histo", "old\r\ncontent");
    Services.Answer(TMsgAnswer::No);
    THistogram(-1, 1).WriteToFile(path);
    EXPECT_EQ(ReadWholeFile(path), "old\r\ncontent");
    ASSERT_EQ(Services.Texts(),
              QStringList{"THistogram Class, Procedure WriteToFile: the argument file already exists. "
                          "Do you want to overwrite it?"});
    EXPECT_EQ(Services.Shown[0].Buttons, TMsgButtons::YesNo);
}

TEST_F(HistogramFile, FailuresNameTheFileAndMalformedFilesAreRefused)
{
    try {
        THistogram(-1, 1).WriteToFile(Dir.Paths().LogDir + "no folder/d.histo");
        ADD_FAILURE() << "written";
    } catch (const EInOutError &error) {
        EXPECT_TRUE(error.Message.contains("d.histo") && error.Message.contains("(2)")) << error.Message.toStdString();
    }
    EXPECT_EQ(THistogram::ReadFromFile(Dir.Paths().LogDir + "none.histo").Counts.size(), 0u);
    EXPECT_EQ(Services.Texts(),
              QStringList{"THistogram class, constructor ReadFromFile: the file argument does not exist"});

    const QByteArray malformed[] = {
        Lines({"-33", "33", "68", "0", "0", "0"}, 68),              // classes do not match the bounds
        Lines({"-33", "33", "67", "0", "0", "0"}, 66),              // a count missing
        Lines({"-1", "1", "3", "2", "1", "0", "1", "1.5", "0"}),     // not an integer
        Lines({"-1", "1", "3", "2", "1", "0", "1", "-1", "1"}),      // negative count
        Lines({"-1", "1", "3", "1", "1", "3"}, 3),                   // mode outside the classes
        Lines({"0", "2147483646", "2147483647", "0", "0", "0"}, 2), // absurd size, never allocated
    };
    for (const QByteArray &bytes : malformed)
        EXPECT_THROW(THistogram::ReadFromFile(Dir.WriteFile("Log/bad.histo", bytes)), EInOutError)
            << bytes.toStdString();
}
