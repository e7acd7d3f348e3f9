#pragma once
// Running a job in parts side by side, and handing its blocks out to the parts.

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

// Runs part(0) ... part(count - 1) side by side, part 0 on the calling thread, and returns
// when all have finished. The parts must not share anything they write.
inline void RunInParallel(int count, const std::function<void(int)> &part)
{
    std::vector<std::jthread> helpers;
    helpers.reserve(count > 1 ? std::size_t(count - 1) : 0);
    for (int index = 1; index < count; ++index)
        helpers.emplace_back(part, index);
    part(0);
}

// How many parts a job is worth splitting into, from the work items it has and the least
// number of items that pays for one more thread; at most maxParts, or the number of cores
// when maxParts is 0.
inline int PartsFor(std::size_t items, std::size_t itemsPerPart, int maxParts)
{
    const int limit = maxParts > 0 ? maxParts : int(std::max(1u, std::thread::hardware_concurrency()));
    const std::size_t worthwhile = items / std::max<std::size_t>(itemsPerPart, 1);
    return int(std::clamp<std::size_t>(worthwhile, 1, std::size_t(limit)));
}

// Blocks 0, 1, 2 ... handed to whichever part asks next, so that a part whose core is busy
// with something else takes fewer of them. Each part receives its blocks in ascending order.
class TBlockQueue {
public:
    explicit TBlockQueue(std::size_t count) : Count(count) {}

    std::optional<std::size_t> Next()
    {
        const std::size_t block = NextBlock.fetch_add(1, std::memory_order_relaxed);
        return block < Count ? std::optional(block) : std::nullopt;
    }

private:
    const std::size_t Count;
    std::atomic<std::size_t> NextBlock{0};
};
