#pragma once
// Installs itself as the message-box handler for its lifetime: records every box
// shown and answers from a queue of prepared answers (the safe answer when empty).

#include "model/MessageBoxSeam.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

struct TShownBox {
    TMsgKind Kind;
    QString Text;
    TMsgButtons Buttons;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    void Answer(TMsgAnswer answer) { Answers.push_back(answer); }
    QStringList Texts() const;

    std::vector<TShownBox> Shown;
    std::deque<TMsgAnswer> Answers;

private:
    TMessageBoxHandler Previous;
};
