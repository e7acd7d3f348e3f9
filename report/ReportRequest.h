#pragma once
// What a record's report, its CSV export and its pictures are made from: the log, its
// metadata, and the population and state its risk is judged for.

#include "storage/MetaData.h"

#include <QString>
#include <QStringList>

struct TReportRequest {
    QString LogPath;
    TMetaData Meta;     // as read beside the log, or the viewer's defaults
    int Population = 0; // 0 General, 1 Sensitive
    int State = 0;      // 0 Wake, 1 Sleep
    QStringList Damage{}; // what cannot be right in the record's files, one sentence each
};
