#include "tools/record/Recorder.h"

#include "device/MeterConnection.h"
#include "device/PortPermission.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/Risk.h"
#include "model/Services.h"
#include "model/Units.h"
#include "publish/SessionPublisher.h"
#include "storage/DateTimeConvert.h"
#include "tools/record/DailySplit.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

// However far the next event, the clock is looked at again after this.
constexpr qint64 LongestClockWaitMs = 60000;

QString CleanFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath()) + u'/';
}

TAppPaths WithLogDir(TAppPaths paths, const QString &logDir)
{
    if (!logDir.isEmpty()) {
        paths.LogDir = CleanFolder(logDir);
        paths.ArchiveDir = paths.LogDir + "Archive/";
    }
    return paths;
}

// "High", or "2.5 V/m" for a level.
QString LimitText(const TAlertLimit &limit, std::uint8_t unit)
{
    if (!limit.Level)
        return RiskCategoryNames[static_cast<std::size_t>(limit.Category.value_or(0))];
    return QLocale::c().toString(*limit.Level, 'g', QLocale::FloatingPointShortest) + u' '
           + UnitName(unit).value_or(QString());
}

QString ReadingText(double value, std::uint8_t unit)
{
    return FormatValue(DisplayDecimals(value), value, QLocale::c()) + u' ' + UnitName(unit).value_or(QString());
}

} // namespace

TRecorder::TRecorder(const TRecorderOptions &options, const TAppPaths &paths, TStateLines::TWriter stateWriter,
                     QObject *parent)
    : QObject(parent),
      Session(WithLogDir(paths, options.LogDir).LogDir),
      Options(options),
      Paths(WithLogDir(paths, options.LogDir)),
      Lines(options.Quiet, std::move(stateWriter)),
      Host(Session, {options.Unit, options.Interval, options.Correction})
{
    TMetaData &description = Session.DescriptionToEdit();
    description.Operator.Set(options.Operator);
    description.Place.Set(options.Place);
    description.Notes.Set(options.Notes);
    EndAt = options.Until;
    ClockTimer.setSingleShot(true);
    connect(&ClockTimer, &QTimer::timeout, this, ShowingErrors(this, &TRecorder::ClockTimerTimer));
    WatchSession();
    WatchAlert();
    Host.OnMeterFound = [this] { MeterFound(); };
    Host.OnWaiting = [this](const QString &) {
        const QString hint = PortPermissionHint(DeniedComPorts(DeviceDir)).trimmed();
        Lines.Tell(hint.isEmpty() ? QStringLiteral("waiting for the meter")
                                  : QStringLiteral("waiting for the meter: ") + hint);
    };
    Host.OnNotice = [this](const QString &text) { Lines.Tell(text.trimmed()); };
}

TRecorder::~TRecorder() = default;

void TRecorder::WatchSession()
{
    connect(&Session, &TAcquisitionSession::LogFileCreated, this, [this] {
        RecordLog = Session.CurrentLogFile();
        Lines.Tell(QStringLiteral("recording to ") + QDir::toNativeSeparators(RecordLog));
    });
    connect(&Session, &TAcquisitionSession::RecordSaved, this,
            [this] { Lines.Tell(QStringLiteral("record complete: ") + QDir::toNativeSeparators(RecordLog)); });
    // The session's other texts are the window's status line; only what a record lacks is news here.
    connect(&Session, &TAcquisitionSession::StatusText, this, [this](const QString &text) {
        if (text.trimmed().startsWith(QLatin1String("The record is incomplete")))
            Lines.Tell(text.trimmed());
    });
}

void TRecorder::WatchAlert()
{
    if (!Options.Alert)
        return;
    TLiveAlert &alert = Session.Alert;
    alert.SetLimit(*Options.Alert);
    alert.SetOn(true);
    connect(&alert, &TLiveAlert::Started, this, [this, &alert] {
        Lines.Tell(QStringLiteral("alert: the readings have reached %1 (peak %2)")
                       .arg(LimitText(alert.Limit(), alert.Unit()), ReadingText(alert.Peak(), alert.Unit())));
    });
    connect(&alert, &TLiveAlert::Ended, this, [this, &alert] {
        Lines.Tell(QStringLiteral("alert over (peak %1)").arg(ReadingText(alert.Peak(), alert.Unit())));
    });
}

