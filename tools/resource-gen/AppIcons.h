#pragma once
// The application's icons, one per acquisition state: a field meter's dial on a dark tile,
// with a badge that tells the state apart at a glance in the task bar.

#include <QImage>
#include <QList>

enum class TIconState { Plain, Listen, Record, Import };

// The sizes an icon file carries, smallest first.
QList<int> AppIconSizes();

QImage DrawAppIcon(TIconState state, int size);
