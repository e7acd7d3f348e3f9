#pragma once
// Plays a meter script over a terminal at the script's pace, on the event loop.

#include "tools/meter-sim/MeterScript.h"
#include "tools/meter-sim/MeterTerminal.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class TMeterSimulator : public QObject {
    Q_OBJECT

public:
    // linger: silence after the last write before Finished; negative: never finished.
    TMeterSimulator(TMeterTerminal &terminal, TMeterScript script, bool waitForReader,
                    std::chrono::milliseconds linger, QObject *parent = nullptr);

    void Start();

signals:
    void Finished();

private:
    void CheckForReader();
    void ScheduleNextStep();
    void WritePending();

    TMeterTerminal &Terminal;
    TMeterScript Script;
    bool WaitForReader;
    std::chrono::milliseconds Linger;
    QTimer Timer;
    QElapsedTimer Clock;
    std::chrono::microseconds DueTime{0}; // of the pending write, on Clock
    QByteArray Pending;
};
