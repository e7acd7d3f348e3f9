#include "app/Application.h"

#include "device/ComError.h"
#include "model/InOutError.h"
#include "model/MessageBoxSeam.h"

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowMessageBox(TMsgKind::Error, EscapedErrorText(std::current_exception()));
        return false;
    }
}

QString EscapedErrorText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EInOutError &e) {
        return e.Message;
    } catch (const EComError &e) {
        return e.Message;
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}
