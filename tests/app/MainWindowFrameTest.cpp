// The window's frame: panels that fold, the caption, the close query, help documents, and
// the listening controls without a meter.

#include "tests/app/AppTestSupport.h"

#include "storage/WidgetStyle.h"
#include "charts/RChart.h"
#include "model/GlobalState.h"
#include "model/InOutError.h"
#include "storage/Form5_MetaData.h"
#include "storage/ModalSeam.h"
#include "windows/StatisticsPanel.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>

TEST_F(MainWindowTest, StatisticsPanelFoldsOnClicksOnItsCaptionsButNotOnTheStatusLine)
{
    int recordsOpened = 0;
    Form->OpenFileManager = [&](int) { ++recordsOpened; };
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 80);
    QTest::mouseClick(Form->PanelBottom->LabelPeak, Qt::LeftButton);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 120);
    EXPECT_FALSE(Form->PanelBottom->SecondRow->isHidden());
    QTest::mouseClick(Form->PanelBottom->LabelMinValue, Qt::LeftButton);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 80);
    QTest::mouseClick(Form->PanelStatus, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(recordsOpened, 1);
    // The sample clock sits on the status line but opens nothing.
    QTest::mouseClick(Form->LabelSample, Qt::LeftButton);
    EXPECT_EQ(recordsOpened, 1);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 80);
}

TEST_F(MainWindowTest, ControlPanelFoldsToAStripAndBack)
{
    QTest::mouseClick(Form->Label2, Qt::LeftButton);
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 6);
    EXPECT_EQ(Form->Label3->palette().color(QPalette::WindowText), WindowGrey);
    QTest::mouseClick(Form->PanelRight, Qt::LeftButton, {}, QPoint(3, 300));
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 155);
    EXPECT_EQ(Form->Label3->palette().color(QPalette::WindowText), QColor(255, 255, 210));

    QAction *controlPanel = MenuItem("&Control Panel");
    ASSERT_NE(controlPanel, nullptr);
    EXPECT_EQ(controlPanel->shortcut(), QKeySequence("Ctrl+Alt+C"));
    controlPanel->trigger();
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 6);
}

TEST_F(MainWindowTest, CaptionIsSetByTheFirstShowingOnly)
{
    EXPECT_EQ(Form->windowTitle(), "  ZELTAR Logger");
    Form->show();
    EXPECT_EQ(Form->windowTitle(), " ZELTAR Logger  - version 0.8.5 ");
    Form->setWindowTitle("elsewhere");
    Form->hide();
    Form->show();
    EXPECT_EQ(Form->windowTitle(), "elsewhere");
}

TEST_F(MainWindowTest, WindowOpensInTheMiddleOfTheScreen)
{
    Form->show();
    const QPoint middle = Form->screen()->availableGeometry().center();
    EXPECT_LE((Form->frameGeometry().center() - middle).manhattanLength(), 1);
}

