#include "app/Application.h"

#include "model/HandlerErrors.h"
#include "model/Services.h"

#include <cstdio>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = EscapedErrorText(std::current_exception());
        std::fprintf(stderr, "zeltar-logger: error outside a handler: %s\n", qUtf8Printable(text));
        ShowMessageBox(TMsgKind::Error, text);
        return false;
    }
}