void TRecorder::Start(const QString &deviceDir)
{
    DeviceDir = Options.Port.isEmpty() ? deviceDir : Options.Port;
    ArmClock(CurrentTime());
    // Before the connection, which may start the first record at once: the publisher follows
    // the session from its first state on.
    if (Options.Publish) {
        Publisher = std::make_unique<TSessionPublisher>(Session, *Options.Publish);
        connect(Publisher.get(), &TSessionPublisher::StatusChanged, this,
                [this](TBrokerState, const QString &text) { Lines.Tell(text); });
        Publisher->Start();
    }
    Connection = std::make_unique<TMeterConnection>(Host, Session, Paths, DeviceDir);
    // The meter found while the connection was being made is acted on now that it exists; no
    // line can have come meanwhile.
    if (std::exchange(FoundWhileConnecting, false))
        MeterFound();
    // The connection has read the settings file by now.
    if (Publisher)
        Publisher->SetRiskChoice(Host.Population(), Host.State());
    Session.Alert.SetTarget(Host.Population(), Host.State());
    Connection->WritesSettings = false;
    Connection->OnMeterLost = [this] {
        Lines.Tell(QStringLiteral("meter lost"));
        RunShowingErrors([this] { Session.MeterLost(); });
    };
    Connection->OnMeterBack = [this] { Lines.Tell(QStringLiteral("meter back")); };
    // What a line's handling throws (a log that cannot be written) is told and the next line
    // comes, as the program's application object does for its windows.
    auto deliver = Connection->ComPort1.ReceiveCallBack;
    Connection->ComPort1.ReceiveCallBack = [deliver](const QString &line) { RunShowingErrors([&] { deliver(line); }); };
    Dumps = std::make_unique<TDumpSkip>(Connection->ComPort1);
    Dumps->OnDumpBegun = [this] { Lines.Tell(QStringLiteral("the meter is sending its memory: not recorded")); };
    Dumps->OnDumpPassed = [this](int) { Lines.Tell(QStringLiteral("recording live readings again")); };
}

void TRecorder::MeterFound()
{
    if (!Connection) {
        FoundWhileConnecting = true;
        return;
    }
    if (Ended || Session.State() == Recording)
        return;
    Lines.Tell(QStringLiteral("meter found on ") + QDir::toNativeSeparators(Connection->ComPort1.Port()));
    BeginRecord();
}

void TRecorder::BeginRecord()
{
    try {
        Session.StartRecording(Host.Choice());
    } catch (const EInOutError &error) {
        // Nobody is there to make room or fix the folder: the recorder gives up.
        ShowMessageBox(TMsgKind::Error, error.Message);
        End(ExitFileError);
        return;
    }
    const QDateTime start = FromTDateTime(Session.SessionStart());
    if (!Recorded && Options.DurationSeconds)
        EndAt = start.addMSecs(static_cast<qint64>(*Options.DurationSeconds * 1000.0));
    Recorded = true;
    if (Options.SplitDaily)
        SplitAt = NextLocalMidnight(start);
    ArmClock(start);
    // A .meta that cannot be written now is written with the next write that works.
    RunShowingErrors([this] { Session.WriteRecordMeta(); });
}

void TRecorder::ClockTimerTimer()
{
    const QDateTime now = CurrentTime();
    if (EndAt && now >= *EndAt) {
        End(Recorded ? ExitRecorded : ExitNoMeter);
        return;
    }
    if (SplitAt && now >= *SplitAt && Session.State() == Recording)
        SplitRecord(now);
    ArmClock(now);
}

void TRecorder::SplitRecord(const QDateTime &now)
{
    SplitAt = NextLocalMidnight(now);
    // The record of the day is completed and the next made at once, with the lines held by
    // the event loop meanwhile: no reading falls between the two.
    BeginRecord();
}

void TRecorder::ArmClock(const QDateTime &now)
{
    std::optional<QDateTime> next = EndAt;
    if (SplitAt && (!next || *SplitAt < *next))
        next = SplitAt;
    if (!next || Ended) {
        ClockTimer.stop();
        return;
    }
    ClockTimer.start(static_cast<int>(std::clamp(now.msecsTo(*next), qint64(0), LongestClockWaitMs)));
}

void TRecorder::End(int exitCode)
{
    if (std::exchange(Ended, true))
        return;
    ClockTimer.stop();
    try {
        Session.SaveBeforeExit();
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
        exitCode = ExitFileError;
    }
    if (Connection)
        Connection->ClosePort();
    StopPublishing();
    Lines.Tell(exitCode == ExitNoMeter ? QStringLiteral("no meter was found before the end")
                                       : QStringLiteral("recording ended"));
    emit Finished(exitCode);
}

void TRecorder::SaveBeforeExit()
{
    Ended = true;
    ClockTimer.stop();
    // The broker hears "offline" also when a file could not be written.
    try {
        Session.SaveBeforeExit();
    } catch (...) {
        StopPublishing();
        throw;
    }
    StopPublishing();
}

void TRecorder::StopPublishing()
{
    if (Publisher)
        Publisher->Stop();
}
