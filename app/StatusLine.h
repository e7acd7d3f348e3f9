#pragma once
// The main window's status line: what the session says, the running status of a listening or
// recording run after each sample, notices that the running status leaves standing for a
// while, and the sample clock at its right end. It connects itself to the session.

#include "windows/ElidedLabel.h"

#include <QTimer>

#include <functional>

class QLabel;
class TAcquisitionSession;

class TStatusLine : public TElidedLabel {
public:
    explicit TStatusLine(const TAcquisitionSession &session, QWidget *parent = nullptr);

    void ShowStatus(const QString &text);
    // A notice that the running status does not replace at once.
    void ShowNotice(const QString &text);
    // "   Playing since ..." or "   Recording since ..." with the time of the last maximum.
    void ShowRunningStatus();

    // The clock and the number of the last sample.
    QLabel *SampleClock = nullptr;
    // While it runs, a notice stays on the status line instead of the running status.
    QTimer NoticeTimer;
    // Shows an alert in progress instead of the running status: true when it did.
    std::function<bool()> ShowsAlert;

private:
    void ShowSampleClock(const QDateTime &at);

    const TAcquisitionSession &Session;
};
