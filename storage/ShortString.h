#pragma once
// A length-prefixed text field of a binary record: a length byte L, then Capacity bytes of
// which the first L hold the characters in Windows-1252. The bytes past L are whatever
// was there before; the record is written whole, so they travel with it.

#include "storage/Windows1252.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

template <std::size_t Capacity>
struct TShortString {
    static_assert(Capacity >= 1 && Capacity <= 255, "the length must fit its byte");

    std::uint8_t Length = 0;
    char Chars[Capacity] = {};

    // Keeps the first Capacity characters; overwrites only the first Length bytes.
    void Set(const QString &text)
    {
        const QByteArray bytes = ToWindows1252(text).left(static_cast<qsizetype>(Capacity));
        Length = static_cast<std::uint8_t>(bytes.size());
        std::memcpy(Chars, bytes.constData(), Length);
    }

    // A length byte beyond the capacity (a damaged file) reads as a full field.
    QString Text() const
    {
        const std::size_t length = std::min<std::size_t>(Length, Capacity);
        return FromWindows1252(QByteArray(Chars, static_cast<qsizetype>(length)));
    }
};
