#include "publish/RecordBacklog.h"

#include "storage/LogFile.h"
#include "storage/RecordReadings.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <utility>

namespace {

QDateTime LocalTimeOf(const TRecordStamp &stamp)
{
    return QDateTime(QDate(1899, 12, 30).addDays(stamp.Day),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(stamp.MsOfDay)));
}

} // namespace

TRecordBacklog::TRecordBacklog(QString logPath, QString recordName, double startTime, double interval,
                               std::uint8_t unit, std::uint64_t first)
    : LogPath(std::move(logPath)),
      RecordName(std::move(recordName)),
      Clock(startTime, RecordInterval(interval)),
      Unit(unit),
      Next(first),
      Last(first)
{
}

std::vector<TPublishedReading> TRecordBacklog::Take(std::size_t most, TPopulation population, TTargetState state)
{
    std::vector<TPublishedReading> readings;
    if (Empty() || most == 0)
        return readings;
    TLogReader log(LogPath);
    if (log.Count() < Next)
        return readings;
    const auto count =
        static_cast<std::size_t>(std::min<std::uint64_t>({most, Last - Next + 1, log.Count() - Next + 1}));
    std::vector<TSampleRecord> records(count);
    log.SkipTo(Next - 1);
    records.resize(log.Read(records));
    readings.reserve(records.size());
    for (const TSampleRecord &record : records) {
        readings.push_back(MakePublishedReading(LocalTimeOf(Clock.SampleStamp(Next)), Unit, record.Value,
                                                record.Frequency, population, state, RecordName));
        ++Next;
    }
    return readings;
}
