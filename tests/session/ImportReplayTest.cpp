// The end of a memory import: the transfer reversed, replayed through the pipeline, and
// saved as a record once it has been named and described.

#include "tests/session/SessionTestSupport.h"

#include "session/ReverseRecords.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaData.h"
#include "tests/support/StoredValues.h"

#include <QFileInfo>

namespace {

std::vector<TSampleRecord> RecordsOf(const std::vector<float> &values)
{
    std::vector<TSampleRecord> records(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        records[i].Value = values[i];
    return records;
}

std::vector<float> Reversed(const std::vector<float> &values, std::size_t count)
{
    std::vector<TSampleRecord> records = RecordsOf(values);
    ReverseRecords(records, count);
    return StoredValues(records);
}

} // namespace

TEST(ReverseRecords, MirrorsTheFirstCountRecordsOrAllOfThemForZero)
{
    EXPECT_EQ(Reversed({1, 2, 3, 4, 5}, 0), (std::vector<float>{5, 4, 3, 2, 1}));
    EXPECT_EQ(Reversed({1, 2, 3, 4}, 0), (std::vector<float>{4, 3, 2, 1}));
    EXPECT_EQ(Reversed({1, 2, 3, 4, 5}, 3), (std::vector<float>{3, 2, 1, 4, 5}));
    EXPECT_EQ(Reversed({1, 2, 3}, 7), (std::vector<float>{3, 2, 1}));
    EXPECT_TRUE(Reversed({}, 0).empty());
}

TEST_F(SessionTest, AnImportIsReplayedInTheOrderOfItsMeasurementAndSavedOnceDescribed)
{
    Session.BeginImport();
    EXPECT_EQ(RecordingState, Importing);
    std::vector<TSampleRecord> records = RecordsOf({1.0f, 2.0f, 4.0f});
    std::vector<float> replayed;
    QObject::connect(&Session, &TAcquisitionSession::SampleProcessed, [&] { replayed.push_back(Session.CurrentValue()); });
    Session.ReplayImport(records, {UnitMWm2, 1.0, 0, 60});
    EXPECT_EQ(StoredValues(records), (std::vector<float>{4.0f, 2.0f, 1.0f}));
    EXPECT_EQ(replayed, StoredValues(records));
    EXPECT_EQ(Session.VisibleSamples(), 3u);
    EXPECT_EQ(Session.Statistics().SampleCount(), 3u);

    const QString named = LogDir() + "Import1.zlog";
    Session.SaveImportedRecord(named, records, [] { return false; });
    EXPECT_EQ(Session.CurrentLogFile(), named);
    EXPECT_FALSE(QFileInfo::exists(named));

    Now = Now.addSecs(60);
    Session.SaveImportedRecord(named, records, [] { return true; });
    EXPECT_EQ(ReadWholeFile(named).size(), 24);
    TMetaData meta;
    ReadMetaFile(CompanionName(named, ".meta"), meta);
    EXPECT_EQ(meta.StartTime, ToTDateTime(Now));
    EXPECT_EQ(meta.Correction, 0);
    Session.EndImport();
    EXPECT_EQ(RecordingState, Stopped);
}
