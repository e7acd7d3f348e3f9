#pragma once
// The colours of the density analyser's curves and legend lines, by file index.

#include <QColor>

#include <array>
#include <cstddef>

inline constexpr std::array<QRgb, 12> DensityColours{
    0xED2F29, 0x477BF3, 0x32EC11, 0xF11DB1, 0xF0E61C, 0xF0B01C,
    0x6D41F3, 0x0FB8F0, 0xB041F3, 0xEE6C1E, 0x0FF0D5, 0xABF01C,
};

// From the 13th file on, the table starts again.
inline QColor DensityColour(std::size_t fileIndex)
{
    return QColor(DensityColours[fileIndex % DensityColours.size()]);
}
