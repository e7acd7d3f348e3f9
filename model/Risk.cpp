#include "model/Risk.h"

#include "model/Units.h"

#include <QCoreApplication>

#include <algorithm>

const std::array<QString, 6> RiskCategoryNames{
    QStringLiteral(QT_TRANSLATE_NOOP("Risk", "Very low")), QStringLiteral(QT_TRANSLATE_NOOP("Risk", "Low")),
    QStringLiteral(QT_TRANSLATE_NOOP("Risk", "Moderate")), QStringLiteral(QT_TRANSLATE_NOOP("Risk", "High")),
    QStringLiteral(QT_TRANSLATE_NOOP("Risk", "Very high")), QStringLiteral(QT_TRANSLATE_NOOP("Risk", "Extreme")),
};

QString RiskCategoryDisplayName(std::size_t category)
{
    return QCoreApplication::translate("Risk", RiskCategoryNames[category].toUtf8().constData());
}

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
