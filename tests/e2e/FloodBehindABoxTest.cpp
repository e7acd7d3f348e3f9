// A port flooded with lines while the dBm warning holds their delivery: what is held stays
// bounded, a recording keeps what was held, listening drops it as stale, and the status line
// says how many lines were dropped.

#include "tests/e2e/MeterSession.h"

#include "storage/LogFile.h"
#include "tools/meter-sim/MeterLines.h"

#include <QLabel>
#include <QTest>

namespace {

class FloodBehindABoxTest : public ConnectedMeterSession {
protected:
    // While the dBm warning is open, count readings go to the port as fast as it takes them.
    void FloodBehindTheDbmWarning(int count)
    {
        Services.AnswerWith = [this, count](const TShownBox &box) {
            if (box.Text.startsWith("Logging is not supported in dBm unit"))
                Flood(count);
            return TMsgAnswer::Ok;
        };
        Meter->Write("  -12.3 dBm\r\n");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Services.Shown.empty(); }, 5000));
        QTest::qWait(100); // what was held follows the box
    }

    void Flood(int count)
    {
        QByteArray block;
        for (int i = 0; i < 1000; ++i)
            block += MeasurementLine(0.5, 900, false);
        for (int sent = 0; sent < count; sent += 1000)
            for (qsizetype offset = 0; offset < block.size();) {
                const qint64 taken = Meter->Write(block.mid(offset));
                ASSERT_GE(taken, 0);
                offset += taken;
                QCoreApplication::processEvents();
            }
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        HeldWhileOpen = Form2->ComPort1.HeldLineBytes();
    }

    qsizetype HeldWhileOpen = 0;
    // More dropped lines than 16 bits can count.
    static constexpr int Lines = 100000;
    static constexpr qsizetype Kept = TLineFramer::MaxHeldLineBytes / 15;
};

TEST_F(FloodBehindABoxTest, ARecordingKeepsWhatWasHeldAndNothingBeyondTheBound)
{
    Record();
    MeasureSeries(3);
    FloodBehindTheDbmWarning(Lines);
    EXPECT_LE(HeldWhileOpen, TLineFramer::MaxHeldLineBytes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form1->Session.Statistics().SampleCount() == 3u + Kept; }, 5000))
        << Form1->Session.Statistics().SampleCount();
    EXPECT_EQ(Form1->StatusLine->text(),
              QStringLiteral("   %1 lines received while a message was open have been dropped").arg(Lines - Kept));
    // The notice stays while readings come in, until its time is up.
    MeasureSeries(1);
    EXPECT_TRUE(Form1->StatusLine->text().contains("dropped"));
    Form1->StatusLine->NoticeTimer.stop();
    MeasureSeries(1);
    EXPECT_TRUE(Form1->StatusLine->text().startsWith("   Recording since "));
    Form1->Bar->StopB->click();
    EXPECT_EQ(LogRecords(Log()).size(), std::size_t(3 + Kept + 2));
}

TEST_F(FloodBehindABoxTest, ListeningDropsWhatCameWhileTheWarningWasOpen)
{
    MeasureSeries(2);
    FloodBehindTheDbmWarning(5000);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 2u);
    EXPECT_EQ(Form1->StatusLine->text(), "   5000 lines received while a message was open have been dropped");
    MeasureSeries(1);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 3u);
}

} // namespace
