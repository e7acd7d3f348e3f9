#pragma once
// The glyphs of the main window's tool bar: 24 x 24 with transparency, in the look of a
// released button and of a pressed one.

#include <QImage>
#include <QString>

enum class TToolbarGlyph { Play, Pause, Record, Stop, Restart };
enum class TButtonLook { Up, Down };

constexpr int ToolbarGlyphSize = 24;

QImage DrawToolbarGlyph(TToolbarGlyph glyph, TButtonLook look);

// "Play", "Pause" ...: the base of the glyph's file names.
QString ToolbarGlyphName(TToolbarGlyph glyph);
