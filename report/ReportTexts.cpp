#include "report/ReportTexts.h"

const TReportTexts &EnglishReportTexts()
{
    static const TReportTexts texts{
        QStringLiteral("Record report: %1"),
        QStringLiteral("Record"),
        QStringLiteral("Operator"),
        QStringLiteral("Place"),
        QStringLiteral("Notes"),
        QStringLiteral("Start"),
        QStringLiteral("Interval"),
        QStringLiteral("Unit"),
        QStringLiteral("Correction"),
        QStringLiteral("Duration"),
        QStringLiteral("Samples"),
        QStringLiteral("%1 dB"),
        QStringLiteral("Statistics"),
        QStringLiteral("Maximum"),
        QStringLiteral("Minimum"),
        QStringLiteral("Mean"),
        QStringLiteral("Range"),
        QStringLiteral("Mode"),
        QStringLiteral("%1 dB"),
        QStringLiteral("Charts"),
        QStringLiteral("Risk categories (population: %1, state: %2)"),
        {QStringLiteral("General"), QStringLiteral("Sensitive")},
        {QStringLiteral("Wake"), QStringLiteral("Sleep")},
        QStringLiteral("Category"),
        QStringLiteral("Samples"),
        QStringLiteral("Share"),
        QStringLiteral("Most frequent peak frequencies"),
        QStringLiteral("Peak frequency"),
        QStringLiteral("Shares of the %1 samples that reported a peak frequency."),
        QStringLiteral("No sample of this record reported a peak frequency."),
        QStringLiteral("%1 %2 - report created %3"),
        QStringLiteral("Page %1 of %2"),
    };
    return texts;
}
