#include "windows/ClickForwarder.h"

#include "model/HandlerErrors.h"

#include <QMouseEvent>
#include <QWidget>

TClickForwarder::TClickForwarder(std::function<void()> onClick, QObject *parent)
    : QObject(parent), OnClick(std::move(onClick))
{
}

void TClickForwarder::Watch(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->installEventFilter(this);
}

bool TClickForwarder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        RunShowingErrors(OnClick);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
