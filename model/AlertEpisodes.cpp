#include "model/AlertEpisodes.h"

TAlertEpisodeFinder::TAlertEpisodeFinder(const TAlertLimit &limit, std::uint8_t unit, double interval,
                                         TPopulation population, TTargetState state)
    : Rule(limit, population, state), Unit(unit), Interval(interval)
{
}

void TAlertEpisodeFinder::Add(double value)
{
    ++Count;
    const TAlertRule::TChange change = Rule.Take(double(Count - 1) * Interval, Unit, value);
    if (change == TAlertRule::TChange::Started)
        Found.push_back({Count, Count, value, false});
    if (Found.empty() || Found.back().Ended)
        return;
    TAlertEpisode &episode = Found.back();
    episode.EndSample = Count;
    episode.Peak = Rule.Peak();
    episode.Ended = change == TAlertRule::TChange::Ended;
}
