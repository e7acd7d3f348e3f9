#include "storage/LastSettings.h"

#include "model/InOutError.h"
#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

namespace {

class LastSettingsFile : public ::testing::Test {
protected:
    TempAppDir App;
    QString Path() const { return App.Paths().SettingsDir + LastSettingsFileName; }
    std::optional<TLastSettings> Load(const QByteArray &bytes)
    {
        App.WriteFile(QString("Settings/") + LastSettingsFileName, bytes);
        return LoadSettingsFile(Path());
    }
};

TEST_F(LastSettingsFile, DefaultsAreWrittenAsEightWindowsLines)
{
    SaveSettingsFile(Path(), TLastSettings{});
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("False\r\nmW/m\xb2\r\n0\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n"));
}

TEST_F(LastSettingsFile, RoundTripKeepsEverySetting)
{
    const TLastSettings chosen{true, 0, 4, 480, 6, 1, 1, true};
    SaveSettingsFile(Path(), chosen);
    EXPECT_EQ(ReadWholeFile(Path()), QByteArray("True\r\nV/m\r\n4\r\n480\r\n6\r\nSensitive\r\nSleep\r\nyes\r\n"));
    const std::optional<TLastSettings> read = LoadSettingsFile(Path());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->AlertsOn);
    EXPECT_EQ(read->Unit, 0);
    EXPECT_EQ(read->IntervalIndex, 4);
    EXPECT_EQ(read->VisibleSamples, 480);
    EXPECT_EQ(read->Correction, 6);
    EXPECT_EQ(read->Population, 1);
    EXPECT_EQ(read->State, 1);
    EXPECT_TRUE(read->StatisticsExpanded);
}

TEST_F(LastSettingsFile, WordsAreComparedWithoutLetterCaseButTheUnitExactly)
{
    const auto read = Load("TRUE\r\nMW/M\xb2\r\n1\r\n15\r\n3\r\nGENERAL\r\nWAKE\r\nYES\r\n");
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->AlertsOn);
    EXPECT_EQ(read->Unit, 0);
    EXPECT_EQ(read->Population, 0);
    EXPECT_EQ(read->State, 0);
    EXPECT_TRUE(read->StatisticsExpanded);

    const auto other = Load("1\r\nmW/m\xb2\r\n1\r\n15\r\n3\r\nSENSITIVE\r\nSLEEP\r\nno\r\n");
    EXPECT_FALSE(other->AlertsOn);
    EXPECT_EQ(other->Unit, 1);
    EXPECT_EQ(other->Population, 1);
    EXPECT_EQ(other->State, 1);
    EXPECT_FALSE(other->StatisticsExpanded);
}

TEST_F(LastSettingsFile, IntegersMayCarryBlanksAndTrailingWords)
{
    const auto read = Load("False\nV/m\n  +2 sec\n 120 points\n  6\nGeneral\nWake\nno\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->IntervalIndex, 2);
    EXPECT_EQ(read->VisibleSamples, 120);
    EXPECT_EQ(read->Correction, 6);
}

TEST_F(LastSettingsFile, AnIntervalOutsideTheListSelectsHalfASecond)
{
    EXPECT_EQ(Load("False\r\nV/m\r\n7\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n")->IntervalIndex, 0);
    EXPECT_EQ(Load("False\r\nV/m\r\n-1\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n")->IntervalIndex, 0);
}

TEST_F(LastSettingsFile, BadFilesAreRefusedWhole)
{
    EXPECT_FALSE(LoadSettingsFile(Path()));
    EXPECT_THROW(Load("False\r\nV/m\r\nfive\r\n60\r\n0\r\nGeneral\r\nWake\r\nno\r\n"), EInOutError);
    EXPECT_THROW(Load("False\r\nV/m\r\n1\r\n0\r\n0\r\nGeneral\r\nWake\r\nno\r\n"), EInOutError);
    EXPECT_THROW(Load("False\r\nV/m\r\n1\r\n60\r\n"), EInOutError);
    EXPECT_THROW(Load("False\r\nV/m\r\n1\r\n60\r\n99999999999\r\nGeneral\r\nWake\r\nno\r\n"), EInOutError);
}

TEST_F(LastSettingsFile, AMissingSettingsFolderIsCreated)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    SaveSettingsFile(Path(), TLastSettings{});
    EXPECT_TRUE(LoadSettingsFile(Path()));
}

TEST_F(LastSettingsFile, AnUnwritableFolderIsAnError)
{
    ASSERT_TRUE(QDir(App.Paths().SettingsDir).removeRecursively());
    App.WriteFile("Settings", "not a folder");
    EXPECT_THROW(SaveSettingsFile(Path(), TLastSettings{}), EInOutError);
}

} // namespace
