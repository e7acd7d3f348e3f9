// The level histogram: counts and mode, and its ".histo" file of CR LF lines, whose questions
// and errors go through the services.

#include "model/UnitHistogram_COMMON.h"

#include "model/InOutError.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

namespace {

// CR LF lines, then zeroLines lines of "0".
QByteArray Lines(const QByteArrayList &lines, int zeroLines = 0)
{
    return (lines + QByteArrayList(zeroLines, "0")).join("\r\n") + "\r\n";
}

auto Fields(const THistogram &h)
{
    return std::tie(h.Lower, h.Upper, h.ClassCount, h.Counts, h.Total, h.MaxCount, h.ModeIndex);
}

class Histogram : public ::testing::Test {
protected:
    TempAppDir Dir;
    TFakeServices Services;
    QString Path = Dir.Paths().LogDir + "a.histo";
};

} // namespace

TEST_F(Histogram, ModeIsTheFirstClassToReachTheLargestCountClearingEmptiesEveryCountAndMaxDensitySkipsEmptyOnes)
{
    THistogram histogram(-33, 33);
    for (const int index : {5, 7, 7, 5, 67, -1})
        histogram.Add(index);
    // Indexes outside the classes are not counted.
    EXPECT_EQ(std::tie(histogram.Total, histogram.MaxCount, histogram.ModeIndex), std::make_tuple(4u, 2u, 7));
    EXPECT_EQ(std::pair(histogram.Add(5), histogram.ModeIndex), std::pair(3u, 5));
    histogram.Clear();
    EXPECT_EQ(Fields(histogram), Fields(THistogram(-33, 33)));

    // The largest share over the histograms that have any count.
    THistogram first(0, 1), second(0, 1), empty(0, 1);
    first.Counts = {1, 3};
    second.Counts = {2, 2};
    first.Total = second.Total = 4;
    EXPECT_EQ(std::pair(MaxDensity({&empty, &first, &second}), MaxDensity({})), std::pair(0.75, 0.0));

    EXPECT_EQ(THistogram(INT_MIN, INT_MAX).Add(0), 0u);
    EXPECT_EQ(Services.Texts(), QStringList{"THistogram CREATE procedure: out of memory error"});
}

TEST_F(Histogram, FileHoldsBoundsClassesTotalsModeAndCountsAndReadsBack)
{
    THistogram(-33, 33).WriteToFile(Path);
    EXPECT_EQ(ReadWholeFile(Path), Lines({"-33", "33", "67", "0", "0", "0"}, 67));

    THistogram written(-1, 1);
    written.Counts = {4294967295u, 0, 7};
    written.Total = written.MaxCount = 4294967295u;
    written.ModeIndex = 2; // taken from the file as it stands, not recomputed
    Services.Answer(TMsgAnswer::Yes);
    written.WriteToFile(Path);
    EXPECT_EQ(ReadWholeFile(Path), Lines({"-1", "1", "3", "4294967295", "4294967295", "2", "4294967295", "0", "7"}));
    EXPECT_EQ(Fields(THistogram::ReadFromFile(Path)), Fields(written));

    Services.Answer(TMsgAnswer::No);
    THistogram(-1, 1).WriteToFile(Path);
    EXPECT_EQ(Fields(THistogram::ReadFromFile(Path)), Fields(written));
    const QString question = "THistogram Class, Procedure WriteToFile: the argument file already exists. "
                             "Do you want to overwrite it?";
    EXPECT_EQ(Services.Texts(), (QStringList{question, question}));
    EXPECT_EQ(Services.Shown[1].Buttons, TMsgButtons::YesNo);
}

TEST_F(Histogram, FileFailuresNameTheFileAndMalformedFilesAreRefused)
{
    using namespace testing;
    EXPECT_THAT([&] { THistogram(-1, 1).WriteToFile(Dir.Paths().LogDir + "no folder/d.histo"); },
                ThrowsMessage<EInOutError>(AllOf(HasSubstr("d.histo"), HasSubstr("(2)"))));
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

TEST(Services, WithoutAnInstalledSetNothingIsAskedAndTheSafeAnswerIsGiven)
{
    const TServices previous = InstallServices({});
    EXPECT_EQ(ShowMessageBox(TMsgKind::Warning, "notice"), TMsgAnswer::Ok);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesNo), TMsgAnswer::No);
    EXPECT_EQ(ShowMessageBox(TMsgKind::Confirmation, "question", TMsgButtons::YesCancel), TMsgAnswer::Cancel);
    EXPECT_FALSE(ShellOpen("/"));
    EXPECT_EQ(AskSaveFileName({"Save", "Text (*.txt)", "txt", "/tmp", "/tmp/a.txt"}, nullptr), QString());
    InstallServices(previous);
}
