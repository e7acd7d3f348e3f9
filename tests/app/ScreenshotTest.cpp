// The main window after a minute of readings at 1 s, written as a picture for a person to
// look at when ZELTAR_SCREENSHOT_DIR names a folder.

#include "tests/app/AppTestSupport.h"

#include "charts/RChart.h"
#include "tools/meter-sim/ValueSource.h"

#include <QApplication>
#include <QComboBox>
#include <QToolButton>
#include <QDir>

TEST_F(MainWindowTest, AMinuteOfReadingsAtOneSecondFillsEveryView)
{
    Form->IntervalCB->setCurrentIndex(1);
    Listen();
    Expand();
    Form->show();
    Form->PlayB->setChecked(true);
    TValueSource readings(TPatternSettings{TValuePattern::Walk, 0.4, 0.15, 100.0, 7});
    const int frequencies[] = {2450, 1800, 900, 5200};
    for (int i = 0; i < 60; ++i)
        Feed(static_cast<float>(readings.Next()), frequencies[i % 4]);

    // The pointer rests on the histogram's tallest bar.
    const int mode = Form->Session.LiveHistogram().ModeIndex - 33;
    Form->HChart->OnMouseMoveInChart(Form->HChart, true, {}, mode, 1.0);

    EXPECT_EQ(Form->TChart->ItemCount(), 60u);
    EXPECT_EQ(Form->Session.LiveHistogram().Total, 60u);
    QApplication::processEvents(); // the layout follows the new texts
    const QImage shot = Form->grab().toImage();
    ASSERT_EQ(shot.size(), Form->size());

    const QString folder = qEnvironmentVariable("ZELTAR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(shot.save(QDir(folder).filePath("main-window.png")));
    }
}
