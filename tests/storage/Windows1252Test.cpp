#include "storage/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, RoundTripsEveryByteAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(ToWindows1252(QStringLiteral("mW/m² € é")), QByteArray("mW/m\xB2 \x80 \xE9"));
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(FromWindows1252(all).size(), 256);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    // A character outside the BMP is two UTF-16 units but one character: one '?'.
    EXPECT_EQ(ToWindows1252(QStringLiteral("a\u2603b\U0001F600c\u0080")), QByteArray("a?b?c?"));
}
