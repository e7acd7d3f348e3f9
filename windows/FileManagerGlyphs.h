#pragma once
// The pictures of the file manager's image buttons, drawn in light strokes for its dark
// panels: an open folder, an archive box, a waste bin and an "open" arrow.

#include <QIcon>

QIcon OpenFolderGlyph();
QIcon ArchiveGlyph();
QIcon DeleteGlyph();
QIcon OpenFilesGlyph();
