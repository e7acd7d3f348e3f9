// The meter unplugged during a run: nothing received is lost, and the run waits for it.

#include "app/UnitMain.h"

void TForm1::MeterDisconnected()
{
    Session.MeterLost();
}

void TForm1::MeterReconnected()
{
    ShowRunningStatus();
}
