#pragma once
// The textual form of a line terminator: each character as "#" and its decimal code,
// e.g. "#13#10" for CR LF.

#include <QByteArray>
#include <QString>

// What writing a textual form leaves as the terminator, and the error text to raise (empty
// when the text was good). A malformed code leaves CR LF; a text without codes leaves nothing.
struct TTerminatorParse {
    QByteArray Terminator;
    QString ErrorText;
};

TTerminatorParse ParseTerminator(const QString &text);

QString FormatTerminator(const QByteArray &terminator);
