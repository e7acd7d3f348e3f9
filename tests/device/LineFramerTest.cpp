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
    EXPECT_TRUE(framer.IsEmpty());
}

TEST(LineFramer, BoundCutsOnlyUnterminatedRuns)
{
    TLineFramer framer;
    // A line of exactly 4096 bytes before its terminator is over the bound.
    framer.Append(QByteArray(4095, 'a') + "\r\n" + QByteArray(4096, 'b') + "\r\n" + QByteArray(9000, 'c'));
    const QList<QByteArray> lines = TakeLines(framer);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QByteArray(4095, 'a') + "\r\n");
    EXPECT_EQ(lines[1], QByteArray(4096, 'b'));
    EXPECT_EQ(lines[2], "\r\n");
    EXPECT_EQ(lines[3], QByteArray(4096, 'c'));
    EXPECT_EQ(lines[4], QByteArray(4096, 'c'));
    EXPECT_EQ(framer.TakeAll(), QByteArray(808, 'c'));
}

TEST(LineFramer, NewTerminatorRecutsWhatIsHeld)
{
    TLineFramer framer;
    framer.Append("a\nb\r\nc\n");
    framer.SetTerminator("\n");
    EXPECT_EQ(TakeLines(framer), (QList<QByteArray>{"a\n", "b\r\n", "c\n"}));

    framer.SetTerminator(QByteArray());
    framer.Append("x\r\ny\n");
    EXPECT_FALSE(framer.HasLine()) << "an empty terminator ends no line";
    EXPECT_EQ(framer.TakeAll(), "x\r\ny\n");
}
