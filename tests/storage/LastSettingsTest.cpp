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
    std::optional<TSettingsFileRead> Read(const QByteArray &bytes)
    {
        App.WriteFile(QString("Settings/") + LastSettingsFileName, bytes);
        return LoadSettingsFile(Path());
    }
    // A file that must be sound.
    std::optional<TLastSettings> Load(const QByteArray &bytes)
    {
        const std::optional<TSettingsFileRead> read = Read(bytes);
        if (!read)
            return std::nullopt;
        EXPECT_EQ(read->LinesInEffect, SettingsLineCount) << read->Error.toStdString();
        EXPECT_TRUE(read->Error.isEmpty());
        return read->Settings;
    }
};

TEST_F(LastSettingsFile, EightWindowsLinesKeepEverySetting)
{
    SaveSettingsFile(Path(), TLastSettings{});
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("False\r\nmW/m\xb2\r\n0\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n"));
    const TLastSettings chosen{true, 0, 4, 480, 6, 1, 1, true};
    SaveSettingsFile(Path(), chosen);
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("True\r\nV/m\r\n4\r\n480\r\n6\r\nSensitive\r\nSleep\r\nyes\r\n"));
    EXPECT_EQ(Fields(Load(ReadWholeFile(Path())).value()), Fields(chosen));
}

// Words without letter case but the unit exactly; integers with blanks and trailing words; an
// interval outside the list selects half a second.
TEST_F(LastSettingsFile, ReadingIsLenientExceptForTheUnit)
{
    EXPECT_EQ(Fields(Load("TRUE\nMW/M\xb2\n  +7 sec\n 120 points\n  6\nSENSITIVE\nSLEEP\nYES\n").value()),
              Fields(TLastSettings{true, UnitVm, 0, 120, 6, 1, 1, true}));
    EXPECT_EQ(Fields(*Load("1\r\nmW/m\xb2\r\n-1\r\n15\r\n3\r\nGeneral\r\nWake\r\nno\r\n")),
              Fields(TLastSettings{false, UnitMWm2, 0, 15, 3, 0, 0, false}));
}

TEST_F(LastSettingsFile, ABadLineEndsTheReadingWithTheLinesBeforeItInEffect)
{
    EXPECT_FALSE(LoadSettingsFile(Path()));
    const struct {
        QByteArray Bytes;
        int LinesInEffect;
        const char *Reason;
    } cases[] = {
        {"True\r\nV/m\r\nfive\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 2, "line 3 is not an integer: 'five'"},
        {"True\r\nV/m\r\n1\r\n0\r\n0\r\nGeneral\r\nWake\r\nno\r\n", 3, "line 4 is not a number of points: '0'"},
        {"True\r\nV/m\r\n1\r\n60\r\n", 4, "line 5 is not an integer: ''"},
        {"True\r\nV/m\r\n1\r\n60\r\n99999999999\r\nGeneral\r\nWake\r\nno\r\n", 4, "line 5 is not an integer"},
        {"True\r\nV/m\r\n1\r\n60\r\n3\r\nSleep", 6, "the file holds 6 of its 8 lines"},
    };
    for (const auto &bad : cases) {
        const std::optional<TSettingsFileRead> read = Read(bad.Bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->LinesInEffect, bad.LinesInEffect) << bad.Bytes.toStdString();
        EXPECT_TRUE(read->Error.startsWith(QDir::toNativeSeparators(Path()) + ": " + bad.Reason))
            << read->Error.toStdString();
        EXPECT_TRUE(read->Settings.AlertsOn);
        EXPECT_EQ(read->Settings.Unit, UnitVm);
    }
    EXPECT_EQ(Read(cases[2].Bytes)->Settings.VisibleSamples, 60);
}

TEST_F(LastSettingsFile, AMissingSettingsFolderIsCreated)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    SaveSettingsFile(Path(), TLastSettings{});
    EXPECT_EQ(LoadSettingsFile(Path())->LinesInEffect, SettingsLineCount);
}

TEST_F(LastSettingsFile, AnUnwritableFolderIsAnError)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    App.WriteFile("Settings", "not a folder");
    EXPECT_THROW(SaveSettingsFile(Path(), TLastSettings{}), EInOutError);
}

} // namespace
