// The simulator's lines, played in-process over a pseudo-terminal and read through TComPort.

#include "tests/device/ListeningPort.h"
#include "tools/meter-sim/MeterScript.h"
#include "tools/meter-sim/MeterSimulator.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Plays the values to their end and returns the lines the port delivered.
QStringList Play(QList<double> values, const std::function<void(TSimOptions &)> &change = {})
{
    TSimOptions options;
    options.IntervalSeconds = 0.005;
    options.Count = static_cast<int>(values.size());
    options.Values = std::move(values);
    if (change)
        change(options);
    ListeningPort listener;
    TMeterSimulator simulator(*listener.Terminal, TMeterScript(options), false, 100ms);
    QSignalSpy finished(&simulator, &TMeterSimulator::Finished);
    simulator.Start();
    EXPECT_TRUE(finished.wait(10000));
    return listener.Lines;
}

} // namespace

TEST(MeterSim, MeasurementLinesKeepTheirLayoutWholeOrChunked)
{
    const auto frequencies = [](TSimOptions &options) { options.Frequencies = {900, 0, 12345}; };
    const QStringList lines = Play({0.1234, 12.5, 1234.5678, 123456.78, 1e12, 0.00004}, frequencies);
    EXPECT_EQ(lines, (QStringList{"  0.1234  900\r\n", " 12.5000    0\r\n", "1234.568 9999\r\n",
                                  "123456.8  900\r\n", "99999999    0\r\n", "  0.0000 9999\r\n"}));
    EXPECT_EQ(Play({0.1234, 12.5}, [&](TSimOptions &options) { frequencies(options); options.Chunked = true; }),
              lines.mid(0, 2));
}

TEST(MeterSim, DecimalCommaDbmAndStrayLines)
{
    EXPECT_EQ(Play({3.25}, [](TSimOptions &options) { options.DecimalComma = true; }), QStringList{"  3,2500    0\r\n"});
    EXPECT_EQ(Play({-23.46, 5}, [](TSimOptions &options) { options.Dbm = true; }),
              (QStringList{"  -23.5 dBm\r\n", "    5.0 dBm\r\n"}));
    EXPECT_EQ(Play({1, 2}, [](TSimOptions &options) { options.StrayText = "ZELTAR"; options.StrayAt = 2; }),
              (QStringList{"  1.0000    0\r\n", "ZELTAR\r\n", "  2.0000    0\r\n"}));
}
