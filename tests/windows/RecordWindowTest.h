#pragma once
// For the record-window tests: a stand-in for the main window, and a fixture with the risk
// palette, a temporary application folder, its own trash and the fake services.

#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"
#include "tests/support/TrashHome.h"
#include "windows/RecordWindowsHost.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

class TFakeHost : public IRecordWindowsHost {
public:
    QString CurrentLogFile() const override { return CurrentLog; }
    bool IsRecording() const override { return Recording; }
    void HoldLineDelivery(bool hold) override
    {
        Holds.push_back(hold);
        if (OnHold)
            OnHold(hold);
    }
    TPopulation RiskPopulation() const override { return TPopulation::General; }
    TTargetState RiskState() const override { return TTargetState::Wake; }

    QString CurrentLog;
    bool Recording = false;
    std::vector<bool> Holds;
    std::function<void(bool)> OnHold;
};

class RecordWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadRiskPalette(BuiltProgramPath("Resources/"))); }

    TTrashHome Trash;
    TempAppDir App;
    TFakeServices Services;
    TFakeHost Host;
};
