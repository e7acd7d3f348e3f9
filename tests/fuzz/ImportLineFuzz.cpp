// The lines of a memory dump through the import: each input line (ended by LF) goes to
// ImportLine as the port delivers it; the records kept hold readings the record can store.

#include "tests/fuzz/FuzzChecks.h"

#include "model/SampleStatistics.h"
#include "session/DumpLine.h"
#include "session/MemoryImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureCoreApplication();
    const QString dump = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TMemoryImport import;
    import.Begin();
    std::size_t dataLines = 0;
    for (qsizetype start = 0; start < dump.size();) {
        qsizetype end = dump.indexOf(u'\n', start);
        end = end < 0 ? dump.size() : end + 1;
        if (import.ImportLine(dump.mid(start, end - start)) == TImportLineKind::Data)
            ++dataLines;
        start = end;
    }
    const std::vector<TSampleRecord> records = import.EndTransfer();
    Require(records.size() <= dataLines, "at most one record per data line");

    TSampleStatistics statistics;
    statistics.Reset(UnitMWm2);
    for (const TSampleRecord &record : records) {
        RequireFinite(record.Value, "imported reading");
        Require(record.Value >= ImportThreshold, "empty cells are left out");
        statistics.Add(record.Value);
    }
    for (const double number : {statistics.Maximum(), statistics.Minimum(), statistics.Mean()})
        RequireFinite(number, "import statistics");
    return 0;
}
