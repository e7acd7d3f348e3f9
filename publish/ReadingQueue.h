#pragma once
// The readings (and the alert's starts and ends among them) waiting for the broker, oldest
// first, shared by the thread that publishes them (Push) and the network thread that sends them
// (the rest). A reading leaves only once the
// broker has acknowledged it, so a connection that breaks loses none: after Rewind everything
// not acknowledged goes out again, in order. Beyond the limit the oldest reading is dropped
// and counted.

#include "publish/AlertMessage.h"
#include "publish/PublishedReading.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <variant>

// What goes to the broker in the order it came: a reading, or a start or end of an alert.
using TPublishedMessage = std::variant<TPublishedReading, TAlertMessage>;

class TReadingQueue {
public:
    // A day of readings at the shortest interval, 0.5 s.
    static constexpr std::size_t DefaultLimit = 172800;

    explicit TReadingQueue(std::size_t limit = DefaultLimit) : Limit(limit > 0 ? limit : 1) {}

    // At least 1; the oldest readings beyond a smaller limit are dropped at once.
    void SetLimit(std::size_t limit);
    void Push(TPublishedMessage message);

    struct TTaken {
        std::uint64_t Sequence;
        TPublishedMessage Message;
    };
    // The oldest reading not sent since the last Rewind.
    std::optional<TTaken> TakeNext();
    // The broker has the reading of this sequence number; readings dropped meanwhile are ignored.
    void Acknowledge(std::uint64_t sequence);
    // A new connection: every reading not acknowledged is sent again, oldest first.
    void Rewind();

    // Readings not acknowledged yet, sent or not.
    std::size_t Size() const;
    // Readings sent since the last Rewind and not acknowledged yet.
    std::size_t InFlight() const;
    // Readings dropped for the limit since the queue was made.
    std::uint64_t Dropped() const;

private:
    struct TEntry {
        std::uint64_t Sequence;
        TPublishedMessage Message;
        bool Acknowledged = false;
    };
    void DropBeyond(std::size_t limit);

    mutable std::mutex Mutex;
    std::deque<TEntry> Entries; // sequence numbers consecutive from the front
    std::size_t Limit;
    std::size_t Sent = 0;       // the entries at the front handed out since the last Rewind
    std::size_t Unacknowledged = 0; // of those
    std::uint64_t NextSequence = 0;
    std::uint64_t DroppedCount = 0;
};
