#pragma once
// For the record-window tests: a stand-in for the main window; the records and the trash
// they write to come from tests/support.

#include "tests/support/RecordFiles.h"
#include "tests/support/TrashHome.h"
#include "windows/RecordWindowsHost.h"

#include <QString>

#include <functional>
#include <vector>

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
    int RiskPopulationIndex() const override { return Population; }
    int RiskStateIndex() const override { return State; }

    QString CurrentLog;
    bool Recording = false;
    std::vector<bool> Holds;
    std::function<void(bool)> OnHold;
    int Population = 0;
    int State = 0;
};
