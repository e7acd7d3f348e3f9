#pragma once
// The record viewer's list of reported peak frequencies: a bold date header for every day,
// then one line per sample with a frequency, "time frequency" in the colour of its
// thousands, up to 100000 lines and then a notice. Lines are kept as numbers and turned into
// text only when the view shows them, so a long list costs little to build and to scroll.
// New lines reach the view in batches (Publish), not one by one.

#include "storage/RecordClock.h"

#include <QAbstractListModel>
#include <QLocale>

#include <cstdint>
#include <vector>

class TPeakFrequencyModel : public QAbstractListModel {
public:
    static constexpr std::uint32_t LineLimit = 100000;

    explicit TPeakFrequencyModel(QObject *parent = nullptr);

    // Empties the list and switches listing on.
    void Clear();
    // The header of the record's first day followed by a blank line; later headers follow
    // the day of the lines.
    void Begin(std::int64_t startDay);
    // The line of a sample taken at stamp; a header first when it is on a later day than the
    // last header. Once LineLimit lines are written, the notice instead, and listing goes off.
    void Add(const TRecordStamp &stamp, std::uint16_t frequency);
    // Hands the lines added since the last call to the view.
    void Publish();

    bool Listing() const { return ListingOn; }
    std::uint32_t LinesWritten() const { return Written; }
    // The text of a row as the view shows it (also for rows not yet published).
    QString RowText(std::size_t row) const;
    std::size_t PendingRowCount() const { return Rows.size(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    enum class TRowKind : std::uint8_t { Blank, Header, Line, Notice };
    struct TRow {
        std::int64_t Day;         // Header: the day; Notice: which of its lines
        std::int32_t MsOfDay;     // Line
        std::uint16_t Frequency;  // Line
        TRowKind Kind;
    };

    void AddRow(TRowKind kind, std::int64_t day = 0, std::int32_t msOfDay = 0, std::uint16_t frequency = 0);

    std::vector<TRow> Rows;
    int PublishedRows = 0;
    std::uint32_t Written = 0;
    bool ListingOn = true;
    std::int64_t HeaderDay = 0;
    QLocale Locale;
    QString TimeFormat;
};
