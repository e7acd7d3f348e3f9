#pragma once
// The colour of a peak frequency by its thousands, as the record viewer's list and the main
// window's peak-frequency label show it.

#include <QColor>

#include <algorithm>
#include <array>
#include <cstdint>

inline const std::array<QColor, 8> FrequencyColours = {
    QColor(0xFF, 0x4B, 0x37), QColor(0xFF, 0xE7, 0x37), QColor(0x77, 0xCE, 0x00), QColor(0x01, 0xD3, 0x8F),
    QColor(0x01, 0xCD, 0xD8), QColor(0x23, 0x91, 0xFE), QColor(0xB9, 0x6A, 0xFF), QColor(0xFF, 0x4A, 0x8E),
};

// Entry frequency div 1000, the last one from 7000 up.
inline const QColor &FrequencyColour(std::uint16_t frequency)
{
    return FrequencyColours[std::min<std::size_t>(frequency / 1000u, FrequencyColours.size() - 1)];
}
