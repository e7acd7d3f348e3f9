// Importing the meter's memory through the program's windows against the simulator over a
// pseudo-terminal: the progress bar's place and movement and the charts after the replay.
// The import's rules are the session's (tests/session/ImportTest).

#include "tests/e2e/MeterSession.h"

#include "charts/ChartWidget.h"
#include "tools/meter-sim/MeterScript.h"
#include "tools/meter-sim/MeterSimulator.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <algorithm>

using namespace std::chrono_literals;

using ImportFromDevice = MeterSession;

TEST_F(ImportFromDevice, AnImportStartedBeforeTheMeterIsPluggedInWaitsForItAndShowsTheDumpOnTheBarAndCharts)
{
    Start();
    Services.SaveAs = App.Paths().LogDir + "Field trip.zlog";
    Services.Answer(TMsgAnswer::Ok); // the HOLD notice
    Form1->Control->Import1Click();
    // The bar spans the top bar from x 206 to 10 pixels short of its right end, which it keeps.
    EXPECT_EQ(Form1->Bar->ProgressBar->geometry(), QRect(206, 5, Form1->width() - 216, 16));
    Form1->show();
    Form1->resize(1100, 700);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form1->Bar->width() == 1100; }, 5000));
    EXPECT_EQ(Form1->Bar->ProgressBar->geometry().right(), 1100 - 11);

    PlugIn();
    Form2->Timer1Timer();
    EXPECT_EQ(Form1->StatusLine->text(), "   Waiting for data to be sent from ZELTAR device...");
    int furthest = 0;
    QObject::connect(Form1->Bar->ProgressBar, &QProgressBar::valueChanged,
                     [&](int value) { furthest = std::max(furthest, value); });
    TSimOptions options;
    options.IntervalSeconds = 0.01;
    options.DumpRecords = 4;
    options.Values = {0.5, 1.25, 2.0, 3.5};
    options.Frequencies = {900, 1800, 2450, 0};
    TMeterSimulator simulator(*Meter, TMeterScript(options), false, -1ms);
    simulator.Start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form1->Session.State() != Importing; }, 60000));

    EXPECT_EQ(furthest, 4);
    EXPECT_TRUE(Form1->Bar->ProgressBar->isHidden());
    EXPECT_EQ(Form1->Charts->TChart->ItemCount(), 4u);
    EXPECT_GT(Form1->Charts->HChart->ItemCount(), 0u);
    EXPECT_EQ(MetaDialogs, 1);
    EXPECT_EQ(LogRecords(Services.SaveAs).size(), 4u);
}
