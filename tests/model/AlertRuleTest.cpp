// The alert rule: when an alert starts and ends, by level or by risk category.

#include "model/AlertRule.h"

#include "model/Units.h"
#include "storage/DateTimeConvert.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <vector>

namespace {

using TChange = TAlertRule::TChange;

// General population awake: a reading of 1.3 mW/m² is High, 1.0 mW/m² only Moderate.
constexpr double HighMWm2 = 1.3, ModerateMWm2 = 1.0;

// Readings in V/m at the given times.
std::vector<TChange> Feed(TAlertRule &rule, const std::vector<std::pair<double, double>> &readings)
{
    std::vector<TChange> changes;
    for (const auto &[time, value] : readings)
        changes.push_back(rule.Take(time, UnitVm, value));
    return changes;
}

// For the general population awake.
TAlertRule Rule(std::optional<int> category, std::optional<double> level, double holdSeconds = 10)
{
    return TAlertRule({.Category = category, .Level = level, .HoldSeconds = holdSeconds}, TPopulation::General,
                      TTargetState::Wake);
}

} // namespace

TEST(AlertRule, StartsAtTheLimitAndEndsOnlyAfterTheReadingsStayedBelowForTheHoldTime)
{
    TAlertRule rule = Rule(std::nullopt, 2.0);
    // Just below, then exactly at the limit; hovering about it keeps the one alert going, and a
    // reading at the limit again restarts the hold.
    EXPECT_EQ(Feed(rule, {{0, 1.999}, {1, 2.0}, {2, 1.5}, {3, 2.5}, {4, 1.9}, {13, 2.0}, {14, 1.0}}),
              (std::vector{TChange::None, TChange::Started, TChange::None, TChange::None, TChange::None, TChange::None,
                           TChange::None}));
    EXPECT_TRUE(rule.Active());
    EXPECT_EQ(rule.Peak(), 2.5);
    // Below since 14: still on just short of 10 s, over at 10 s; the peak stays readable.
    EXPECT_EQ(Feed(rule, {{23.9, 1.0}, {24, 1.0}, {25, 1.0}}), (std::vector{TChange::None, TChange::Ended, TChange::None}));
    EXPECT_FALSE(rule.Active());
    EXPECT_EQ(rule.Peak(), 2.5);
    // The next alert has a peak of its own.
    EXPECT_EQ(rule.Take(30, UnitVm, 2.1), TChange::Started);
    EXPECT_EQ(rule.Peak(), 2.1);

    // No hold: the first reading below ends it. A clock set back restarts the hold, it does
    // not keep the alert for ever.
    TAlertRule immediate = Rule(std::nullopt, 2.0, 0);
    EXPECT_EQ(Feed(immediate, {{0, 3.0}, {1, 1.0}}), (std::vector{TChange::Started, TChange::Ended}));
    TAlertRule setBack = Rule(std::nullopt, 2.0);
    EXPECT_EQ(Feed(setBack, {{100, 3.0}, {101, 1.0}, {50, 1.0}, {59, 1.0}, {60, 1.0}}),
              (std::vector{TChange::Started, TChange::None, TChange::None, TChange::None, TChange::Ended}));
}

TEST(AlertRule, ACategoryIsJudgedForThePopulationAndStateAndALevelTakesItsPlace)
{
    // The default limit is High.
    TAlertRule rule(TAlertLimit{}, TPopulation::General, TTargetState::Wake);
    EXPECT_EQ(rule.Take(0, UnitMWm2, ModerateMWm2), TChange::None);
    EXPECT_EQ(rule.Take(1, UnitMWm2, HighMWm2), TChange::Started);
    EXPECT_EQ(rule.Take(2, UnitMWm2, ModerateMWm2), TChange::None);
    // The same reading is High for the sensitive population, so the alert goes on where it
    // would have ended; asleep, the general population counts as the sensitive one awake.
    rule.SetTarget(TPopulation::Sensitive, TTargetState::Wake);
    EXPECT_EQ(rule.Take(12, UnitMWm2, ModerateMWm2), TChange::None);
    rule.SetTarget(TPopulation::General, TTargetState::Sleep);
    EXPECT_EQ(rule.Take(20, UnitMWm2, ModerateMWm2), TChange::None);
    // Back to the general population awake the reading is only Moderate and the hold runs out.
    rule.SetTarget(TPopulation::General, TTargetState::Wake);
    EXPECT_EQ(rule.Take(21, UnitMWm2, ModerateMWm2), TChange::None);
    EXPECT_EQ(rule.Take(30.9, UnitMWm2, ModerateMWm2), TChange::None);
    EXPECT_EQ(rule.Take(31, UnitMWm2, ModerateMWm2), TChange::Ended);

    // The category follows the unit: 22 V/m is far above High, 0.5 V/m below it.
    EXPECT_FALSE(rule.Reaches(UnitVm, 0.5));
    EXPECT_TRUE(rule.Reaches(UnitVm, 22.0));
    // Extreme is the top category; Very low is reached by any reading, also zero.
    EXPECT_FALSE(Rule(5, std::nullopt).Reaches(UnitVm, 5.0));
    EXPECT_TRUE(Rule(0, std::nullopt).Reaches(UnitVm, 0.0));

    // A level replaces the category: a High reading below the level raises nothing, and the
    // level is compared as it stands, in the unit of the readings.
    TAlertRule level({.Category = 3, .Level = 5.0, .HoldSeconds = 10}, TPopulation::Sensitive, TTargetState::Sleep);
    EXPECT_FALSE(level.Reaches(UnitMWm2, HighMWm2));
    EXPECT_TRUE(level.Reaches(UnitMWm2, 5.0));
    EXPECT_TRUE(level.Reaches(UnitVm, 5.0));
}

TEST(AlertRule, EndsAtTheHoldTimeOnTheClockOfARecordsDayCounts)
{
    // The session and the records time samples as day counts since 1899: seconds made from them
    // carry rounding in their last bits, which must not move the end by one sample.
    for (int day = 0; day < 200; ++day) {
        TAlertRule rule = Rule(std::nullopt, 2.0);
        const QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 0)).addMSecs(day * 1237);
        const auto seconds = [start](int sample) { return ToTDateTime(start.addMSecs(sample * 500)) * 86400.0; };
        int ended = -1;
        for (int sample = 0; sample < 40 && ended < 0; ++sample)
            if (rule.Take(seconds(sample), UnitVm, sample == 0 ? 3.0 : 1.0) == TChange::Ended)
                ended = sample;
        ASSERT_EQ(ended, 21) << "start " << start.toString(Qt::ISODateWithMs).toStdString(); // below from sample 1 on; 10 s later is sample 21
    }
}
