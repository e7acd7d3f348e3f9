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
    EXPECT_EQ(parsed.Options.StrayText, "junk");
    EXPECT_EQ(parsed.Options.StrayAt, 3);
    EXPECT_FALSE(parsed.Options.BaudPace);

    const TPatternSettings walk = Parse({"--pattern", "walk", "--level", "2", "--step", "0.5", "--max", "9", "--seed", "4"}).Options.Pattern;
    EXPECT_EQ(walk.Pattern, TValuePattern::Walk);
    EXPECT_EQ(walk.Level, 2.0);
    EXPECT_EQ(walk.Step, 0.5);
    EXPECT_EQ(walk.Max, 9.0);
    EXPECT_EQ(walk.Seed, 4u);
}

TEST(SimOptions, RefusesWhatCannotBePlayed)
{
    const QList<QStringList> wrong{
        {"--interval", "0"},       {"--interval", "soon"},   {"--count", "-1"},
        {"--values", "1,x"},       {"--values", ","},        {"--pattern", "sine"},
        {"--pattern", "ramp", "--step", "0"},                {"--count", "2", "--dump", "3"},
        {"--baud-pace", "maybe"},  {"--values-file", "/nonexistent/values"},
        {"--stray-at", "0"},       {"extra"},                {"--unknown"},
    };
    for (const QStringList &arguments : wrong)
        EXPECT_NE(Parse(arguments).Error, "") << qPrintable(arguments.join(' '));
}

TEST(SimOptions, HelpDocumentsEveryOption)
{
    const QString help = Parse({"--help"}).HelpText;
    for (const char *option : {"--interval", "--values", "--values-file", "--pattern", "--level", "--step", "--max",
                               "--seed", "--count", "--frequency", "--frequencies", "--decimal-comma", "--dbm",
                               "--stray", "--stray-at", "--dump", "--baud-pace", "--chunked", "--device", "--link",
                               "--wait-reader", "--linger"})
        EXPECT_TRUE(help.contains(QLatin1StringView(option) + ' ')) << option;
}
