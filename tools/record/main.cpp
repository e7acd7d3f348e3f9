// zeltar-record: records the meter's readings without a window, for unattended monitoring
// (a service, a machine without a display). It writes the files the program writes, finds the
// meter as the program does, and keeps the program's rules for a meter that goes away and for
// a process that is ended. The program's settings give its defaults; it never writes them.

#include "app/TerminationSignals.h"
#include "model/AppPaths.h"
#include "model/Services.h"
#include "tools/record/Recorder.h"
#include "tools/record/RecorderOptions.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

void Say(const QString &text)
{
    std::fprintf(stderr, "zeltar-record: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Nobody answers a box here: each one is a line on standard error with the safe answer.
TServices RecorderServices()
{
    TServices services;
    services.MessageBox = [](TMsgKind, const QString &text, TMsgButtons buttons) {
        Say(text);
        return SafeAnswer(buttons);
    };
    return services;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeltar-record"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const TRecorderParse parse = ParseRecorderOptions(arguments, QDateTime::currentDateTime());
    if (parse.Help) {
        std::fputs(RecorderUsage, stdout);
        return ExitRecorded;
    }
    if (!parse.Options) {
        Say(parse.Error);
        std::fputs(RecorderUsage, stderr);
        return ExitUsage;
    }
    InstallServices(RecorderServices());
    TTerminationSignals terminationSignals;

    const TAppPaths paths = TAppPaths::ForExecutableIn(QCoreApplication::applicationDirPath());
    if (!MakeUserFolders(paths))
        return ExitFileError;
    const QString logDir = parse.Options->LogDir.isEmpty() ? paths.LogDir : parse.Options->LogDir;
    if (!QDir().mkpath(logDir)) {
        Say(QStringLiteral("cannot make the records folder '%1'").arg(logDir));
        return ExitFileError;
    }

    TRecorder recorder(*parse.Options, paths);
    // Queued: the recording may end before the event loop runs (no record can be made at the
    // start), and an exit asked for then would be lost.
    QObject::connect(
        &recorder, &TRecorder::Finished, &app, [](int exitCode) { QCoreApplication::exit(exitCode); },
        Qt::QueuedConnection);
    terminationSignals.BeforeQuit = [&recorder] { recorder.SaveBeforeExit(); };
    recorder.Start();
    return app.exec();
}
