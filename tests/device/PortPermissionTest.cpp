#include "device/PortPermission.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

TEST(PortPermission, ExistingCandidatesRefusedForLackOfPermissionAreNamed)
{
    QTemporaryDir dir;
    const std::map<QString, int> openErrors{{"ttyUSB0", EACCES}, {"ttyACM1", EPERM}, {"ttyUSB3", 0}, {"ttyUSB4", EBUSY}};
    for (const QString name : {"ttyUSB0", "ttyACM1", "ttyUSB3", "ttyUSB4", "ttyS0"})
        ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    // Only meter ports are tried: ttyS0 is not asked about.
    const QStringList denied =
        DeniedComPorts(dir.path(), [&](const QString &path) { return openErrors.at(QFileInfo(path).fileName()); });
    EXPECT_EQ(denied, (QStringList{dir.filePath("ttyUSB0"), dir.filePath("ttyACM1")}));
    EXPECT_EQ(PortPermissionHint({}), QString());
    EXPECT_EQ(PortPermissionHint(denied), " " + dir.filePath("ttyACM1") +
                                              " is present but this user may not open it: add the user to the "
                                              "\"dialout\" group (sudo usermod -aG dialout $USER) and log in again.");
}
