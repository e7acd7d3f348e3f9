#include "session/MemoryImport.h"

#include "session/DumpLine.h"

#include <algorithm>
#include <optional>

TMemoryImport::TMemoryImport()
{
    ImportTimer.setInterval(EndOfTransferMs);
    ImportTimer.setSingleShot(true);
}

void TMemoryImport::Begin()
{
    ImportTimer.stop();
    ImportBuffer.Clear();
    Steps = 0;
    IsCollecting = true;
}

TImportLineKind TMemoryImport::ImportLine(const QString &line)
{
    if (!IsCollecting)
        return TImportLineKind::Ignored;
    if (IsDumpHeaderLine(line))
        return TImportLineKind::Header;
    ImportTimer.stop();
    if (const std::optional<TSampleRecord> record = DumpRecord(line))
        ImportBuffer.Add(*record);
    Steps = std::min(Steps + 1, static_cast<int>(ImportBuffer.Length()));
    // The silence that ends the transfer is counted from the last data line.
    ImportTimer.start();
    return TImportLineKind::Data;
}

std::vector<TSampleRecord> TMemoryImport::EndTransfer()
{
    ImportTimer.stop();
    IsCollecting = false;
    std::vector<TSampleRecord> records = ImportBuffer.Records();
    ImportBuffer.Clear();
    return records;
}
