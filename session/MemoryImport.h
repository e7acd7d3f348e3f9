#pragma once
// Collecting the meter's memory dump: the records of the data lines go into ImportBuffer,
// and ImportTimer, restarted by each data line, marks the end of the transfer after 100 ms
// without one. Header lines neither store anything nor start the timer.

#include "session/ImportBuffer.h"

#include <QString>
#include <QTimer>

#include <vector>

enum class TImportLineKind {
    Header,  // names the "Interval"
    Data,    // a data line, stored or not; the progress advances by one
    Ignored, // came when no transfer was being collected
};

class TMemoryImport {
public:
    static constexpr int EndOfTransferMs = 100;

    TMemoryImport();

    // A new transfer: the buffer emptied, the progress at 0, the timer off until the first
    // data line.
    void Begin();
    // One line of the transfer, CR LF included.
    TImportLineKind ImportLine(const QString &line);
    // Stops the timer and hands over the records, first arrived first. Lines that come later
    // are ignored until the next Begin, so a transfer is never ended twice.
    std::vector<TSampleRecord> EndTransfer();

    // The data lines of this transfer, stored or not, but never beyond the buffer's room:
    // the progress stands still at its end until the buffer grows.
    int Progress() const { return Steps; }

    TImportBuffer ImportBuffer;
    QTimer ImportTimer;

private:
    bool IsCollecting = false;
    int Steps = 0;
};
