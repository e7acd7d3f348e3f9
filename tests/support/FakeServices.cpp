#include "tests/support/FakeServices.h"

#include <utility>

TFakeServices::TFakeServices(const QDateTime &now) : Now(now)
{
    Previous = InstallServices({
        .MessageBox = [this](TMsgKind kind, const QString &text, TMsgButtons buttons) {
            return ShowBox(kind, text, buttons);
        },
        .Clock = [this] {
            ++ClockReads;
            return Now;
        },
        .EndProcess = [this](int exitCode) {
            ExitCodes.push_back(exitCode);
            if (AtExit)
                AtExit(exitCode);
        },
        .ShellOpen = [this](const QString &path) {
            Opened << path;
            return !OpenWith || OpenWith(path);
        },
        .SaveFileDialog = [this](const TSaveFileRequest &request, QWidget *) {
            SaveRequests.push_back(request);
            return SaveAs;
        },
        .PlaySound = [this](const QString &path) { Sounds << path; },
        .Notify = [this](const QString &summary, const QString &body) { Notifications.emplace_back(summary, body); },
        .BeginProgress = [this](const TProgressRequest &request, QWidget *) { Progress.push_back({request, {}, false}); },
        .AdvanceProgress = [this](int value) { return AdvanceProgress(value); },
        .EndProgress = [this] { Progress.back().Ended = true; },
        .BeginBusy = [this] {
            ++BusyCursors;
            ++BusyNow;
        },
        .EndBusy = [this] { --BusyNow; },
    });
}

TFakeServices::~TFakeServices()
{
    InstallServices(std::move(Previous));
}

QStringList TFakeServices::Texts() const
{
    QStringList texts;
    for (const TShownBox &box : Shown)
        texts << box.Text;
    return texts;
}

TMsgAnswer TFakeServices::ShowBox(TMsgKind kind, const QString &text, TMsgButtons buttons)
{
    const TShownBox box{kind, text, buttons};
    Shown.push_back(box);
    if (AnswerWith)
        return AnswerWith(box);
    if (Answers.empty())
        return SafeAnswer(buttons);
    const TMsgAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

bool TFakeServices::AdvanceProgress(int value)
{
    std::vector<int> &values = Progress.back().Values;
    values.push_back(value);
    return CancelAfter && values.size() >= *CancelAfter;
}
