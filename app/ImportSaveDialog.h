#pragma once
// The file-save dialog that names an imported record. Tests answer it through
// TSaveDialogSeam::Hook instead of the modal dialog.

#include <QString>

#include <functional>

class QWidget;

struct TSaveFileRequest {
    QString Title;
    QString Filter;        // as QFileDialog takes it: "Text (*.ext)"
    QString DefaultSuffix; // added to a name typed without one
    QString Folder;
    QString ProposedFile;  // full path
};

struct TSaveDialogSeam {
    // Gets the request and returns the chosen path, or an empty text for Cancel.
    static inline std::function<QString(const TSaveFileRequest &)> Hook;
};

// The request of the import: its title, the log filter and suffix, the Log folder, and the
// proposed "Import<n>.zlog" there.
TSaveFileRequest ImportSaveRequest(const QString &logDir);

// The chosen full path, or an empty text when the dialog was cancelled.
QString AskSaveFileName(const TSaveFileRequest &request, QWidget *parent);
