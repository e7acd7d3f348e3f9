#pragma once
// The alerts switch of the main window's tool bar: a speaker, sounding or silenced, 24 x 24
// on the bar's own background (the pictures are bitmaps without transparency).

#include <QImage>

enum class TAlerts { On, Off };

QImage DrawSpeaker(TAlerts alerts);
