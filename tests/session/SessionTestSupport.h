#pragma once
// A session in a temporary application folder, on a clock the test sets, with the message
// boxes recorded and the status texts it reports collected.

#include "model/Units.h"
#include "session/AcquisitionSession.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TempAppDir.h"

#include <QStringList>

#include <gtest/gtest.h>

class SessionTest : public ::testing::Test {
protected:
    SessionTest();
    ~SessionTest() override;

    // One measurement as the connection form hands it over.
    void Feed(float value, int frequency = 0);
    // A recording at 0.5 s in mW/m2 without correction, its log named by Now.
    void Record();
    QString LogDir() const { return App.Paths().LogDir; }
    qsizetype LogSize() const;
    // Line index (from 0) of the recording's .histo file.
    QString HistoLine(int index) const;

    TempAppDir App;
    MessageBoxRecorder Boxes;
    QDateTime Now{QDate(2025, 1, 7), QTime(9, 5, 3)};
    int ClockReads = 0;
    TAcquisitionSession Session{App.Paths().LogDir, [this] {
                                    ++ClockReads;
                                    return Now;
                                }};
    QStringList Status;
    static constexpr TAcquisitionChoice HalfSecond{UnitMWm2, 0.5, 0, 60};
};
