#include "device/PortPermission.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

namespace {

TEST(PortPermission, ExistingCandidatesRefusedForLackOfPermissionAreNamed)
{
    QTemporaryDir dir;
    const std::map<QString, int> openErrors{
        {"ttyUSB0", EACCES}, {"ttyACM1", EPERM}, {"ttyUSB3", 0}, {"ttyUSB4", EBUSY}, {"ttyS0", EACCES}};
    for (const auto &entry : openErrors)
        ASSERT_TRUE(QFile(dir.filePath(entry.first)).open(QIODevice::WriteOnly));

    QStringList tried;
    const QStringList denied = DeniedComPorts(dir.path(), [&](const QString &path) {
        tried << QFileInfo(path).fileName();
        return openErrors.at(tried.last());
    });
    EXPECT_EQ(tried, (QStringList{"ttyUSB0", "ttyACM1", "ttyUSB3", "ttyUSB4"}));
    EXPECT_EQ(denied, (QStringList{dir.filePath("ttyUSB0"), dir.filePath("ttyACM1")}));

    EXPECT_EQ(PortPermissionHint({}), QString());
    EXPECT_EQ(PortPermissionHint(denied),
              " " + dir.filePath("ttyACM1") +
                  " is present but this user may not open it: add the user to the \"dialout\" group "
                  "(sudo usermod -aG dialout $USER) and log in again.");
}

} // namespace
