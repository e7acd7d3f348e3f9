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
    // The progress lies over the tool bar's read-outs, clear of its buttons, and keeps its
    // distance from the bar's right end when the window grows.
    const TAcquisitionBar &bar = *Form1->Bar;
    const auto rightMargin = [&bar] { return bar.width() - bar.ProgressBar->geometry().right(); };
    Form1->show();
    ASSERT_FALSE(bar.ProgressBar->isHidden());
    EXPECT_TRUE(bar.rect().contains(bar.ProgressBar->geometry()));
    EXPECT_GT(bar.ProgressBar->x(), bar.RestartB->geometry().right());
    const int margin = rightMargin();
    Form1->resize(1100, 700);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form1->Bar->width() == 1100; }, 5000));
    EXPECT_EQ(rightMargin(), margin);

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
