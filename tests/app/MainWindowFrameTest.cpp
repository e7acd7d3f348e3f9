// The window's frame: panels that fold, the caption, the close query, the controls without a
// meter, pause and stop.

#include "tests/app/AppTestSupport.h"

#include "charts/ChartWidget.h"
#include "model/InOutError.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ModalSeam.h"
#include "model/Risk.h"
#include "windows/ChoiceGroup.h"
#include "windows/ElidedLabel.h"
#include "windows/StatisticsPanel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolButton>

TEST_F(MainWindowTest, PanelsFoldOnTheirCaptionsAndOnlyTheStatusLineOpensTheRecords)
{
    int recordsOpened = 0;
    Form->OpenFileManager = [&](TFileManagerMode) { ++recordsOpened; };
    QTest::mouseClick(Form->Charts->Statistics->LabelPeak, Qt::LeftButton);
    EXPECT_EQ(Form->Charts->Statistics->maximumHeight(), 120);
    QTest::mouseClick(Form->StatusLine, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(Form->StatusLine->SampleClock, Qt::LeftButton); // the sample clock on the status line
    EXPECT_EQ(recordsOpened, 1);

    // Folded, the control bar is a strip that shows none of its controls; unfolded, it shows
    // them all again.
    const TAcquisitionSettingsPanel &bar = *Form->SettingsPanel;
    const int unfolded = bar.maximumWidth();
    EXPECT_GE(unfolded, bar.IrrUnitGB->geometry().right());
    QTest::mouseClick(Form->SettingsPanel->InputTitle, Qt::LeftButton);
    EXPECT_LT(bar.maximumWidth(), bar.IrrUnitGB->x());
    QTest::mouseClick(Form->SettingsPanel, Qt::LeftButton, {}, QPoint(3, 300));
    EXPECT_EQ(bar.maximumWidth(), unfolded);
}

// At the default size and at the narrowest the window allows, folded and unfolded: every risk
// category shows whole beside its caption, and a long status text ends before the sample clock.
TEST_F(MainWindowTest, RiskAndStatusTextsFitWithoutOverlapping)
{
    Form->show();
    const QString status = "   Recording since 12/6/26 8:00:00 AM; Last max on 12/6/26 8:00:00 AM; and more words to "
                           "make the status line much longer than the space the window leaves for it";
    Form->StatusLine->setText(status);
    Form->StatusLine->SampleClock->setText("12/6/26 8:00:00 AM; Samples: 1234567");
    for (const QSize size : {QSize(975, 676), Form->minimumSize()}) {
        for (int fold = 0; fold < 2; ++fold) {
            Form->resize(size);
            QTest::mouseClick(Form->Charts->Statistics->LabelPeak, Qt::LeftButton);
            QCoreApplication::processEvents();
            for (const QString &name : RiskCategoryNames) {
                Form->Charts->RiskCategory->setText(name);
                QCoreApplication::processEvents();
                const QRect risk =
                    Form->Charts->RiskCategory->contentsRect().translated(Form->Charts->RiskCategory->pos());
                EXPECT_GE(risk.width(), Form->Charts->RiskCategory->fontMetrics().horizontalAdvance(name))
                    << name.toStdString();
                EXPECT_LE(Form->Charts->RiskCategory->geometry().right(), Form->Charts->RiskCaption->geometry().left());
            }
            const QString shown = Form->StatusLine->ShownText();
            EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && shown.startsWith("   Recording since"));
            EXPECT_LT(Form->StatusLine->contentsRect().left() + Form->StatusLine->fontMetrics().horizontalAdvance(shown),
                      Form->StatusLine->SampleClock->x());
        }
    }
    Form->StatusLine->setText("   Data has been saved");
    EXPECT_EQ(Form->StatusLine->ShownText(), "   Data has been saved");
}

