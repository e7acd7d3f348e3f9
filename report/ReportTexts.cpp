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
        QStringLiteral("Time"),
        QStringLiteral("Share"),
        QStringLiteral("%1 h %2 min"),
        QStringLiteral("< 1 min"),
        QStringLiteral("< %1 %"),
        QStringLiteral("Exposure against the ICNIRP 2020 reference levels"),
        QStringLiteral("Highest 30-minute average"),
        QStringLiteral("Average over the whole record"),
        QStringLiteral("Highest single sample"),
        QStringLiteral("Power density as a share of the reference level for the general public, whole body, "
                       "averaged over 30 minutes (ICNIRP 2020 guidelines, Table 5), at the peak frequency of each "
                       "sample; below 30 MHz, above 300 GHz and where no frequency was reported, the strictest "
                       "level of 2 W/m² is taken."),
        QStringLiteral("The record is shorter than 30 minutes, so its whole length (%1) is averaged."),
        QStringLiteral("A broadband meter reports only the peak frequency of a reading, so the reference level "
                       "taken for each sample is an approximation."),
        QStringLiteral("This record is damaged"),
        QStringLiteral("Alert episodes (from \"%1\" up, ended after %2 s below)"),
        QStringLiteral("Start"),
        QStringLiteral("End"),
        QStringLiteral("Peak"),
        QStringLiteral("still on at the end"),
        QStringLiteral("No reading of this record reached the alert limit."),
        QStringLiteral("Further episodes, not listed: %1."),
        QStringLiteral("Most frequent peak frequencies"),
        QStringLiteral("Peak frequency (MHz)"),
        QStringLiteral("Shares of the %1 samples that reported a peak frequency."),
        QStringLiteral("No sample of this record reported a peak frequency."),
        QStringLiteral("%1 %2 - report created %3"),
        QStringLiteral("Page %1 of %2"),
    };
    return texts;
}
