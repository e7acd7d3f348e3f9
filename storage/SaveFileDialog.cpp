#include "storage/SaveFileDialog.h"

#include <QFileDialog>

QString AskSaveFileName(const TSaveFileRequest &request, QWidget *parent)
{
    if (TSaveDialogSeam::Hook)
        return TSaveDialogSeam::Hook(request);
    QFileDialog dialog(parent, request.Title, request.Folder, request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.selectFile(request.ProposedFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
