#pragma once
// The table of contents of a help document: one line per section (<h2>) with the page it
// starts on. The lines are made before the layout with placeholder numbers, which are
// filled in once the pages are known.

#include <QString>
#include <QStringList>

class QTextDocument;

// The inner HTML of every <h2> of the source, in order.
QStringList SectionHeadings(const QString &html);

// The contents table in the document's language ("en", "fr", "it").
QString ContentsTableHtml(const QStringList &headings, const QString &language);

// Writes the page of each section into the contents table of a laid-out document whose
// pages are pageHeight high. Returns true when a number changed (the caller lays out again
// until nothing moves).
bool FillContentsPageNumbers(QTextDocument &document, double pageHeight);
