#pragma once
// One sample as it is published: what the live display shows of it, with its own time, so
// that a reading sent late (after the broker was away) still says when it was taken.

#include "model/Risk.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

struct TPublishedReading {
    QDateTime Time;
    float Value = 0.0f; // corrected reading in Unit
    std::uint8_t Unit = 0;
    double LevelDb = 0.0;
    std::uint16_t PeakFrequencyMHz = 0; // 0: the meter reported none
    QString RiskCategory;               // for the chosen population and state
    QString RecordName;                 // empty when not recording
    std::optional<bool> Alert;          // the alert state, where alerts are evaluated
};

// The reading of a sample: level and risk category computed as the live display does.
TPublishedReading MakePublishedReading(const QDateTime &time, std::uint8_t unit, float value,
                                       std::uint16_t peakFrequencyMHz, TPopulation population, TTargetState state,
                                       const QString &recordName = {});

// "2026-12-07T10:49:20.500+01:00": local time with milliseconds and the UTC offset.
QByteArray IsoTimeWithOffset(const QDateTime &time);

// The float's shortest decimal text read as a double: 0.1f is published as 0.1, not as the
// 0.100000001490116 its exact value would print. 0 for what is no number.
double PublishedNumber(float value);

// One compact JSON object: time, value, unit, level_db, frequency_mhz (absent for none), risk,
// record (absent when not recording), alert (absent where not evaluated).
QByteArray ReadingJson(const TPublishedReading &reading);
