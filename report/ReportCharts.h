#pragma once
// The record viewer's two charts of a record, made off screen with the program's chart
// control for printing: every sample on the time chart at the viewer's full view, and the
// level histogram in the risk colours of a population and state; on white with dark marks and
// text, the time chart's ordinate named by the record's unit.

#include "charts/ChartPrint.h"
#include "charts/ChartWidget.h"
#include "report/RecordDigest.h"
#include "storage/MetaData.h"

#include <QDate>
#include <QSize>

#include <memory>

struct TRecordCharts {
    TChartWidget Time;
    TChartWidget Histogram;
    TRecordDigest Digest;
    QDate FirstDay;         // the day the time chart's abscissa counts from
    double RecordEnd = 0;   // the abscissa of the record's end
    // The time chart's abscissa ticks as the report labels them (see ReportTimeAxis.h).
    TTickMaker TimeTicks() const;
};

// Each chart at size; reads the log once (EInOutError when it cannot be read).
std::unique_ptr<TRecordCharts> MakeRecordCharts(const QString &logPath, const TMetaData &meta, TPopulation population,
                                                TTargetState state, const QSize &size);
