#include "app/MemoryImport.h"

#include "app/DumpLine.h"

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
