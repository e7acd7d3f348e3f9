#include "device/EnumComPorts.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(EnumComPorts, ListsOpenableAcmAndUsbPortsInNumberOrderAfterExistingItems)
{
    QTemporaryDir dir;
    for (const QString name : {"ttyUSB10", "ttyACM1", "ttyUSB0", "ttyACM0", "ttyUSB2", "ttyUSB255",
                               "ttyUSB256", "ttyS0", "ttyUSB", "ttyACM01x"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Exists but cannot be opened for reading and writing.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ttyUSB3"));

    QStringList ports{"kept"};
    EnumComPorts(ports, dir.path());
    EXPECT_EQ(ports, (QStringList{"kept", dir.filePath("ttyACM0"), dir.filePath("ttyUSB0"), dir.filePath("ttyACM1"),
                                  dir.filePath("ttyUSB2"), dir.filePath("ttyUSB10"), dir.filePath("ttyUSB255")}));
}
