#pragma once
// The program's doors to the world outside it: message boxes, the clock, ending the process,
// opening a file with the desktop's program, the file-save dialog, a sound, a desktop
// notification, the progress window of a long task and the wait cursor. The application
// installs the real ones once at start-up (app/QtServices.h); tests install fakes. A door left
// empty does the harmless thing: no box is shown and the safe answer is given (OK for notices,
// No / Cancel for questions), the clock is the system's, the process ends at once, nothing is
// opened, the save dialog is cancelled, no sound or notification goes out, no progress window
// comes up (and nobody cancels) and the cursor stays as it is.

#include <QDateTime>
#include <QString>

#include <functional>

class QWidget;

enum class TMsgKind { Plain, Information, Warning, Error, Confirmation };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesCancel };
enum class TMsgAnswer { Ok, Yes, No, Cancel };

struct TSaveFileRequest {
    QString Title;
    QString Filter;        // as QFileDialog takes it: "Text (*.ext)", several joined by ";;"
    QString DefaultSuffix; // added to a name typed without one
    QString Folder;
    QString ProposedFile;  // full path
};

// A long task's window: Text above a bar from 0 to Maximum and a button CancelText. It comes
// up only once the task has lasted DelayMs, so that a short one shows nothing.
struct TProgressRequest {
    QString Title;
    QString Text;
    QString CancelText;
    int Maximum = 100;
    int DelayMs = 0;
};

struct TServices {
    std::function<TMsgAnswer(TMsgKind, const QString &text, TMsgButtons)> MessageBox;
    std::function<QDateTime()> Clock;
    std::function<void(int exitCode)> EndProcess;
    // false when no program could be asked to open the path.
    std::function<bool(const QString &path)> ShellOpen;
    // The chosen full path, or an empty text for Cancel; parent is only handed on to the dialog.
    std::function<QString(const TSaveFileRequest &, QWidget *parent)> SaveFileDialog;
    // Plays a short sound file; nothing without a sound device.
    std::function<void(const QString &path)> PlaySound;
    // A notification on the desktop; nothing where the desktop has no notification service.
    std::function<void(const QString &summary, const QString &body)> Notify;
    // One progress window at a time: begun, advanced (true once the user has cancelled) and
    // ended; parent is only handed on to the window.
    std::function<void(const TProgressRequest &, QWidget *parent)> BeginProgress;
    std::function<bool(int value)> AdvanceProgress;
    std::function<void()> EndProgress;
    // The wait cursor over the whole program, set and restored in pairs.
    std::function<void()> BeginBusy;
    std::function<void()> EndBusy;
};

// Installs services for the whole program and returns the set they replace.
TServices InstallServices(TServices services);

TMsgAnswer ShowMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons = TMsgButtons::Ok);
// The answer of a box that nobody answers: OK for a notice, No or Cancel for a question.
TMsgAnswer SafeAnswer(TMsgButtons buttons);
// From now on every box is written to standard error and gets the safe answer: the program
// is on its way out and nobody may be there to answer.
void SendMessagesToStandardError();

QDateTime CurrentTime();

// Ending the process at once (a device that is not the meter, or the shutdown after a
// scheduled end). Callers save what must survive first, and return normally after asking:
// a test's fake sees the end without dying.
void EndProcessAtOnce(int exitCode);

// Opening a document or a folder with the user's default program; false when nothing could.
bool ShellOpen(const QString &path);

// The chosen full path, or an empty text when the dialog was cancelled.
QString AskSaveFileName(const TSaveFileRequest &request, QWidget *parent);

// Never a box: a sound or a notification that cannot go out is simply missed.
void PlaySound(const QString &path);
void NotifyDesktop(const QString &summary, const QString &body);

// The progress window of a long task for as long as the object lives; it ends on the door it
// began on, even when the services are replaced meanwhile.
class TProgressWindow {
public:
    TProgressWindow(const TProgressRequest &request, QWidget *parent);
    ~TProgressWindow();
    TProgressWindow(const TProgressWindow &) = delete;
    TProgressWindow &operator=(const TProgressWindow &) = delete;

    // Moves the bar to value and says whether the user has cancelled.
    bool CancelledAt(int value);

private:
    std::function<bool(int value)> Advance;
    std::function<void()> End;
};

// The wait cursor for as long as the object lives.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;

private:
    std::function<void()> End;
};
