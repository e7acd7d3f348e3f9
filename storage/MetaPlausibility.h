#pragma once
// The values of a record's .meta that cannot be right (a damaged file, a file of another
// program), and what is used instead, so that the record viewer, the file manager and the
// export show a damaged record alike and say so.

#include "storage/MetaData.h"

#include <QString>

#include <vector>

// In the order they are told.
enum class TMetaField { Unit, Correction, Interval, StartTime };

struct TCheckedMeta {
    TMetaData Meta;                  // the stored record with every damaged value replaced
    std::vector<TMetaField> Damaged; // empty when every value can be right
};

// A unit other than V/m and mW/m² counts as mW/m² (as for a record without a .meta); a
// correction other than 0, 3 and 6 dB as 0; an interval the meter cannot have (none of its
// table) as DefaultRecordInterval; a start before 1990 or more than a day after now (a day
// count) as now.
TCheckedMeta CheckMeta(const TMetaData &stored, double now);

// "The meta data file holds values that cannot be right: unit, interval. mW/m² and 0.5 sec are
// used instead." - one sentence for the user; empty when nothing is damaged.
QString DamagedMetaText(const TCheckedMeta &checked);
