#pragma once
// The record viewer's two charts of a record, made off screen with the program's chart
// control: every sample on the time chart at the viewer's full view, and the level histogram
// in the risk colours of a population and state.

#include "charts/ChartWidget.h"
#include "report/RecordDigest.h"
#include "storage/MetaData.h"

#include <QSize>

#include <memory>

struct TRecordCharts {
    TChartWidget Time;
    TChartWidget Histogram;
    TRecordDigest Digest;
};

// Each chart at size; reads the log once (EInOutError when it cannot be read).
std::unique_ptr<TRecordCharts> MakeRecordCharts(const QString &logPath, const TMetaData &meta, TPopulation population,
                                                TTargetState state, const QSize &size);
