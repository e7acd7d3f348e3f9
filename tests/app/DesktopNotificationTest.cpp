// The real notification door against a stand-in for the freedesktop notification service on a
// private session bus: the Notify call carries the program's name, the texts and its desktop entry.

#include "app/QtServices.h"
#include "model/Services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct TNotification {
    QString AppName;
    QString Summary;
    QString Body;
    QVariantMap Hints;
    int Timeout;
};

class TNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    std::optional<TNotification> Received;

public slots:
    uint Notify(const QString &appName, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int timeout)
    {
        Received = TNotification{appName, summary, body, hints, timeout};
        return 1;
    }
};

} // namespace

TEST(DesktopNotification, NotifyReachesTheFreedesktopServiceOnTheSessionBus)
{
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty())
        GTEST_SKIP() << "no dbus-daemon on this machine";
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForReadyRead(10000)) << bus.errorString().toStdString();
    const QByteArray address = bus.readLine().trimmed();
    // Read by the program's session bus at its first use, which is below.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    TNotificationService service;
    QDBusConnection serviceBus = QDBusConnection::connectToBus(QString::fromUtf8(address), "notification-service");
    ASSERT_TRUE(serviceBus.isConnected());
    ASSERT_TRUE(serviceBus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService("org.freedesktop.Notifications"));

    QCoreApplication::setApplicationName("ZELTAR Logger");
    QGuiApplication::setDesktopFileName("io.github.zeltar.Logger");
    const TServices previous = InstallServices(QtServices());
    NotifyDesktop("Alert: the readings have reached High", "Reading: 1.3000 mW/m²");
    InstallServices(previous);
    const QDeadlineTimer deadline(10000);
    while (!service.Received && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    ASSERT_TRUE(service.Received);
    EXPECT_EQ(service.Received->AppName, "ZELTAR Logger");
    EXPECT_EQ(service.Received->Summary, "Alert: the readings have reached High");
    EXPECT_EQ(service.Received->Body, "Reading: 1.3000 mW/m²");
    EXPECT_EQ(service.Received->Hints.value("desktop-entry").toString(), "io.github.zeltar.Logger");
    EXPECT_EQ(service.Received->Timeout, -1);
    QDBusConnection::disconnectFromBus("notification-service");
    bus.kill();
    bus.waitForFinished();
}

#include "DesktopNotificationTest.moc"
