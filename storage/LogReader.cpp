#include "storage/LogFile.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>

namespace {

// 512 KiB per read: few system calls, and the block stays in the cache while it is copied out.
constexpr std::size_t RecordsPerBlock = 65536;

} // namespace

TLogReader::TLogReader(const QString &path)
    : File(path, O_RDONLY),
      Block(std::make_unique_for_overwrite<TSampleRecord[]>(RecordsPerBlock))
{
    TotalCount = static_cast<std::uint64_t>(File.Size()) / sizeof(TSampleRecord);
    CountLeftInFile = TotalCount;
}

bool TLogReader::FillBlock()
{
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(CountLeftInFile, RecordsPerBlock));
    if (wanted == 0)
        return false;
    const std::size_t bytes = File.ReadUpTo(Block.get(), wanted * sizeof(TSampleRecord));
    // A file cut short since it was opened ends at its last whole record.
    BlockStart = 0;
    BlockEnd = bytes / sizeof(TSampleRecord);
    CountLeftInFile = BlockEnd < wanted ? 0 : CountLeftInFile - BlockEnd;
    return BlockEnd > 0;
}

std::size_t TLogReader::Read(std::span<TSampleRecord> out)
{
    std::size_t done = 0;
    while (done < out.size()) {
        if (BlockStart == BlockEnd && !FillBlock())
            break;
        const std::size_t count = std::min(out.size() - done, BlockEnd - BlockStart);
        std::memcpy(out.data() + done, Block.get() + BlockStart, count * sizeof(TSampleRecord));
        BlockStart += count;
        done += count;
    }
    return done;
}

void TLogReader::SkipTo(std::uint64_t index)
{
    index = std::min(index, TotalCount);
    File.SeekTo(static_cast<std::int64_t>(index * sizeof(TSampleRecord)));
    CountLeftInFile = TotalCount - index;
    BlockStart = BlockEnd = 0;
}
