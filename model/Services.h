#pragma once
// The program's doors to the world outside it: message boxes, the clock, ending the process,
// opening a file with the desktop's program, the file-save dialog, a sound and a desktop
// notification. The application installs
// the real ones once at start-up (app/QtServices.h); tests install fakes. A door left empty
// does the harmless thing: no box is shown and the safe answer is given (OK for notices,
// No / Cancel for questions), the clock is the system's, the process ends at once, nothing is
// opened, the save dialog is cancelled, and no sound or notification goes out.

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
