#pragma once
// The alerts switch of the main window's tool bar: a speaker, sounding, silenced or sounding an
// alert, 24 x 24 on the bar's own background (the pictures are bitmaps without transparency).

#include <QImage>

enum class TAlerts { On, Off, Alerting };

QImage DrawSpeaker(TAlerts alerts);
