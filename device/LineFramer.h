#pragma once
// Cuts received bytes into lines that end in a terminator (kept at the line's end) and holds
// them until they are taken. A device that never sends the terminator cannot make it grow
// without bound: once MaxUnterminated bytes are held without one, they become a line.

#include <QByteArray>

#include <deque>

class TLineFramer {
public:
    static constexpr qsizetype MaxUnterminated = 4096;

    // Re-cuts everything held with the new terminator; an empty one never ends a line.
    void SetTerminator(const QByteArray &terminator);
    void Append(const QByteArray &bytes);

    bool HasLine() const { return !Lines.empty(); }
    QByteArray TakeLine();
    // Everything held, lines and unterminated rest, in order of arrival.
    QByteArray TakeAll();
    bool IsEmpty() const { return Lines.empty() && Rest.isEmpty(); }

private:
    void CutLines(qsizetype searchFrom);

    QByteArray Terminator = QByteArrayLiteral("\r\n");
    std::deque<QByteArray> Lines;
    QByteArray Rest;
};
