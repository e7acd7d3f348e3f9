// SIGTERM, SIGINT and SIGHUP end the program after saving, whatever the save meets.

#include "app/TerminationSignals.h"

#include "model/InOutError.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <gmock/gmock.h>

#include <csignal>
#include <cstdlib>

TEST(TerminationSignals, ASaveThatFailsUnderAModalWindowStillEndsTheProgramAndTellsStandardError)
{
    const TFakeServices services;
    TTerminationSignals terminationSignals;
    int saves = 0;
    terminationSignals.BeforeQuit = [&saves] {
        ++saves;
        throw EInOutError("No space left on device (28): /app/Log/run.histo", 28);
    };
    // A modal window is open when the signals come; the second one changes nothing.
    QTimer::singleShot(0, [] {
        QEventLoop modal;
        QTimer::singleShot(0, [] {
            std::raise(SIGTERM);
            std::raise(SIGHUP);
        });
        modal.exec();
    });
    // A loop still running after five seconds is a program that did not end.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    testing::internal::CaptureStderr();
    EXPECT_EQ(QApplication::exec(), EXIT_FAILURE);
    EXPECT_THAT(testing::internal::GetCapturedStderr(), testing::HasSubstr("No space left on device (28)"));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(services.Shown.empty());
}

TEST(TerminationSignals, ASignalDuringStartUpIsNotLost)
{
    const TFakeServices services;
    TTerminationSignals terminationSignals;
    std::raise(SIGINT);
    EXPECT_FALSE(terminationSignals.QuitRequested());
    // A box of the start-up runs the events: the program is on its way out from there.
    QEventLoop startUpBox;
    QTimer::singleShot(1000, &startUpBox, &QEventLoop::quit);
    startUpBox.exec();
    EXPECT_TRUE(terminationSignals.QuitRequested());
    // The event loop runs again for whatever follows in this process.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}
