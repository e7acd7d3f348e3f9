#pragma once
// The pending end of a recording: when it falls, how often the clock is looked at, and
// what the main window's top bar says about it. Pending is InterruptREC's running state;
// the main window connects the timer's timeout to its InterruptRECTimer handler.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimer>

// 1000 ms for the intervals below 1.1 s ("0.5 sec", "1 sec"), else 10000 ms.
int InterruptPeriodMs(double intervalSeconds);

class TScheduledEnd {
public:
    bool IsPending() const { return InterruptREC.isActive(); }
    const QDateTime &EndTime() const { return End; }

    // end becomes the pending end, replacing any other; InterruptREC (re)starts with the
    // period for the live interval.
    void Schedule(const QDateTime &end, double intervalSeconds);
    // Nothing pending any more. Called when the end is reached, and whenever the recording
    // ends otherwise, so that a stale end never stops a later recording.
    void Cancel();
    // A pending end whose time the clock (CurrentTime) has reached.
    bool EndReached() const;

    // "Recording end scheduled on " + the end in the locale's short date and long time.
    QString LabelText(const QLocale &locale = QLocale::system()) const;

    QTimer InterruptREC;

private:
    QDateTime End;
};
