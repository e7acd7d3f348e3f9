#pragma once
// The program's file-save dialog: the import names its record with it, the record windows
// their reports, CSV files and pictures. Tests answer it through TSaveDialogSeam::Hook
// instead of the modal dialog.

#include <QString>

#include <functional>

class QWidget;

struct TSaveFileRequest {
    QString Title;
    QString Filter;        // as QFileDialog takes it: "Text (*.ext)", several joined by ";;"
    QString DefaultSuffix; // added to a name typed without one
    QString Folder;
    QString ProposedFile;  // full path
};

struct TSaveDialogSeam {
    // Gets the request and returns the chosen path, or an empty text for Cancel.
    static inline std::function<QString(const TSaveFileRequest &)> Hook;
};

// The chosen full path, or an empty text when the dialog was cancelled.
QString AskSaveFileName(const TSaveFileRequest &request, QWidget *parent);
