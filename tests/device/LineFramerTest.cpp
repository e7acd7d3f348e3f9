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

// Lines that are not taken (their delivery is held) stop being kept at the bound: the oldest
// stay whole and in order, the newer ones are counted as dropped, and so are the lines dropped
// on purpose; an unterminated rest is never dropped.
TEST(LineFramer, HeldLinesStopAtTheirBoundAndTheRestIsCounted)
{
    TLineFramer framer;
    const QByteArray line = "  0.1234  900\r\n";
    const qsizetype fit = TLineFramer::MaxHeldLineBytes / line.size();
    for (qsizetype i = 0; i < fit + 1000; ++i)
        framer.Append(line);
    EXPECT_LE(framer.HeldLineBytes(), TLineFramer::MaxHeldLineBytes);
    EXPECT_EQ(framer.TakeDroppedCount(), 1000u);
    EXPECT_EQ(framer.TakeDroppedCount(), 0u);
    framer.TakeLine();
    framer.Append(line + "  0.5");
    EXPECT_EQ(framer.TakeDroppedCount(), 0u) << "a taken line makes room for one more";
    framer.DropLines();
    EXPECT_EQ(framer.TakeDroppedCount(), std::uint64_t(fit));
    EXPECT_FALSE(framer.HasLine());
    framer.Append("000  900\r\n");
    EXPECT_EQ(TakeLines(framer), QList<QByteArray>{"  0.5000  900\r\n"});
}
