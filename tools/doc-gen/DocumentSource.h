#pragma once
// A help document's HTML source with its markers filled in: "<!--contents-->" becomes the
// table of contents, "<!--risk-table-->" the risk thresholds computed from the program's
// own risk evaluation. The source names its language (<html lang="fr">) and its running
// title (<title>); a class="cover" paragraph makes the first page a cover.

#include <QString>

struct TDocumentSource {
    QString Language;
    QString Title;
    bool HasCover = false;
    QString Html;
};

// Throws std::runtime_error naming the file when it cannot be read or lacks its language
// or title.
TDocumentSource ReadDocumentSource(const QString &path);

// Replaces the markers in source.Html. Risk tables get a column of colour strips when
// withColours is set.
void ExpandMarkers(TDocumentSource &source, bool withColours);
