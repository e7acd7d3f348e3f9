#pragma once
// Installs fakes of the program's services for its lifetime and puts the previous ones back
// afterwards: every box is recorded and answered, the clock stands at Now, an end of the
// process is recorded and returns, the desktop and the save dialog are asked nothing, and
// sounds, notifications, progress windows and wait cursors are recorded.

#include "model/Services.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct TShownBox {
    TMsgKind Kind;
    QString Text;
    TMsgButtons Buttons;
};

struct TShownProgress {
    TProgressRequest Request;
    std::vector<int> Values; // each value it was advanced to, in order
    bool Ended = false;
};

class TFakeServices {
public:
    // now: where the clock stands until the test moves it.
    explicit TFakeServices(const QDateTime &now = QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)));
    ~TFakeServices();
    TFakeServices(const TFakeServices &) = delete;
    TFakeServices &operator=(const TFakeServices &) = delete;

    void Answer(TMsgAnswer answer) { Answers.push_back(answer); }
    QStringList Texts() const;

    // Message boxes: answered by AnswerWith when set, else from Answers, else safely.
    std::vector<TShownBox> Shown;
    std::deque<TMsgAnswer> Answers;
    std::function<TMsgAnswer(const TShownBox &)> AnswerWith;

    QDateTime Now;
    int ClockReads = 0;

    // Ends of the process; AtExit runs at each, when set.
    std::vector<int> ExitCodes;
    std::function<void(int exitCode)> AtExit;

    // Paths handed to the desktop: opened unless OpenWith, when set, answers otherwise.
    QStringList Opened;
    std::function<bool(const QString &path)> OpenWith;

    // Save dialogs: answered with SaveAs (empty: Cancel).
    std::vector<TSaveFileRequest> SaveRequests;
    QString SaveAs;

    // Sounds played (their files) and desktop notifications (summary, body).
    QStringList Sounds;
    std::vector<std::pair<QString, QString>> Notifications;

    // Progress windows, one per task; the user cancels once a window has been advanced
    // CancelAfter times, when set.
    std::vector<TShownProgress> Progress;
    std::optional<std::size_t> CancelAfter;

    // Wait cursors: how many were set, and how many of them are up now.
    int BusyCursors = 0;
    int BusyNow = 0;

private:
    TMsgAnswer ShowBox(TMsgKind kind, const QString &text, TMsgButtons buttons);
    bool AdvanceProgress(int value);

    TServices Previous;
};
