// The meter unplugged during a run: nothing received is lost, and the run waits for it.

#include "app/MainWindow.h"
#include "app/StatusLine.h"

void TMainWindow::MeterDisconnected()
{
    Session.MeterLost();
}

void TMainWindow::MeterReconnected()
{
    StatusLine->ShowRunningStatus();
}
