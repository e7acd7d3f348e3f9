// The meter unplugged during a run: nothing received is lost, and the run waits for it.

#include "app/UnitMain.h"

#include <QLabel>

void TForm1::MeterDisconnected()
{
    if (RecordingState == Recording) {
        PanelStatus->setText(QStringLiteral(
            "   The ZELTAR device has been disconnected: the recording waits for it to be connected again"));
        AppendWriteBuffer();
    } else {
        PanelStatus->setText(
            QStringLiteral("   The ZELTAR device has been disconnected: waiting for it to be connected again"));
    }
}

void TForm1::MeterReconnected()
{
    ShowRunningStatus();
}
