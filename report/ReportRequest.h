#pragma once
// What a record's report, its CSV export and its pictures are made from: the log, its
// metadata, and the population and state its risk is judged for.

#include "model/Risk.h"
#include "storage/MetaData.h"

#include <QString>
#include <QStringList>

struct TReportRequest {
    QString LogPath;
    TMetaData Meta; // as read beside the log, or the viewer's defaults
    TPopulation Population = TPopulation::General;
    TTargetState State = TTargetState::Wake;
    QStringList Damage{}; // what cannot be right in the record's files, one sentence each
};
