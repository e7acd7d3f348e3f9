// Loaded into the real program by the crash test (LD_PRELOAD): once the program listens to
// the meter, it presses the Record button and confirms the metadata dialog, as a user
// would. Nothing of the program is changed; the library only finds its widgets by name.

#include <QApplication>
#include <QTimer>
#include <QToolButton>

namespace {

QToolButton *VisibleButton(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *button = window->findChild<QToolButton *>(name); button && button->isVisible())
            return button;
    return nullptr;
}

void PressRecordAndConfirm()
{
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pressed = false]() mutable {
        if (!pressed) {
            QToolButton *play = VisibleButton(QStringLiteral("PlayB"));
            QToolButton *record = VisibleButton(QStringLiteral("RecB"));
            if (!play || !record || !play->isChecked())
                return;
            pressed = true;
            // Later, from the event loop: the dialog's own loop must find this timer free.
            QTimer::singleShot(0, record, &QToolButton::click);
            return;
        }
        if (QToolButton *ok = VisibleButton(QStringLiteral("ImageOKb"))) {
            ok->click();
            timer->stop();
        }
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(PressRecordAndConfirm)
