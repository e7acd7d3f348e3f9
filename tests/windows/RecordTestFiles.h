#pragma once
// For the record-window tests: a stand-in for the main window and a private trash.

#include "tests/support/RecordFiles.h"
#include "windows/RecordWindowsHost.h"

#include <QStringList>
#include <QTemporaryDir>

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

// HOME and XDG_DATA_HOME point at a temporary folder for the object's lifetime, so the tests'
// trash is their own.
class TTrashHome {
public:
    TTrashHome();
    ~TTrashHome();
    QStringList Trashed() const;
    // Makes every move to the trash fail ("Not a directory"): a file takes the name of the
    // trash's folder for files.
    bool Block() const;

private:
    const QByteArray SavedHome;
    const QByteArray SavedDataHome;
    QTemporaryDir Home;
};

QStringList FilesIn(const QString &folder);
