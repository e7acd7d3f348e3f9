#include "model/HandlerErrors.h"

#include "model/MessageError.h"

#include <QCoreApplication>

QString EscapedErrorText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EMessageError &e) {
        return e.Message;
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QCoreApplication::translate("HandlerErrors", "Unknown error");
    }
}
