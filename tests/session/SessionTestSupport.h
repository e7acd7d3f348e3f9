#pragma once
// A session in a temporary application folder, with fake services (the clock the test sets,
// the message boxes recorded), the holds of the meter's lines counted and the status texts it
// reports collected.

#include "model/Units.h"
#include "session/AcquisitionSession.h"
#include "storage/LogFile.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <QStringList>

#include <gtest/gtest.h>

// Plays the meter's connection: how many holds of its lines are open.
struct TCountedLineHold : ILineHold {
    void HoldLines() override { ++Holds; }
    void ReleaseLines() override { --Holds; }
    int Holds = 0;
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest()
    {
        Session.SetLineHold(&Lines);
        QObject::connect(&Session, &TAcquisitionSession::StatusText, [this](const QString &text) { Status << text; });
    }

    void Feed(float value, int frequency = 0) { Session.ProcessSample(frequency, value); }
    // A recording at 0.5 s in mW/m2 without correction, its log named by Now.
    void Record() { Session.StartRecording({UnitMWm2, 0.5, 0, 60}); }
    QString LogDir() const { return App.Paths().LogDir; }
    qsizetype LogSize() const { return ReadWholeFile(Session.CurrentLogFile()).size(); }

    TempAppDir App;
    TFakeServices Services;
    TCountedLineHold Lines;
    TAcquisitionSession Session{App.Paths().LogDir};
    QStringList Status;
};
