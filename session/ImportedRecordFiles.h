#pragma once
// The three files of a record imported from the meter's memory.

#include "model/SampleRecord.h"
#include "storage/MetaData.h"

#include <QString>

#include <vector>

// The log under logPath made anew with records in their given order (an existing one is
// replaced whole), then their level histogram as its ".histo" and meta as its ".meta" with
// savedAt (a day count) as the start time. The records hold the readings as the meter sent
// them, so the histogram is counted from them and the metadata says no correction: all three
// files describe the same values. A file that cannot be written throws EInOutError; the files
// before it are written by then.
void WriteImportedRecord(const QString &logPath, const std::vector<TSampleRecord> &records, TMetaData meta,
                         double savedAt);
