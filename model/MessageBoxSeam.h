#pragma once
// The one door through which every part of the program asks the user something.
// The application installs a QMessageBox implementation at start-up; tests install
// their own to answer and to record the texts. Without one, nothing is shown and the
// answer is the safe one (OK for notices, No / Cancel for questions).

#include <QString>

#include <functional>

enum class TMsgKind { Plain, Information, Warning, Error, Confirmation };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesCancel };
enum class TMsgAnswer { Ok, Yes, No, Cancel };

using TMessageBoxHandler = std::function<TMsgAnswer(TMsgKind, const QString &, TMsgButtons)>;

TMsgAnswer ShowMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons = TMsgButtons::Ok);

// Installs handler and returns the one it replaces; an empty handler restores the default.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// From now on every box is written to standard error and gets the safe answer: the program
// is on its way out and nobody may be there to answer.
void SendMessagesToStandardError();
