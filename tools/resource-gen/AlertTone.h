#pragma once
// The alert's tone: two short rising beeps, a 16-bit mono PCM WAV file that any sound device
// plays.

#include <QByteArray>

QByteArray MakeAlertTone();
