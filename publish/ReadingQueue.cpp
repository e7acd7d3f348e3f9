#include "publish/ReadingQueue.h"

#include <algorithm>

void TReadingQueue::SetLimit(std::size_t limit)
{
    const std::lock_guard lock(Mutex);
    Limit = std::max<std::size_t>(limit, 1);
    DropBeyond(Limit);
}

void TReadingQueue::Push(TPublishedMessage message)
{
    const std::lock_guard lock(Mutex);
    DropBeyond(Limit - 1);
    Entries.push_back({NextSequence++, std::move(message)});
}

void TReadingQueue::DropBeyond(std::size_t limit)
{
    while (Entries.size() > limit) {
        if (Sent > 0) {
            --Sent;
            if (!Entries.front().Acknowledged)
                --Unacknowledged;
        }
        Entries.pop_front();
        ++DroppedCount;
    }
}

std::optional<TReadingQueue::TTaken> TReadingQueue::TakeNext()
{
    const std::lock_guard lock(Mutex);
    // Acknowledged entries behind an unacknowledged one stay until it goes, and are not sent again.
    while (Sent < Entries.size() && Entries[Sent].Acknowledged)
        ++Sent;
    if (Sent == Entries.size())
        return std::nullopt;
    const TEntry &entry = Entries[Sent++];
    ++Unacknowledged;
    return TTaken{entry.Sequence, entry.Message};
}

void TReadingQueue::Acknowledge(std::uint64_t sequence)
{
    const std::lock_guard lock(Mutex);
    if (Entries.empty() || sequence < Entries.front().Sequence)
        return;
    const std::uint64_t index = sequence - Entries.front().Sequence;
    if (index >= Sent || Entries[index].Acknowledged)
        return;
    Entries[index].Acknowledged = true;
    --Unacknowledged;
    while (!Entries.empty() && Entries.front().Acknowledged) {
        Entries.pop_front();
        --Sent;
    }
}

void TReadingQueue::Rewind()
{
    const std::lock_guard lock(Mutex);
    Sent = 0;
    Unacknowledged = 0;
}

std::size_t TReadingQueue::Size() const
{
    const std::lock_guard lock(Mutex);
    return Entries.size();
}

std::size_t TReadingQueue::InFlight() const
{
    const std::lock_guard lock(Mutex);
    return Unacknowledged;
}

std::uint64_t TReadingQueue::Dropped() const
{
    const std::lock_guard lock(Mutex);
    return DroppedCount;
}
