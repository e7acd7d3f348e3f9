#include "app/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace {

TShellOpenHandler &Handler()
{
    static TShellOpenHandler handler;
    return handler;
}

} // namespace

bool ShellOpen(const QString &path)
{
    if (Handler())
        return Handler()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}
