#include "charts/ChartItemStore.h"

#include <cmath>

namespace {

// Shape and RGB in one 32-bit key (the colours are opaque, so the alpha byte is free).
std::uint32_t StyleKey(std::uint8_t shape, QRgb colour)
{
    return (std::uint32_t(shape) << 24) | (colour & 0xFFFFFFu);
}

// Out-of-range ordinates become infinities explicitly: the conversion of such a double to
// float is undefined.
float StoredOrdinate(double y)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (y > largest)
        return std::numeric_limits<float>::infinity();
    if (y < -largest)
        return -std::numeric_limits<float>::infinity();
    return float(y);
}

} // namespace

TMarkChunk &TChartItemStore::TailChunkWithRoom()
{
    auto *tail = RunList.empty() ? nullptr : std::get_if<TMarkChunk>(&RunList.back());
    if (tail && !tail->Full())
        return *tail;
    // A chunk that follows a full one is likely to fill too: it starts with an eighth of its
    // room, which saves most of the copying of growth and wastes little when it stays short.
    const bool streaming = tail != nullptr;
    ForgetTailStyles();
    auto &chunk = std::get<TMarkChunk>(RunList.emplace_back(TMarkChunk{}));
    if (streaming) {
        chunk.X.reserve(TMarkChunk::Capacity / 8);
        chunk.Y.reserve(TMarkChunk::Capacity / 8);
        chunk.StyleIndex.reserve(TMarkChunk::Capacity / 8);
    }
    return chunk;
}

std::uint16_t TChartItemStore::StyleIndexOf(TMarkChunk &chunk, std::uint8_t shape, QRgb colour)
{
    const std::uint32_t key = StyleKey(shape, colour);
    if (HasLastStyle && key == LastStyleKey)
        return LastStyle;
    auto [entry, added] = TailStyles.try_emplace(key, std::uint16_t(chunk.Styles.size()));
    if (added)
        chunk.Styles.push_back({shape, qRgb(qRed(colour), qGreen(colour), qBlue(colour))});
    LastStyleKey = key;
    LastStyle = entry->second;
    HasLastStyle = true;
    return LastStyle;
}

void TChartItemStore::AddMark(double x, double y, std::uint8_t shape, QRgb colour)
{
    TMarkChunk &chunk = TailChunkWithRoom();
    const std::uint16_t style = StyleIndexOf(chunk, shape, colour);
    const float storedY = StoredOrdinate(y);
    if (std::isnan(x) || (!chunk.X.empty() && x < chunk.X.back()))
        chunk.XOrdered = false;
    chunk.X.push_back(x);
    chunk.Y.push_back(storedY);
    chunk.StyleIndex.push_back(style);
    if (x < chunk.MinX)
        chunk.MinX = x;
    if (x > chunk.MaxX)
        chunk.MaxX = x;
    if (storedY < chunk.MinY)
        chunk.MinY = storedY;
    if (storedY > chunk.MaxY)
        chunk.MaxY = storedY;
    ++ItemCount;
}

void TChartItemStore::AddFigure(const TFigure &figure)
{
    auto *tail = RunList.empty() ? nullptr : std::get_if<TFigureRun>(&RunList.back());
    if (!tail) {
        ForgetTailStyles();
        tail = &std::get<TFigureRun>(RunList.emplace_back(TFigureRun{}));
    }
    tail->Figures.push_back(figure);
    ++ItemCount;
}

void TChartItemStore::AddLine(const TLineItem &line)
{
    AddFigure(line);
}

void TChartItemStore::AddBar(const TBarItem &bar)
{
    AddFigure(bar);
}

void TChartItemStore::Clear()
{
    RunList.clear();
    ItemCount = 0;
    ForgetTailStyles();
}

void TChartItemStore::RemoveFirst()
{
    if (RunList.empty())
        return;
    const bool emptied = std::visit(
        [](auto &run) {
            ++run.Begin;
            return run.Size() == 0;
        },
        RunList.front());
    --ItemCount;
    if (emptied) {
        if (RunList.size() == 1)
            ForgetTailStyles();
        RunList.pop_front();
    }
}

void TChartItemStore::ForgetTailStyles()
{
    TailStyles.clear();
    HasLastStyle = false;
}

std::size_t TChartItemStore::AllocatedBytes() const
{
    std::size_t bytes = RunList.size() * sizeof(TItemRun);
    for (const TItemRun &run : RunList) {
        if (const auto *chunk = std::get_if<TMarkChunk>(&run))
            bytes += chunk->X.capacity() * sizeof(double) + chunk->Y.capacity() * sizeof(float)
                     + chunk->StyleIndex.capacity() * sizeof(std::uint16_t)
                     + chunk->Styles.capacity() * sizeof(TMarkStyle);
        else
            bytes += std::get<TFigureRun>(run).Figures.capacity() * sizeof(TFigure);
    }
    return bytes + TailStyles.size() * (sizeof(std::uint32_t) + sizeof(std::uint16_t) + 2 * sizeof(void *));
}
