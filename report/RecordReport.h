#pragma once
// A record's report: one A4 portrait PDF of two pages for handing the record on. Page one:
// the metadata, the viewer's statistics, the time chart and the risk-coloured level histogram
// drawn by the program's chart control; page two: the share of the samples in each risk
// category for a population and state, and the most frequent peak frequencies. A footer
// names the program, its version and the moment the report was made.

#include "report/ReportRequest.h"
#include "report/ReportTexts.h"

#include <QString>

// Writes the report to pdfPath. The file is replaced only once the report is complete: any
// failure (an EInOutError naming the file) leaves the old file, or none.
void SaveRecordReport(const QString &pdfPath, const TReportRequest &request,
                      const TReportTexts &texts = ReportTexts());
