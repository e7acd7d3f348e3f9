// The meter unplugged during a run: nothing received is lost, and the run waits for it.

#include "app/MainWindow.h"

void TMainWindow::MeterDisconnected()
{
    Session.MeterLost();
}

void TMainWindow::MeterReconnected()
{
    ShowRunningStatus();
}
