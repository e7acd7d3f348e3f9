#include "device/LineFramer.h"

#include <algorithm>
#include <utility>

void TLineFramer::SetTerminator(const QByteArray &terminator)
{
    Terminator = terminator;
    const QByteArray held = TakeAll();
    Append(held);
}

void TLineFramer::Append(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    // A terminator may straddle the old rest and the new bytes.
    const qsizetype searchFrom = std::max<qsizetype>(0, Rest.size() - Terminator.size() + 1);
    Rest.append(bytes);
    CutLines(searchFrom);
}

QByteArray TLineFramer::TakeLine()
{
    QByteArray line = std::move(Lines.front());
    Lines.pop_front();
    HeldBytes -= line.size();
    return line;
}

void TLineFramer::DropLines()
{
    Dropped += Lines.size();
    Lines.clear();
    HeldBytes = 0;
}

std::uint64_t TLineFramer::TakeDroppedCount()
{
    return std::exchange(Dropped, 0);
}

void TLineFramer::Hold(QByteArray line)
{
    if (HeldBytes + line.size() > MaxHeldLineBytes) {
        ++Dropped;
        return;
    }
    HeldBytes += line.size();
    Lines.push_back(std::move(line));
}

QByteArray TLineFramer::TakeAll()
{
    QByteArray all;
    for (const QByteArray &line : Lines)
        all.append(line);
    all.append(Rest);
    Lines.clear();
    HeldBytes = 0;
    Rest.clear();
    return all;
}

void TLineFramer::CutLines(qsizetype searchFrom)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype found = Terminator.isEmpty() ? -1 : Rest.indexOf(Terminator, std::max(start, searchFrom));
        if (found >= 0 && found - start < MaxUnterminated) {
            const qsizetype end = found + Terminator.size();
            Hold(Rest.mid(start, end - start));
            start = end;
        } else if (Rest.size() - start >= MaxUnterminated) {
            Hold(Rest.mid(start, MaxUnterminated));
            start += MaxUnterminated;
        } else {
            break;
        }
    }
    Rest.remove(0, start);
}
