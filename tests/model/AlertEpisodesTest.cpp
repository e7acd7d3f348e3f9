// Alert episodes of a record's samples at 1 s for the general public awake, default limit
// ("High" and up) and hold time (10 s): 0.1 mW/m² is "Low", 5 "High", 50 "Very high".

#include "model/AlertEpisodes.h"
#include "model/Units.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TAlertEpisode> Episodes(const std::vector<double> &values, double interval = 1.0)
{
    TAlertEpisodeFinder finder(TAlertLimit{}, UnitMWm2, interval, TPopulation::General, TTargetState::Wake);
    for (const double value : values)
        finder.Add(value);
    return finder.Episodes();
}

TEST(AlertEpisodes, StartAtTheLimitHoldThroughShortDipsAndEndAfterTheHoldTime)
{
    std::vector<double> values(5, 0.1);          // samples 1 ... 5 below
    values.push_back(5);                         // 6: starts
    values.insert(values.end(), 4, 0.1);         // 7 ... 10: a dip of 4 s
    values.push_back(5);                         // 11: the same episode
    values.push_back(50);                        // 12: its peak
    values.insert(values.end(), 15, 0.1);        // 13 ... 27: below from 12 s, ends at 22 s (sample 23)
    values.push_back(5);                         // 28: a second one
    values.insert(values.end(), 3, 0.1);         // still on at the end
    EXPECT_EQ(Episodes(values), (std::vector<TAlertEpisode>{{6, 23, 50, true}, {28, 31, 5, false}}));
    // At 10 s a sample the second one below ends it.
    EXPECT_EQ(Episodes({5, 0.1, 0.1, 5}, 10.0), (std::vector<TAlertEpisode>{{1, 3, 5, true}, {4, 4, 5, false}}));
}

} // namespace
