#pragma once
// The one visual language of the program's pictures: flat glyphs in a light ink with one
// accent colour each, drawn for the main window's dark grey bars.

#include <QColor>

namespace GlyphStyle {

// The main window's bars and panels.
inline const QColor WindowBackground(69, 69, 69);
// Glyph ink: light enough to read on the background, not pure white so it does not glare.
inline const QColor Ink(232, 232, 232);
inline const QColor InkDimmed(150, 150, 150);
// Accents, taken from the window's own palette (risk scale green, maximum red, minimum blue).
inline const QColor Green(92, 200, 72);
inline const QColor Amber(255, 183, 0);
inline const QColor Red(240, 72, 72);
inline const QColor Blue(91, 178, 238);
// The pressed look of a tool-bar button: a sunken plate a little darker than the bar.
inline const QColor PressedPlate(44, 44, 44);
inline const QColor PressedRim(30, 30, 30);
inline const QColor PressedHighlight(96, 96, 96);

} // namespace GlyphStyle
