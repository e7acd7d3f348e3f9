#include "MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    Previous = SetMessageBoxHandler([this](TMsgKind kind, const QString &text, TMsgButtons buttons) {
        Shown.push_back({kind, text, buttons});
        if (!Answers.empty()) {
            const TMsgAnswer answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case TMsgButtons::Ok: return TMsgAnswer::Ok;
        case TMsgButtons::OkCancel: return TMsgAnswer::Cancel;
        case TMsgButtons::YesNo: return TMsgAnswer::No;
        case TMsgButtons::YesCancel: return TMsgAnswer::Cancel;
        }
        return TMsgAnswer::Cancel;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(Previous);
}

QStringList MessageBoxRecorder::Texts() const
{
    QStringList texts;
    for (const TShownBox &box : Shown)
        texts << box.Text;
    return texts;
}
