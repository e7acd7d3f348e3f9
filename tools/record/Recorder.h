#pragma once
// zeltar-record's work: the acquisition session and the meter's connection as the program has
// them, without a window. The first record starts when the meter is found; an unplugged meter
// is waited for on its port and the record goes on; with the daily split a record is
// completed at each local midnight and the next begins with the next reading; at the end the
// record is completed and Finished tells the exit code. With a broker, every reading is also
// published. With an alert, its starts and ends are told too. Every change of state is told on
// the state lines.

#include "model/AppPaths.h"
#include "session/AcquisitionSession.h"
#include "tools/record/DumpSkip.h"
#include "tools/record/RecorderHost.h"
#include "tools/record/RecorderOptions.h"
#include "tools/record/StateLines.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class TMeterConnection;
class TSessionPublisher;

class TRecorder : public QObject {
    Q_OBJECT

public:
    // paths: the program's folders; options.LogDir, when given, replaces its records folder.
    TRecorder(const TRecorderOptions &options, const TAppPaths &paths, TStateLines::TWriter stateWriter = {},
              QObject *parent = nullptr);
    ~TRecorder() override;
    TRecorder(const TRecorder &) = delete;
    TRecorder &operator=(const TRecorder &) = delete;

    // Looks for the meter: on options.Port, else the highest port of deviceDir.
    void Start(const QString &deviceDir = QStringLiteral("/dev"));
    // The process is ending (a termination signal): the record is completed; what could not be
    // written is thrown.
    void SaveBeforeExit();
    // The clock's check: the end or the midnight that has come is acted on. Its timer runs it
    // when the next of them is due, and at least once a minute, so that a clock set anew or a
    // machine woken from sleep are caught up with.
    void ClockTimerTimer();

    TAcquisitionSession Session;
    // With --mqtt: every reading also goes to the broker.
    std::unique_ptr<TSessionPublisher> Publisher;
    std::unique_ptr<TMeterConnection> Connection;
    QTimer ClockTimer;

signals:
    // The recording is over (its end has come, or it cannot go on): the process may end.
    void Finished(int exitCode);

private:
    void WatchSession();
    void WatchAlert();
    void MeterFound();
    void BeginRecord();
    void SplitRecord(const QDateTime &now);
    void End(int exitCode);
    void StopPublishing();
    void ArmClock(const QDateTime &now);

    const TRecorderOptions Options;
    const TAppPaths Paths;
    TStateLines Lines;
    TRecorderHost Host;
    std::unique_ptr<TDumpSkip> Dumps;
    QString DeviceDir;
    QString RecordLog; // the log of the record in progress or last completed
    std::optional<QDateTime> EndAt;
    std::optional<QDateTime> SplitAt;
    bool FoundWhileConnecting = false;
    bool Recorded = false;
    bool Ended = false;
};
