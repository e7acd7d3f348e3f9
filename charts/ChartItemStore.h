#pragma once
// The ordered item list of a chart, oldest first: runs of marks in column chunks and runs of
// lines and bars. A mark costs 14 bytes; adding one and removing the oldest are O(1).

#include "charts/ChartItems.h"

#include <deque>
#include <unordered_map>

class TChartItemStore {
public:
    void AddMark(double x, double y, std::uint8_t shape, QRgb colour);
    void AddLine(const TLineItem &line);
    void AddBar(const TBarItem &bar);
    void Clear();
    void RemoveFirst();

    std::size_t Count() const { return ItemCount; }
    const std::deque<TItemRun> &Runs() const { return RunList; }
    // Heap bytes held for the items (column capacity included).
    std::size_t AllocatedBytes() const;

private:
    TMarkChunk &TailChunkWithRoom();
    std::uint16_t StyleIndexOf(TMarkChunk &chunk, std::uint8_t shape, QRgb colour);
    void AddFigure(const TFigure &figure);
    void ForgetTailStyles();

    std::deque<TItemRun> RunList;
    std::size_t ItemCount = 0;
    // Style lookup of the tail chunk (the only one that still receives marks).
    std::unordered_map<std::uint32_t, std::uint16_t> TailStyles;
    std::uint32_t LastStyleKey = 0;
    std::uint16_t LastStyle = 0;
    bool HasLastStyle = false;
};
