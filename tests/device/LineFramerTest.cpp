#include "device/LineFramer.h"
#include "tests/support/QtPrinters.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> TakeLines(TLineFramer &framer)
{
    QList<QByteArray> lines;
    while (framer.HasLine())
        lines << framer.TakeLine();
    return lines;
}

} // namespace

TEST(LineFramer, TerminatorSplitAcrossAppendsEndsTheLine)
{
    TLineFramer framer;
    framer.SetTerminator("#!$");
    framer.Append("abc#");
    framer.Append("!");
    EXPECT_FALSE(framer.HasLine());
    framer.Append("$def");
    EXPECT_EQ(TakeLines(framer), QList<QByteArray>{"abc#!$"});
    EXPECT_EQ(framer.TakeAll(), "def");
}

TEST(LineFramer, BoundCutsOnlyUnterminatedRuns)
{
    TLineFramer framer;
    // A line of exactly 4096 bytes before its terminator is over the bound.
    framer.Append(QByteArray(4095, 'a') + "\r\n" + QByteArray(4096, 'b') + "\r\n" + QByteArray(9000, 'c'));
    EXPECT_EQ(TakeLines(framer), (QList<QByteArray>{QByteArray(4095, 'a') + "\r\n", QByteArray(4096, 'b'), "\r\n",
                                                    QByteArray(4096, 'c'), QByteArray(4096, 'c')}));
    EXPECT_EQ(framer.TakeAll(), QByteArray(808, 'c'));
}
