#include "model/Services.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

TServices &Installed()
{
    static TServices services;
    return services;
}

} // namespace

TServices InstallServices(TServices services)
{
    return std::exchange(Installed(), std::move(services));
}

TMsgAnswer ShowMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons)
{
    // A copy: the box runs events meanwhile, and a termination signal replaces the installed one.
    const auto messageBox = Installed().MessageBox;
    return messageBox ? messageBox(kind, text, buttons) : SafeAnswer(buttons);
}

TMsgAnswer SafeAnswer(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok: return TMsgAnswer::Ok;
    case TMsgButtons::OkCancel: return TMsgAnswer::Cancel;
    case TMsgButtons::YesNo: return TMsgAnswer::No;
    case TMsgButtons::YesCancel: return TMsgAnswer::Cancel;
    }
    return TMsgAnswer::Cancel;
}

void SendMessagesToStandardError()
{
    Installed().MessageBox = [](TMsgKind, const QString &text, TMsgButtons buttons) {
        std::fprintf(stderr, "ZELTAR Logger: %s\n", text.toLocal8Bit().constData());
        std::fflush(stderr);
        return SafeAnswer(buttons);
    };
}

QDateTime CurrentTime()
{
    const auto &clock = Installed().Clock;
    return clock ? clock() : QDateTime::currentDateTime();
}

void EndProcessAtOnce(int exitCode)
{
    const auto &endProcess = Installed().EndProcess;
    if (!endProcess)
        std::_Exit(exitCode);
    endProcess(exitCode);
}

bool ShellOpen(const QString &path)
{
    const auto &shellOpen = Installed().ShellOpen;
    return shellOpen && shellOpen(path);
}

QString AskSaveFileName(const TSaveFileRequest &request, QWidget *parent)
{
    const auto saveFileDialog = Installed().SaveFileDialog; // a copy, as for the boxes
    return saveFileDialog ? saveFileDialog(request, parent) : QString();
}

void PlaySound(const QString &path)
{
    const auto &playSound = Installed().PlaySound;
    if (playSound)
        playSound(path);
}

void NotifyDesktop(const QString &summary, const QString &body)
{
    const auto &notify = Installed().Notify;
    if (notify)
        notify(summary, body);
}

TProgressWindow::TProgressWindow(const TProgressRequest &request, QWidget *parent)
{
    const TServices &services = Installed();
    if (!services.BeginProgress)
        return;
    const auto begin = services.BeginProgress; // a copy, as for the boxes
    Advance = services.AdvanceProgress;
    End = services.EndProgress;
    begin(request, parent);
}

TProgressWindow::~TProgressWindow()
{
    if (End)
        End();
}

bool TProgressWindow::CancelledAt(int value)
{
    return Advance && Advance(value);
}

TBusyCursor::TBusyCursor()
{
    const TServices &services = Installed();
    if (!services.BeginBusy)
        return;
    const auto begin = services.BeginBusy;
    End = services.EndBusy;
    begin();
}

TBusyCursor::~TBusyCursor()
{
    if (End)
        End();
}
