#include "report/ReportTexts.h"

#include <QCoreApplication>

TReportTexts ReportTexts()
{
    return {
        QCoreApplication::translate("ReportTexts", "Record report: %1"),
        QCoreApplication::translate("ReportTexts", "Record"),
        QCoreApplication::translate("ReportTexts", "Operator"),
        QCoreApplication::translate("ReportTexts", "Place"),
        QCoreApplication::translate("ReportTexts", "Notes"),
        QCoreApplication::translate("ReportTexts", "Start"),
        QCoreApplication::translate("ReportTexts", "Interval"),
        QCoreApplication::translate("ReportTexts", "Unit"),
        QCoreApplication::translate("ReportTexts", "Correction"),
        QCoreApplication::translate("ReportTexts", "Duration"),
        QCoreApplication::translate("ReportTexts", "Samples"),
        QCoreApplication::translate("ReportTexts", "%1 dB"),
        QCoreApplication::translate("ReportTexts", "Statistics"),
        QCoreApplication::translate("ReportTexts", "Maximum"),
        QCoreApplication::translate("ReportTexts", "Minimum"),
        QCoreApplication::translate("ReportTexts", "Mean"),
        QCoreApplication::translate("ReportTexts", "Range"),
        QCoreApplication::translate("ReportTexts", "Mode"),
        QCoreApplication::translate("ReportTexts", "%1 dB"),
        QCoreApplication::translate("ReportTexts", "Charts"),
        QCoreApplication::translate("ReportTexts", "Risk categories (population: %1, state: %2)"),
        {QCoreApplication::translate("ReportTexts", "General"),
         QCoreApplication::translate("ReportTexts", "Sensitive")},
        {QCoreApplication::translate("ReportTexts", "Wake"), QCoreApplication::translate("ReportTexts", "Sleep")},
        QCoreApplication::translate("ReportTexts", "Category"),
        QCoreApplication::translate("ReportTexts", "Samples"),
        QCoreApplication::translate("ReportTexts", "Time"),
        QCoreApplication::translate("ReportTexts", "Share"),
        QCoreApplication::translate("ReportTexts", "%1 h %2 min"),
        QCoreApplication::translate("ReportTexts", "< 1 min"),
        QCoreApplication::translate("ReportTexts", "< %1 %"),
        QCoreApplication::translate("ReportTexts", "Exposure against the ICNIRP 2020 reference levels"),
        QCoreApplication::translate("ReportTexts", "Highest 30-minute average"),
        QCoreApplication::translate("ReportTexts", "Average over the whole record"),
        QCoreApplication::translate("ReportTexts", "Highest single sample"),
        QCoreApplication::translate("ReportTexts",
                                    "Power density as a share of the reference level for the general public, whole "
                                    "body, averaged over 30 minutes (ICNIRP 2020 guidelines, Table 5), at the peak "
                                    "frequency of each sample; below 30 MHz, above 300 GHz and where no frequency was "
                                    "reported, the strictest level of 2 W/m² is taken."),
        QCoreApplication::translate("ReportTexts",
                                    "The record is shorter than 30 minutes, so its whole length (%1) is averaged."),
        QCoreApplication::translate("ReportTexts",
                                    "A broadband meter reports only the peak frequency of a reading, so the reference "
                                    "level taken for each sample is an approximation."),
        QCoreApplication::translate("ReportTexts", "This record is damaged"),
        QCoreApplication::translate("ReportTexts", "Alert episodes (from \"%1\" up, ended after %2 s below)"),
        QCoreApplication::translate("ReportTexts", "Start"),
        QCoreApplication::translate("ReportTexts", "End"),
        QCoreApplication::translate("ReportTexts", "Peak"),
        QCoreApplication::translate("ReportTexts", "still on at the end"),
        QCoreApplication::translate("ReportTexts", "No reading of this record reached the alert limit."),
        QCoreApplication::translate("ReportTexts", "Further episodes, not listed: %1."),
        QCoreApplication::translate("ReportTexts", "Most frequent peak frequencies"),
        QCoreApplication::translate("ReportTexts", "Peak frequency (MHz)"),
        QCoreApplication::translate("ReportTexts", "Shares of the %1 samples that reported a peak frequency."),
        QCoreApplication::translate("ReportTexts", "No sample of this record reported a peak frequency."),
        QCoreApplication::translate("ReportTexts", "%1 %2 - report created %3"),
        QCoreApplication::translate("ReportTexts", "Page %1 of %2"),
    };
}
