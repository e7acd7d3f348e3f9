// The program's own options file: the alerts' options come back as written, and the file's
// other lines stay.

#include "storage/ProgramOptionsFile.h"

#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

TEST(ProgramOptionsTest, TheAlertOptionsComeBackAsWrittenAndTheOtherLinesStay)
{
    const TempAppDir app;
    const QString path = app.WriteFile("Settings/" + ProgramOptionsFileName,
                                       "Language=fr\nAlertTone=1\r\nNote=a\\\\b\\nc\n");
    const TAlertOptions level{{.Category = 4, .Level = 0.1, .HoldSeconds = 2.5}, false};
    WriteAlertOptions(path, level);
    EXPECT_EQ(ReadAlertOptions(path), level);
    const TAlertOptions category{{.Category = 1, .Level = std::nullopt, .HoldSeconds = 0}, true};
    WriteAlertOptions(path, category);
    EXPECT_EQ(ReadAlertOptions(path), category);
    EXPECT_EQ(ReadWholeFile(path), "Language=fr\nNote=a\\\\b\\nc\n"
                                   "AlertCategory=1\nAlertLevel=\nAlertHoldSeconds=0\nAlertTone=1\n");
}

TEST(ProgramOptionsTest, AMissingFileAndValuesThatCannotBeReadLeaveTheDefaults)
{
    const TempAppDir app;
    const TAlertOptions defaults;
    EXPECT_EQ(ReadAlertOptions(app.Paths().SettingsDir + ProgramOptionsFileName), defaults);
    EXPECT_TRUE(defaults.Tone);
    const QString path = app.WriteFile("Settings/" + ProgramOptionsFileName,
                                       "AlertCategory=6\nAlertLevel=1,5\nAlertHoldSeconds=-1\nAlertTone=yes\n"
                                       "AlertHoldSeconds=inf\n=3\n");
    EXPECT_EQ(ReadAlertOptions(path), defaults);
}
