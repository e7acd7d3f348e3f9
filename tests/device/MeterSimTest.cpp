// The simulator's lines, played in-process over a pseudo-terminal and read through TComPort.

#include "tests/device/ListeningPort.h"
#include "tools/meter-sim/MeterScript.h"
#include "tools/meter-sim/MeterSimulator.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TSimOptions FastOptions()
{
    TSimOptions options;
    options.IntervalSeconds = 0.005;
    options.Count = 0;
    return options;
}

// Plays the script to its end and returns the lines the port delivered.
QStringList Play(const TSimOptions &options)
{
    ListeningPort listener;
    TMeterSimulator simulator(*listener.Terminal, TMeterScript(options), false, 100ms);
    QSignalSpy finished(&simulator, &TMeterSimulator::Finished);
    simulator.Start();
    EXPECT_TRUE(finished.wait(10000));
    return listener.Lines;
}

} // namespace

TEST(MeterSimLines, MeasurementLinesKeepTheirLayoutForEveryValue)
{
    TSimOptions options = FastOptions();
    options.Values = {0.1234, 12.5, 1234.5678, 123456.78, 1e12, 0.00004};
    options.Frequencies = {900, 0, 12345};
    options.Count = 6;
    EXPECT_EQ(Play(options), (QStringList{"  0.1234  900\r\n", " 12.5000    0\r\n", "1234.568 9999\r\n",
                                          "123456.8  900\r\n", "99999999    0\r\n", "  0.0000 9999\r\n"}));
}

TEST(MeterSimLines, DecimalCommaAndDbmLines)
{
    TSimOptions options = FastOptions();
    options.Values = {3.25};
    options.Count = 1;
    options.DecimalComma = true;
    EXPECT_EQ(Play(options), QStringList{"  3,2500    0\r\n"});

    options.Values = {-23.46, 5};
    options.Count = 2;
    options.Dbm = true;
    EXPECT_EQ(Play(options), (QStringList{"  -23.5 dBm\r\n", "    5.0 dBm\r\n"}));
}

TEST(MeterSimLines, StrayLineTakesItsPlaceAmongTheLines)
{
    TSimOptions options = FastOptions();
    options.Values = {1, 2, 3};
    options.Count = 3;
    options.StrayText = "ZELTAR";
    options.StrayAt = 2;
    EXPECT_EQ(Play(options), (QStringList{"  1.0000    0\r\n", "ZELTAR\r\n", "  2.0000    0\r\n", "  3.0000    0\r\n"}));
}

TEST(MeterSimLines, ChunkedWritesFrameToTheSameLines)
{
    TSimOptions options = FastOptions();
    options.Values = {1.5, 22.75, 333.125};
    options.Frequencies = {100, 2000};
    options.Count = 3;
    const QStringList whole = Play(options);
    options.Chunked = true;
    EXPECT_EQ(Play(options), whole);
    EXPECT_EQ(whole.size(), 3);
}

TEST(MeterSimDump, HeaderLinesThenDataLinesThenSilence)
{
    TSimOptions options = FastOptions();
    options.Values = {0.5, 0.25};
    options.DumpRecords = 4;
    const QStringList lines = Play(options);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].contains("Interval"));
    EXPECT_TRUE(lines[1].contains("Interval"));
    EXPECT_EQ(lines.mid(2), (QStringList{"  0.5000    0\r\n", "  0.2500    0\r\n", "  0.5000    0\r\n", "  0.2500    0\r\n"}));
}

TEST(MeterSimDump, PacedAtNineThousandSixHundredBaud)
{
    TSimOptions options = FastOptions();
    options.IntervalSeconds = 0.5;
    options.DumpRecords = 2;
    TMeterScript script(options);
    std::vector<TScriptStep> steps;
    while (std::optional<TScriptStep> step = script.Next())
        steps.push_back(*step);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].Delay, 500ms);
    for (size_t i = 1; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].Delay, TMeterScript::WireTime(steps[i - 1].Bytes.size())) << i;
    EXPECT_EQ(TMeterScript::WireTime(15), 15625us);

    options.BaudPace = false;
    TMeterScript unpaced(options);
    unpaced.Next();
    EXPECT_EQ(unpaced.Next()->Delay, 0us);
}