TEST_F(MainWindowTest, ClosingAsksOnlyWhileRecordingAndSavesTheRecording)
{
    Form->show();
    Record();
    Feed(1.0f);
    EXPECT_TRUE(Form->PanelStatus->text().startsWith("   Recording since "));
    Services.Answer(TMsgAnswer::Cancel);
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(Services.Shown[0].Buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(Services.Shown[0].Text,
              "Currently recording. Are you sure you want to stop recording and close the application?");

    Services.Answer(TMsgAnswer::Ok);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(ReadWholeFile(Form->Session.CurrentLogFile()).size(), 8);
    EXPECT_FALSE(ReadWholeFile(App.Paths().LogDir + "2026 12 06 - 08 00 00.histo").isEmpty());

    Form->show();
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(MainWindowTest, HelpDocumentsOpenWhenPresentAndAreReportedOtherwise)
{
    const QString missing = "The requirred pdf file has not been found. Please reinstall the application.";
    QFile::remove(App.Paths().ResourcesDir + "ZELTAR Logger User Manual.pdf");
    Form->English2Click();
    EXPECT_TRUE(Services.Opened.isEmpty());
    ASSERT_EQ(Services.Texts(), QStringList{missing});
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Plain);

    const QString manual = App.WriteFile("Resources/Risk ITA.pdf", "%PDF");
    Form->Italiano1Click();
    EXPECT_EQ(Services.Opened, QStringList{manual});
    EXPECT_EQ(Services.Shown.size(), 1u);

    MenuItem("Open Log directory")->trigger();
    EXPECT_EQ(Services.Opened.last(), App.Paths().LogDir);

    Services.OpenWith = [](const QString &) { return false; }; // no program for PDF documents
    Form->Italiano1Click();
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(MainWindowTest, SpeakerTogglesTheAlertsSwitch)
{
    EXPECT_FALSE(Form->AlertsOn);
    QTest::mouseClick(Form->ImageSOUND, Qt::LeftButton);
    EXPECT_TRUE(Form->AlertsOn);
    EXPECT_EQ(Form->CurrentSettings().AlertsOn, true);
}

TEST_F(MainWindowTest, PlayWithoutAMeterAsksToConnectOne)
{
    Form->PlayB->click();
    EXPECT_EQ(Services.Texts(), QStringList{"Please connect a ZELTAR device first"});
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Information);
    EXPECT_TRUE(Form->PlayB->isChecked());
    EXPECT_EQ(Form->windowTitle(), "  ZELTAR Logger");
}

TEST_F(MainWindowTest, PauseHoldsTheLinesUntilPressedAgainAndSpringsBackWhileStopped)
{
    Record();
    Form->PauseB->click();
    EXPECT_TRUE(OnHold);
    EXPECT_EQ(Form->PanelStatus->text(), "   On Hold");
    Form->PauseB->click();
    EXPECT_FALSE(OnHold);

    Form->StopB->click();
    const QString stopped = Form->PanelStatus->text();
    Form->PauseB->click();
    EXPECT_FALSE(Form->PauseB->isChecked());
    EXPECT_FALSE(OnHold);
    EXPECT_EQ(Form->PanelStatus->text(), stopped);
}

TEST_F(MainWindowTest, StopEmptiesTheViewsAndUnlocksTheSettings)
{
    Record();
    Expand();
    Feed(1.0f);
    Form->LockAcquisitionSettings();
    EXPECT_FALSE(Form->PanelRight1->isEnabled());
    EXPECT_FALSE(Form->PanelRight2->isEnabled());
    EXPECT_EQ(Form->StaticText1->palette().color(QPalette::WindowText), QColor(0x6A, 0x6F, 0x6F));

    MenuItem("&Stop")->trigger();
    EXPECT_TRUE(Form->StopB->isChecked());
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(Form->TChart->ItemCount(), 0u);
    EXPECT_EQ(Form->HChart->ItemCount(), 0u);
    EXPECT_EQ(Form->Session.LiveHistogram().Total, 0u);
    const TStatisticsPanel &panel = *Form->PanelBottom;
    for (QLabel *label : {panel.LabelPeak, panel.LabelMaxValue, panel.LabelModeValue, Form->LabelRisk,
                          panel.LabelRangedBValue, panel.LabelMinValue, panel.LabelMeanValue})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(Form->StaticText1->palette().color(QPalette::WindowText), QColor(0xD3, 0xFA, 0xFE));
    EXPECT_EQ(Form->Session.CurrentLogFile(), App.Paths().LogDir);
}

TEST_F(MainWindowTest, TimeChartZoomsOnlyOnceSamplesStopAndReadoutsFollowThePointer)
{
    Listen();
    Feed(1.0f);
    Feed(2.0f);
    Form->TChart->OnMouseDown(Form->TChart, Qt::LeftButton, {Qt::ControlModifier, Qt::LeftButton}, 10, 10);
    EXPECT_EQ(Form->TChart->MouseAction(), maNone);
    Form->StopB->click();
    Form->TChart->OnMouseDown(Form->TChart, Qt::LeftButton, {Qt::ControlModifier, Qt::LeftButton}, 10, 10);
    EXPECT_EQ(Form->TChart->MouseAction(), maPan);

    Form->TChart->OnMouseMoveInChart(Form->TChart, true, {}, 0.0, 0.5);
    EXPECT_EQ(Form->TChartEdit->text(), "0.5000");
    Form->HChart->OnMouseMoveInChart(Form->HChart, true, {}, 3.4, 1.0);
    EXPECT_EQ(Form->HChartEdit->text(), "3 = 1.9953 mW/m²");
    Form->HChart->OnMouseMoveInChart(Form->HChart, false, {}, 0.0, 0.0);
    EXPECT_TRUE(Form->HChartEdit->text().isEmpty());
}

TEST(MainWindowLocale, SeparatorsComeFromTheLocaleOrAreReportedMissing)
{
    struct TCase {
        QLocale Locale;
        std::array<QChar, 2> Separators;
        qsizetype BoxCount;
    };
    const QLocale original;
    for (const TCase &c : {TCase{QLocale(QLocale::French, QLocale::France), {u',', u'.'}, 0},
                           TCase{QLocale(QLocale::English, QLocale::UnitedKingdom), {u'.', u','}, 0},
                           TCase{QLocale(QLocale::Arabic, QLocale::Egypt), {QChar(0), QChar(0)}, 1}}) {
        ResetGlobalState();
        TempAppDir app;
        InstallResources(app.Paths());
        TFakeServices services;
        QLocale::setDefault(c.Locale);
        TForm1 form(app.Paths());
        QLocale::setDefault(original);
        EXPECT_EQ(DecSeparators, c.Separators) << c.Locale.name().toStdString();
        ASSERT_EQ(services.Texts().size(), c.BoxCount);
        if (c.BoxCount > 0) {
            EXPECT_TRUE(services.Texts()[0].startsWith("I cannot determine the local separator."));
        }
    }
    ResetGlobalState();
}

TEST_F(MainWindowTest, AStopWhoseSaveFailsStillUnlocksTheSettings)
{
    Record();
    Feed(1.0f);
    Form->LockAcquisitionSettings();
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    EXPECT_THROW(Form->StopBClick(), EInOutError);
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
}

TEST_F(MainWindowTest, RecordWithoutAMeterAsksToConnectOneAndChangesNothing)
{
    int dialogs = 0;
    TModalSeam<TForm5>::Hook = [&](TForm5 &) { ++dialogs; };
    Form->RecB->click();
    Services.Answer(TMsgAnswer::Yes);
    Form->ScheduleEnd1Click();
    TModalSeam<TForm5>::Hook = nullptr;
    EXPECT_EQ(Services.Texts(), (QStringList{"Please connect a ZELTAR device first",
                                             "Do you want to start recording and schedule the end of recording?",
                                             "Please connect a ZELTAR device first"}));
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form->RecB->isChecked());
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(QDir(App.Paths().LogDir).entryList(QDir::Files).isEmpty());
}
