#include "model/Risk.h"

#include "model/Units.h"

#include <algorithm>

const std::array<QString, 6> RiskCategoryNames{
    QStringLiteral("Very low"), QStringLiteral("Low"),       QStringLiteral("Moderate"),
    QStringLiteral("High"),     QStringLiteral("Very high"), QStringLiteral("Extreme"),
};

TPopulation PopulationOfIndex(int index)
{
    return index == 1 ? TPopulation::Sensitive : TPopulation::General;
}

TTargetState TargetStateOfIndex(int index)
{
    return index == 0 ? TTargetState::Wake : TTargetState::Sleep;
}

int RiskOffset(TPopulation population, TTargetState state)
{
    return (population == TPopulation::Sensitive ? 10 : 0) - (state == TTargetState::Wake ? 10 : 0);
}

int EvaluateRisk(std::uint8_t unit, double value, TPopulation population, TTargetState state)
{
    return DensityToRiskBase(DensityOf(unit, value)) + RiskOffset(population, state);
}

int RiskCategoryIndex(int index)
{
    return index <= 0 ? 0 : std::min((index - 1) / 10 + 1, 5);
}

QString RiskCategoryName(int index)
{
    return RiskCategoryNames[static_cast<std::size_t>(RiskCategoryIndex(index))];
}

int HistogramClassRiskIndex(int classLevelDb, TPopulation population, TTargetState state)
{
    return classLevelDb + 30 + RiskOffset(population, state);
}
