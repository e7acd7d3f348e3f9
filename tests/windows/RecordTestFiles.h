#pragma once
// Records on disk for the record-window tests, a stand-in for the main window, and a private
// trash.

#include "model/SampleRecord.h"
#include "model/UnitHistogram_COMMON.h"
#include "storage/MetaData.h"
#include "windows/RecordWindowsHost.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

TSampleRecord Sample(float value, std::uint16_t frequency = 0);

// folder + baseName + ".zlog" holding samples; returns its path.
QString WriteLog(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples);

TMetaData MakeMeta(std::uint8_t unit, double interval, const QDateTime &start, const QString &operatorName = {},
                   const QString &place = {}, const QString &notes = {}, std::int8_t correction = 0);
void WriteMeta(const QString &logPath, TMetaData meta);

// The level histogram of the samples, written beside the log.
void WriteHisto(const QString &logPath, std::uint8_t unit, const std::vector<TSampleRecord> &samples);

// A whole record: log, .meta and (unless told otherwise) .histo.
QString WriteRecord(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples,
                    const TMetaData &meta, bool withHisto = true);

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
