#include "model/UnitCircBuffer_COMMON.h"

#include "model/Services.h"

#include <new>

#include <QCoreApplication>

TCircBuffer::TCircBuffer(std::int32_t capacity) : SlotCount(capacity)
{
    if (capacity < 1)
        return;
    try {
        Data.resize(static_cast<std::size_t>(capacity));
    } catch (const std::bad_alloc &) {
        ShowMessageBox(TMsgKind::Plain,
                       QCoreApplication::translate("CircBuffer", "TCircBuffer CREATE procedure: out of memory error"));
    }
}

void TCircBuffer::Push(const TSampleRecord &record)
{
    if (Data.empty())
        return;
    Data[PushedCount % Data.size()] = record;
    ++PushedCount;
}

void TCircBuffer::GetAll(std::vector<TSampleRecord> &records) const
{
    records.clear();
    if (Data.empty())
        return;
    if (PushedCount <= Data.size()) {
        records.assign(Data.begin(), Data.begin() + static_cast<std::ptrdiff_t>(PushedCount));
        return;
    }
    const std::size_t oldest = PushedCount % Data.size();
    records.reserve(Data.size());
    records.insert(records.end(), Data.begin() + static_cast<std::ptrdiff_t>(oldest), Data.end());
    records.insert(records.end(), Data.begin(), Data.begin() + static_cast<std::ptrdiff_t>(oldest));
}

std::int32_t WriteBufferCapacityFor(double intervalSeconds)
{
    if (intervalSeconds < 0.6)
        return 10;
    if (intervalSeconds < 2.0)
        return 5;
    return 1;
}
