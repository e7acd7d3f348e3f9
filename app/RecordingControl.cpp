// Listening control: Play, Pause and Stop, the icons of each state, and the settings that a
// recording locks.

#include "app/RadioGroup.h"
#include "app/UnitMain.h"
#include "app/Version.h"
#include "app/WidgetStyle.h"
#include "charts/RChart.h"
#include "device/Form2_Port.h"
#include "model/MessageBoxSeam.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace {

const QColor LockedCaptionColour(0x6A, 0x6F, 0x6F);
const QColor UnlockedCaptionColour(0xD3, 0xFA, 0xFE);

QString StateIconFile(TRecordingState state)
{
    switch (state) {
    case Listening: return QStringLiteral("Zeltar_Listen.ico");
    case Recording: return QStringLiteral("Zeltar_Rec.ico");
    case Importing: return QStringLiteral("Zeltar_import.ico");
    case Stopped: break;
    }
    return QStringLiteral("Zeltar.ico");
}

} // namespace

void TForm1::PlayBClick()
{
    if (!PortIsOpen())
        ConnectDevice(true);
    if (!PortIsOpen()) {
        ShowMessageBox(TMsgKind::Information, QStringLiteral("Please connect a ZELTAR device first"));
        return;
    }
    setWindowTitle(VersionCaption);
    UnlockAcquisitionSettings();
    SetStateIcons(Listening);
    ProgressBar->hide();
    ApplySettings(Listening);
}

void TForm1::PauseBClick()
{
    if (PauseB->isChecked() && StopB->isChecked()) {
        // Nothing arrives while stopped, so there is nothing to hold.
        PauseB->setChecked(false);
    } else if (PauseB->isChecked()) {
        OnHold = true;
        PanelStatus->setText(QStringLiteral("   On Hold"));
    } else {
        OnHold = false;
        PanelStatus->clear();
    }
}

void TForm1::StopBClick()
{
    if (ConnectionForm)
        ConnectionForm->ComPort1.Close();
    UnlockAcquisitionSettings();
    for (TRChart *chart : {TChart, HChart}) {
        chart->ClearItems();
        chart->Redraw();
    }
    LiveHistogram.Clear();
    ClearStatistics();
    RecordingState = Stopped;
    SetStateIcons(Stopped);
    CurrentLogFile = Paths.LogDir;
}

void TForm1::SetStateIcons(TRecordingState state)
{
    const QIcon icon(Paths.ResourcesDir + StateIconFile(state));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void TForm1::LockAcquisitionSettings()
{
    PanelRight1->setEnabled(false);
    PanelRight2->setEnabled(false);
    SetAcquisitionCaptionColour(LockedCaptionColour);
}

void TForm1::UnlockAcquisitionSettings()
{
    PanelRight1->setEnabled(true);
    PanelRight2->setEnabled(true);
    SetAcquisitionCaptionColour(UnlockedCaptionColour);
}

void TForm1::SetAcquisitionCaptionColour(const QColor &colour)
{
    for (QWidget *caption : {static_cast<QWidget *>(StaticText1), static_cast<QWidget *>(StaticText2),
                             static_cast<QWidget *>(StaticText5), static_cast<QWidget *>(IrrUnitGB)})
        SetTextColour(caption, colour);
}

void TForm1::ClearStatistics()
{
    for (QLabel *label :
         {LabelPeak, LabelMaxValue, LabelModeValue, LabelRisk, LabelRangedBValue, LabelMinValue, LabelMeanValue})
        label->clear();
}
