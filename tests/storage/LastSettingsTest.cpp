#include "storage/LastSettings.h"

#include "model/InOutError.h"
#include "model/Units.h"
#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

namespace {

auto Fields(const TLastSettings &s)
{
    return std::tie(s.AlertsOn, s.Unit, s.IntervalIndex, s.VisibleSamples, s.Correction, s.Population, s.State,
                    s.StatisticsExpanded);
}

class LastSettingsFile : public ::testing::Test {
protected:
    TempAppDir App;
    QString Path() const { return App.Paths().SettingsDir + LastSettingsFileName; }
    TSettingsFileRead Read(const QByteArray &bytes)
    {
        App.WriteFile(QString("Settings/") + LastSettingsFileName, bytes);
        return LoadSettingsFile(Path()).value();
    }
};

TEST_F(LastSettingsFile, EightWindowsLinesKeepEverySettingAndAMissingFolderIsMadeAgain)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    SaveSettingsFile(Path(), TLastSettings{});
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("False\r\nmW/m\xb2\r\n0\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n"));
    const TLastSettings chosen{true, 0, 4, 480, 6, 1, 1, true};
    SaveSettingsFile(Path(), chosen);
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("True\r\nV/m\r\n4\r\n480\r\n6\r\nSensitive\r\nSleep\r\nyes\r\n"));
    const TSettingsFileRead read = LoadSettingsFile(Path()).value();
    EXPECT_EQ(Fields(read.Settings), Fields(chosen));
    EXPECT_EQ(read.LinesInEffect, SettingsLineCount);
    EXPECT_TRUE(read.Error.isEmpty());

    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    App.WriteFile("Settings", "not a folder");
    EXPECT_THROW(SaveSettingsFile(Path(), TLastSettings{}), EInOutError);
}

// Words without letter case but the unit exactly; integers with blanks and trailing words; an
// interval outside the list selects half a second.
TEST_F(LastSettingsFile, ReadingIsLenientExceptForTheUnit)
{
    EXPECT_EQ(Fields(Read("TRUE\nMW/M\xb2\n  +7 sec\n 120 points\n  6\nSENSITIVE\nSLEEP\nYES\n").Settings),
              Fields(TLastSettings{true, UnitVm, 0, 120, 6, 1, 1, true}));
    EXPECT_EQ(Fields(Read("1\r\nmW/m\xb2\r\n-1\r\n15\r\n3\r\nGeneral\r\nWake\r\nno\r\n").Settings),
              Fields(TLastSettings{false, UnitMWm2, 0, 15, 3, 0, 0, false}));
}

// The number rules themselves are the model's DecimalTextToInt test.
TEST_F(LastSettingsFile, ABadLineEndsTheReadingWithTheLinesBeforeItInEffect)
{
    EXPECT_FALSE(LoadSettingsFile(Path()));
    const std::tuple<QByteArray, int, const char *> cases[] = {
        {"True\r\nV/m\r\nfive\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 2, "line 3 is not an integer: 'five'"},
        {"True\r\nV/m\r\n1\r\n0\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 3, "line 4 is not a number of points: '0'"},
        {"True\r\nV/m\r\n1\r\n90\r\n", 4, "line 5 is not an integer: ''"},
        {"True\r\nV/m\r\n1\r\n60\r\n3\r\nSleep", 6, "the file holds 6 of its 8 lines"},
    };
    for (const auto &[bytes, linesInEffect, reason] : cases) {
        const TSettingsFileRead read = Read(bytes);
        EXPECT_EQ(read.LinesInEffect, linesInEffect) << bytes.toStdString();
        EXPECT_TRUE(read.Error.startsWith(QDir::toNativeSeparators(Path()) + ": " + reason)) << read.Error.toStdString();
        EXPECT_TRUE(read.Settings.AlertsOn && read.Settings.Unit == UnitVm);
    }
    EXPECT_EQ(Read(std::get<0>(cases[2])).Settings.VisibleSamples, 90);
}

} // namespace
