#pragma once
// Cuts received bytes into lines that end in a terminator (kept at the line's end) and holds
// them until they are taken. A device that never sends the terminator cannot make it grow
// without bound: once MaxUnterminated bytes are held without one, they become a line. Nor can
// a device that sends lines faster than they are taken (while a message box holds their
// delivery): beyond MaxHeldLineBytes new lines are dropped and counted.

#include <QByteArray>

#include <cstdint>
#include <deque>

class TLineFramer {
public:
    static constexpr qsizetype MaxUnterminated = 4096;
    // More than half an hour of the meter at its fastest; what is held is delivered at once
    // when the hold ends, so it must stay small enough to be drawn in a moment.
    static constexpr qsizetype MaxHeldLineBytes = qsizetype{64} << 10;

    // Re-cuts everything held with the new terminator; an empty one never ends a line.
    void SetTerminator(const QByteArray &terminator);
    void Append(const QByteArray &bytes);

    bool HasLine() const { return !Lines.empty(); }
    QByteArray TakeLine();
    // Everything held, lines and unterminated rest, in order of arrival.
    QByteArray TakeAll();
    bool IsEmpty() const { return Lines.empty() && Rest.isEmpty(); }
    qsizetype HeldLineBytes() const { return HeldBytes; }
    // The complete lines held are dropped (counted); an unterminated rest stays.
    void DropLines();
    // Lines dropped since the last call.
    std::uint64_t TakeDroppedCount();

private:
    void CutLines(qsizetype searchFrom);
    void Hold(QByteArray line);

    QByteArray Terminator = QByteArrayLiteral("\r\n");
    std::deque<QByteArray> Lines;
    qsizetype HeldBytes = 0;
    std::uint64_t Dropped = 0;
    QByteArray Rest;
};
