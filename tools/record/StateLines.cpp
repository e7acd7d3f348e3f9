#include "tools/record/StateLines.h"

#include <cstdio>
#include <utility>

void WriteToStandardError(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

TStateLines::TStateLines(bool quiet, TWriter writer)
    : Quiet(quiet), Writer(writer ? std::move(writer) : TWriter(&WriteToStandardError))
{
}

void TStateLines::Tell(const QString &state)
{
    if (Quiet || state == Last)
        return;
    Last = state;
    Writer(state);
}
