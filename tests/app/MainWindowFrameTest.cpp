// The window's frame: panels that fold, the caption, the close query, help documents, and
// the controls without a meter.

#include "tests/app/AppTestSupport.h"

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
    QTest::mouseClick(Form->PanelBottom->LabelPeak, Qt::LeftButton);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 120);
    QTest::mouseClick(Form->PanelBottom->LabelMinValue, Qt::LeftButton);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 80);
    QTest::mouseClick(Form->PanelStatus, Qt::LeftButton, {}, QPoint(5, 5));
    // The sample clock sits on the status line but opens nothing.
    QTest::mouseClick(Form->LabelSample, Qt::LeftButton);
    EXPECT_EQ(recordsOpened, 1);
    EXPECT_EQ(Form->PanelBottom->maximumHeight(), 80);
}

TEST_F(MainWindowTest, ControlPanelFoldsToAStripAndBack)
{
    QTest::mouseClick(Form->Label2, Qt::LeftButton);
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 6);
    QTest::mouseClick(Form->PanelRight, Qt::LeftButton, {}, QPoint(3, 300));
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 155);
    MenuItem("&Control Panel")->trigger();
    EXPECT_EQ(Form->PanelRight->maximumWidth(), 6);
}

TEST_F(MainWindowTest, TheFirstShowingCentresTheWindowAndSetsTheCaptionOnce)
{
    EXPECT_EQ(Form->windowTitle(), "  ZELTAR Logger");
    Form->show();
    EXPECT_EQ(Form->windowTitle(), " ZELTAR Logger  - version 0.8.5 ");
    const QPoint middle = Form->screen()->availableGeometry().center();
    EXPECT_LE((Form->frameGeometry().center() - middle).manhattanLength(), 1);
    Form->setWindowTitle("elsewhere");
    Form->hide();
    Form->show();
    EXPECT_EQ(Form->windowTitle(), "elsewhere");
}

TEST_F(MainWindowTest, ClosingAsksOnlyWhileRecordingAndSavesTheRecording)
{
    Form->show();
    Record();
    Feed(1.0f);
    Services.Answer(TMsgAnswer::Cancel);
    EXPECT_FALSE(Form->close());
    EXPECT_EQ(Services.Texts(),
              QStringList{"Currently recording. Are you sure you want to stop recording and close the application?"});

    Services.Answer(TMsgAnswer::Ok);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(ReadWholeFile(Form->Session.CurrentLogFile()).size(), 8);

    Form->show();
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(MainWindowTest, HelpDocumentsOpenWhenPresentAndAreReportedOtherwise)
{
    QFile::remove(App.Paths().ResourcesDir + "ZELTAR Logger User Manual.pdf");
    Form->English2Click();
    EXPECT_TRUE(Services.Opened.isEmpty());
    EXPECT_EQ(Services.Texts(),
              QStringList{"The requirred pdf file has not been found. Please reinstall the application."});

    const QString manual = App.WriteFile("Resources/Risk ITA.pdf", "%PDF");
    Form->Italiano1Click();
    EXPECT_EQ(Services.Opened, QStringList{manual});
    MenuItem("Open Log directory")->trigger();
    EXPECT_EQ(Services.Opened.last(), App.Paths().LogDir);

    Services.OpenWith = [](const QString &) { return false; }; // no program for PDF documents
    Form->Italiano1Click();
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(MainWindowTest, SpeakerTogglesTheAlertsSwitch)
{
    QTest::mouseClick(Form->ImageSOUND, Qt::LeftButton);
    EXPECT_TRUE(Form->CurrentSettings().AlertsOn);
}

TEST_F(MainWindowTest, PlayAndRecordWithoutAMeterAskToConnectOneAndChangeNothing)
{
    int dialogs = 0;
    TModalSeam<TForm5>::Hook = [&](TForm5 &) { ++dialogs; };
    Form->PlayB->click();
    Form->RecB->click();
    Services.Answer(TMsgAnswer::Yes);
    Form->ScheduleEnd1Click();
    TModalSeam<TForm5>::Hook = nullptr;
    const QString connect = "Please connect a ZELTAR device first";
    EXPECT_EQ(Services.Texts(),
              (QStringList{connect, connect, "Do you want to start recording and schedule the end of recording?",
                           connect}));
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(QDir(App.Paths().LogDir).entryList(QDir::Files).isEmpty());
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

TEST_F(MainWindowTest, StopEmptiesTheViewsAndUnlocksTheSettingsEvenWhenTheSaveFails)
{
    Record();
    Expand();
    Feed(1.0f);
    Form->LockAcquisitionSettings();
    MenuItem("&Stop")->trigger();
    EXPECT_EQ(Form->TChart->ItemCount(), 0u);
    EXPECT_EQ(Form->HChart->ItemCount(), 0u);
    const TStatisticsPanel &panel = *Form->PanelBottom;
    for (QLabel *label : {panel.LabelPeak, panel.LabelMaxValue, panel.LabelModeValue, Form->LabelRisk,
                          panel.LabelRangedBValue, panel.LabelMinValue, panel.LabelMeanValue})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(Form->Session.CurrentLogFile(), App.Paths().LogDir);

    Record();
    Feed(1.0f);
    Form->LockAcquisitionSettings();
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    EXPECT_THROW(Form->StopBClick(), EInOutError);
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
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
