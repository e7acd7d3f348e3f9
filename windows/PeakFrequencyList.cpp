#include "windows/PeakFrequencyList.h"

#include "model/FrequencyColours.h"
#include "storage/LocaleTimeText.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QTime>

#include <array>

namespace {

// One sentence on four short lines, each translated where it is shown: the list is narrow.
const std::array<const char *, 4> NoticeLines = {
    QT_TRANSLATE_NOOP("PeakFrequencyList", "The number of"), QT_TRANSLATE_NOOP("PeakFrequencyList", "lines has"),
    QT_TRANSLATE_NOOP("PeakFrequencyList", "exceeded the"), QT_TRANSLATE_NOOP("PeakFrequencyList", "maximum limit")};

QDate DateOfDay(std::int64_t day)
{
    return QDate(1899, 12, 30).addDays(day);
}

} // namespace

TPeakFrequencyModel::TPeakFrequencyModel(QObject *parent)
    : QAbstractListModel(parent), Locale(QLocale::system()), TimeFormat(LocaleLongTimeFormat(Locale))
{
}

void TPeakFrequencyModel::Clear()
{
    beginResetModel();
    Rows.clear();
    Rows.shrink_to_fit();
    PublishedRows = 0;
    Written = 0;
    ListingOn = true;
    HeaderDay = 0;
    endResetModel();
}

void TPeakFrequencyModel::AddRow(TRowKind kind, std::int64_t day, std::int32_t msOfDay, std::uint16_t frequency)
{
    Rows.push_back({day, msOfDay, frequency, kind});
}

void TPeakFrequencyModel::Begin(std::int64_t startDay)
{
    Locale = QLocale::system();
    TimeFormat = LocaleLongTimeFormat(Locale);
    HeaderDay = startDay;
    AddRow(TRowKind::Header, startDay);
    AddRow(TRowKind::Blank);
}

void TPeakFrequencyModel::Add(const TRecordStamp &stamp, std::uint16_t frequency)
{
    if (!ListingOn)
        return;
    if (Written >= LineLimit) {
        AddRow(TRowKind::Blank);
        for (std::size_t line = 0; line < NoticeLines.size(); ++line)
            AddRow(TRowKind::Notice, std::int64_t(line));
        ListingOn = false;
        return;
    }
    if (stamp.Day > HeaderDay) {
        AddRow(TRowKind::Blank);
        AddRow(TRowKind::Header, stamp.Day);
        HeaderDay = stamp.Day;
    }
    AddRow(TRowKind::Line, 0, std::int32_t(stamp.MsOfDay), frequency);
    ++Written;
}

void TPeakFrequencyModel::Publish()
{
    const int total = int(Rows.size());
    if (total == PublishedRows)
        return;
    beginInsertRows(QModelIndex(), PublishedRows, total - 1);
    PublishedRows = total;
    endInsertRows();
}

QString TPeakFrequencyModel::RowText(std::size_t row) const
{
    const TRow &entry = Rows[row];
    switch (entry.Kind) {
    case TRowKind::Header:
        return Locale.toString(DateOfDay(entry.Day), QLocale::ShortFormat);
    case TRowKind::Line:
        return Locale.toString(QTime::fromMSecsSinceStartOfDay(entry.MsOfDay), TimeFormat) + u' ' +
               QString::number(entry.Frequency);
    case TRowKind::Notice:
        return QCoreApplication::translate("PeakFrequencyList", NoticeLines[std::size_t(entry.Day)]);
    case TRowKind::Blank:
        break;
    }
    return {};
}

int TPeakFrequencyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : PublishedRows;
}

QVariant TPeakFrequencyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= PublishedRows)
        return {};
    const TRow &entry = Rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return RowText(std::size_t(index.row()));
    case Qt::ForegroundRole:
        return entry.Kind == TRowKind::Line ? FrequencyColour(entry.Frequency) : QColor(Qt::white);
    case Qt::FontRole:
        if (entry.Kind == TRowKind::Header) {
            QFont bold;
            bold.setBold(true);
            bold.setItalic(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}
