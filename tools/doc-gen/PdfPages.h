#pragma once
// Lays a help document out on A4 pages and writes it as a PDF with a running title and the
// page numbers at the foot of each page.

#include <QString>

class QTextDocument;

struct TPdfOptions {
    QString Title;
    // A cover page carries no footer (its number still counts).
    bool HasCover = false;
};

// Replaces path only once the new PDF is complete. Returns the number of pages. Throws
// std::runtime_error naming the file and the system's reason when it cannot be written.
int WritePdf(QTextDocument &document, const QString &path, const TPdfOptions &options);
