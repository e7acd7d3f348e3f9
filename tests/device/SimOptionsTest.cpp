#include "tools/meter-sim/SimOptions.h"
#include "tests/support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TSimOptionsParse Parse(const QStringList &arguments)
{
    return ParseSimOptions(QStringList{"zeltar-meter-sim"} + arguments);
}

} // namespace

TEST(SimOptions, ReadsListsFilesAndPatterns)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("values.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0.5\n1.25, 2\n");
    file.close();

    const TSimOptionsParse parsed = Parse({"--values-file", file.fileName(), "--frequencies", "900;1800",
                                           "--stray", "junk", "--stray-at", "3", "--baud-pace", "off"});
    ASSERT_EQ(parsed.Error, "");
    EXPECT_EQ(parsed.Options.Values, (QList<double>{0.5, 1.25, 2}));
    EXPECT_EQ(parsed.Options.Frequencies, (QList<int>{900, 1800}));
    EXPECT_EQ(parsed.Options.StrayAt, 3);
    EXPECT_FALSE(parsed.Options.BaudPace);

    const TPatternSettings walk = Parse({"--pattern", "walk", "--step", "0.5", "--seed", "4"}).Options.Pattern;
    EXPECT_EQ(std::tie(walk.Pattern, walk.Step, walk.Seed), std::make_tuple(TValuePattern::Walk, 0.5, 4u));
}

TEST(SimOptions, RefusesWhatCannotBePlayed)
{
    const QList<QStringList> wrong{
        {"--interval", "0"}, {"--count", "-1"}, {"--values", "1,x"}, {"--pattern", "sine"},
        {"--pattern", "ramp", "--step", "0"}, {"--count", "2", "--dump", "3"}, {"--baud-pace", "maybe"},
        {"--values-file", "/nonexistent/values"}, {"--stray-at", "0"}, {"extra"},
    };
    for (const QStringList &arguments : wrong)
        EXPECT_NE(Parse(arguments).Error, "") << qPrintable(arguments.join(' '));
}
