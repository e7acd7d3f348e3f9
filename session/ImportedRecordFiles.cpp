#include "session/ImportedRecordFiles.h"

#include "model/AtomicFileWrite.h"
#include "model/SampleStatistics.h"
#include "storage/LogFile.h"

void WriteImportedRecord(const QString &logPath, const std::vector<TSampleRecord> &records, TMetaData meta,
                         double savedAt)
{
    ReplaceFileContent(logPath, records.data(), records.size() * sizeof(TSampleRecord));
    TSampleStatistics stored;
    stored.Reset(meta.Unit);
    for (const TSampleRecord &record : records)
        stored.Add(record.Value);
    stored.Histogram().WriteToFile(CompanionToWrite(logPath, QStringLiteral(".histo")));
    meta.Correction = 0;
    WriteMetaFile(CompanionToWrite(logPath, QStringLiteral(".meta")), meta, savedAt);
}
