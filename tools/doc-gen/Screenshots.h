#pragma once
// Pictures of the program's windows in the manuals. A source places one with
// <img src="screenshot:NAME"> in a paragraph of its own, caption included; the picture is
// NAME.png from the screenshot folder. Without that file the whole paragraph goes, so the
// manual reads as if it never had the figure.

#include <QString>
#include <QStringList>

class QTextDocument;

// The names of the screenshots the manuals use ("main-window", "viewer", ...).
QStringList ScreenshotNames(const QTextDocument &document);

// Loads each picture from folder (an empty folder name means none), scales it to the text
// column and to at most maxHeight document pixels, or removes its paragraph.
void PlaceScreenshots(QTextDocument &document, const QString &folder, double columnWidth, double maxHeight);
