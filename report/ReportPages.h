#pragma once
// The pages of a record's report, painted onto a PDF writer: A4 portrait, a content width of
// 1000 logical units between the margins, the charts at their own size in those units.

#include "report/ReportRequest.h"
#include "report/ReportTexts.h"

#include <QDateTime>
#include <QSize>

class QPdfWriter;
struct TRecordCharts;

// The size of each chart on the first page, in logical units (the control's pixels).
inline constexpr QSize ReportChartSize(1000, 400);

void PaintReportPages(QPdfWriter &writer, const TReportRequest &request, const TRecordCharts &charts,
                      const TReportTexts &texts, const QDateTime &created);
