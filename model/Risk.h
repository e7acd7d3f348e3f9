#pragma once
// Risk assessment: an integer risk index from the power density of a reading, the target
// population and the target state; six categories and a palette of 40 colours on it.

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

// The numbers are those of the choices' items, the settings file and the export's options.
enum class TPopulation : std::uint8_t { General = 0, Sensitive = 1 };
enum class TTargetState : std::uint8_t { Wake = 0, Sleep = 1 };
inline constexpr int RiskPaletteSize = 40;

// The choice of item index (or number) index: 1 is the sensitive population, anything else
// the general one; 0 is the wake state, anything else sleep.
TPopulation PopulationOfIndex(int index);
TTargetState TargetStateOfIndex(int index);

// "Very low", "Low", "Moderate", "High", "Very high", "Extreme": in English whatever the
// language, as files, the export and the published readings carry them.
extern const std::array<QString, 6> RiskCategoryNames;
// The name of category 0 ... 5 in the user's language, for what the windows and the report show.
QString RiskCategoryDisplayName(std::size_t category);

// +10 for the sensitive population, -10 in the wake state.
int RiskOffset(TPopulation population, TTargetState state);

// The risk base of the reading (dB re 1 µW/m², rounded, at least -99; -99 for a reading of
// zero or below) plus the population/state offset.
int EvaluateRisk(std::uint8_t unit, double value, TPopulation population, TTargetState state);

// "Very low" up to 0, then one category per 10: 1 ... 10 "Low" ... 41 and above "Extreme".
QString RiskCategoryName(int index);
// The position of that category in RiskCategoryNames, 0 ... 5.
int RiskCategoryIndex(int index);

// The palette colour of an index, held at entry 0 below 1 and at entry 39 from 39 up.
// Black until LoadRiskPalette has run.
QColor RiskColor(int index);

// Fills the palette from the top row of "Risk Palette.bmp" in resourcesDir. A missing,
// unreadable or narrower than 40 pixels image is reported in an error box and returns
// false: the caller ends the program.
bool LoadRiskPalette(const QString &resourcesDir);

// The colour index of a level histogram class (level in dB re 1 mW/m²): level + 30 + offset.
int HistogramClassRiskIndex(int classLevelDb, TPopulation population, TTargetState state);