TEST_F(MainWindowTest, TheFirstShowingCentresTheWindowAndSetsTheCaptionOnce)
{
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

TEST_F(MainWindowTest, PlayAndRecordWithoutAMeterAskToConnectOneAndChangeNothing)
{
    TModalSeam<TMetaDataDialog>::Hook = [](TMetaDataDialog &) { ADD_FAILURE() << "the metadata dialog was shown"; };
    Form->Bar->PlayB->click();
    Form->Bar->RecB->click();
    TModalSeam<TMetaDataDialog>::Hook = nullptr;
    EXPECT_EQ(Services.Texts(), QStringList(2, "Please connect a ZELTAR device first"));
    EXPECT_EQ(Form->Session.State(), Listening);
    EXPECT_TRUE(QDir(App.Paths().LogDir).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowTest, PauseHoldsTheLinesUntilPressedAgainAndSpringsBackWhileStopped)
{
    Record();
    Form->Bar->PauseB->click();
    EXPECT_TRUE(Form->Session.IsOnHold());
    EXPECT_EQ(Form->StatusLine->text(), "   On Hold");
    Form->Bar->PauseB->click();
    EXPECT_FALSE(Form->Session.IsOnHold());
    Form->Bar->StopB->click();
    Form->Bar->PauseB->click();
    EXPECT_FALSE(Form->Bar->PauseB->isChecked());
    EXPECT_FALSE(Form->Session.IsOnHold());
}

TEST_F(MainWindowTest, StopEmptiesTheViewsLetsTheChartZoomAndUnlocksTheSettingsEvenWhenTheSaveFails)
{
    const auto ctrlPress = [this] {
        Form->Charts->TChart->OnMouseDown(Form->Charts->TChart, Qt::LeftButton, {Qt::ControlModifier, Qt::LeftButton}, 10, 10);
        return Form->Charts->TChart->MouseAction();
    };
    Record();
    Form->Charts->Statistics->SetExpanded(true);
    Feed(1.0f);
    Form->SettingsPanel->LockAcquisitionSettings();
    EXPECT_EQ(ctrlPress(), maNone); // no zooming while samples come
    MenuItem("&Stop")->trigger();
    EXPECT_EQ(ctrlPress(), maPan);
    EXPECT_EQ(Form->Charts->TChart->ItemCount(), 0u);
    EXPECT_EQ(Form->Charts->HChart->ItemCount(), 0u);
    EXPECT_TRUE(Form->Charts->Statistics->LabelMaxValue->text().isEmpty());
    EXPECT_TRUE(Form->Charts->RiskCategory->text().isEmpty());
    EXPECT_TRUE(Form->SettingsPanel->InputSection->isEnabled());

    Record();
    Feed(1.0f);
    Form->SettingsPanel->LockAcquisitionSettings();
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    EXPECT_THROW(Form->Control->StopBClick(), EInOutError);
    EXPECT_TRUE(Form->SettingsPanel->InputSection->isEnabled());
}

// The documents come from the resources; one that is missing, or that nothing can open, is
// told in a plain box.
TEST_F(MainWindowTest, TheHelpMenuOpensTheDocumentsOrSaysTheyAreMissing)
{
    const QString risk = App.WriteFile("Resources/Risk ITA.pdf", "%PDF");
    QFile::remove(App.Paths().ResourcesDir + "ZELTAR Logger Manuel Utilisateur.pdf");
    MenuItem("Italiano")->trigger();
    MenuItem("&Français")->trigger();
    Services.OpenWith = [](const QString &) { return false; };
    MenuItem("Italiano")->trigger();
    Services.OpenWith = nullptr;
    MenuItem("Open Log directory")->trigger();
    EXPECT_EQ(Services.Opened, (QStringList{risk, risk, App.Paths().LogDir}));
    EXPECT_EQ(Services.Texts(),
              QStringList(2, "The requirred pdf file has not been found. Please reinstall the application."));
    EXPECT_EQ(Services.Shown.back().Kind, TMsgKind::Plain);
}
