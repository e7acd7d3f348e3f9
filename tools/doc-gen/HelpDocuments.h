#pragma once
// The five help documents the program opens from its Help menu, made from their HTML
// sources in resources/docs.

#include <QString>

#include <memory>
#include <vector>

class QTextDocument;

struct THelpDocument {
    QString SourceName;
    QString PdfName;
};

// The manuals in English and French, then the risk documents in English, French and Italian.
const std::vector<THelpDocument> &HelpDocuments();

struct TBuiltDocument {
    std::unique_ptr<QTextDocument> Document;
    QString Title;
    bool HasCover = false;
};

// Reads a source, fills in its contents and risk tables, places or drops its screenshots
// (screenshotFolder may be empty) and styles it. The document is not yet paginated.
TBuiltDocument BuildHelpDocument(const QString &sourcePath, const QString &screenshotFolder, bool withRiskColours);

// Writes every document into outputFolder (created if missing). The risk tables show the
// palette colours when outputFolder already holds the risk palette. Throws
// std::runtime_error naming the file that failed.
void GenerateHelpDocuments(const QString &outputFolder, const QString &sourceFolder, const QString &screenshotFolder);
