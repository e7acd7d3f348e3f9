#pragma once
// A start or an end of an alert as it is published, retained, on "<base>/<id>/alert": what a
// consumer arriving later needs to know whether an alert is on, since when, and how high the
// readings went.

#include "model/AlertRule.h"

#include <QByteArray>
#include <QDateTime>

#include <cstdint>

struct TAlertMessage {
    bool On = false;
    QDateTime Time;
    TAlertLimit Limit;
    double Peak = 0.0; // the highest reading so far (at the start) or of the alert (at its end), in Unit
    std::uint8_t Unit = 0;
};

// {"limit":"High" or a level (a number in unit),"peak":...,"state":"on"|"off",
// "time":"<ISO 8601 with offset>","unit":"V/m"}
QByteArray AlertJson(const TAlertMessage &message);
