#include "storage/ScheduledEnd.h"

#include "model/Services.h"
#include "storage/LocaleTimeText.h"

#include <QCoreApplication>

int InterruptPeriodMs(double intervalSeconds)
{
    return intervalSeconds < 1.1 ? 1000 : 10000;
}

void TScheduledEnd::Schedule(const QDateTime &end, double intervalSeconds)
{
    End = end;
    InterruptREC.start(InterruptPeriodMs(intervalSeconds));
}

void TScheduledEnd::Cancel()
{
    InterruptREC.stop();
}

bool TScheduledEnd::EndReached() const
{
    return IsPending() && CurrentTime() >= End;
}

QString TScheduledEnd::LabelText(const QLocale &locale) const
{
    return QCoreApplication::translate("ScheduledEnd", "Recording end scheduled on ") +
           locale.toString(End.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(End.time(), LocaleLongTimeFormat(locale)) + QStringLiteral("  ");
}
