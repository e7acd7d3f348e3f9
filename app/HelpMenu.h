#pragma once
// The main window's Help menu: the user manuals and the risk evaluation documents, opened with
// the desktop's viewer, and the folder of the records.

#include "model/AppPaths.h"

#include <QMenu>

class THelpMenu : public QMenu {
public:
    explicit THelpMenu(const TAppPaths &paths, QWidget *parent = nullptr);

private:
    void AddDocument(QMenu *menu, const QString &text, const QString &fileName);
    // Opens the document of the resources with its default program; a plain box when it is
    // missing or nothing could open it.
    void OpenDocument(const QString &fileName);
    void OpenLogFolder();

    const TAppPaths Paths;
};
