#pragma once
// The numeric vocabulary of the meter: its two units, field strength to power density,
// the level scales in dB, the correction, the seven measurement intervals and the
// display of values. Free functions without state.
//
// A reading of zero or below (or NaN) has no logarithm. It is given the bottom of every
// scale instead: level -33 dB, histogram class 0, risk base -99. No NaN or infinity comes
// out of any of these functions for such a reading.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

inline constexpr std::uint8_t UnitVm = 0, UnitMWm2 = 1;

// The level histogram and its charts cover -33 ... +33 dB re 1 mW/m² in 1 dB classes.
inline constexpr int LevelFloorDb = -33;
inline constexpr int LevelCeilingDb = 33;
inline constexpr int LevelClassCount = LevelCeilingDb - LevelFloorDb + 1;

// 10 * log10(x), computed in long double and returned as a double. Zero, negative and NaN
// arguments give the level of the smallest positive double (about -3233 dB), infinity that
// of the largest: a finite result below (above) every real level.
double PowerToDB(double x);

// E² / 0.37673 mW/m² (376.73 ohm per milliwatt).
double FieldToDensity(double e);

// The power density of a reading in either unit; 0 for a reading of zero or below or NaN.
double DensityOf(std::uint8_t unit, double value);

// Nearest integer to max(10 * log10(s) + 30, -99), halves to even: dB re 1 µW/m².
int DensityToRiskBase(double s);
// The same from the level already taken, powerDb = PowerToDB(s): for callers that need both.
int LevelToRiskBase(double powerDb);

// 10^(l / 10); exactly 1 for 0.
double DBToPower(double l);

// Decimals that show five significant digits of x (4 below 10, never below 0).
std::uint8_t DisplayDecimals(double x);

// x in fixed-point notation with exactly that many decimals and the locale's decimal
// separator; x is first rounded to 15 significant digits, then to the decimals (halves away
// from zero). No thousands separators, ASCII digits, "-" for negative values.
QString FormatValue(std::uint8_t decimals, double x, const QLocale &locale = QLocale::system());

// "V/m" for 0, "mW/m²" for 1; any other unit has no name (the caller keeps its text).
std::optional<QString> UnitName(std::uint8_t unit);
// 1 for exactly "mW/m²", 0 for any other text.
std::uint8_t UnitFromName(const QString &text);

// The text of the first interval of the table within 0.1 s of seconds; none otherwise.
std::optional<QString> IntervalName(double seconds);
// The seconds of an interval text of the table; none for any other text.
std::optional<double> IntervalSeconds(const QString &text);
// The seconds of the index-th interval of the table (what the settings file keeps); none
// outside it.
std::optional<double> IntervalSecondsAt(int index);

// The user's correction of 0, 3 or 6 dB as a factor on the raw reading (x1.4142 or x2 in V/m,
// x2 or x4 in mW/m²); any other correction leaves the reading as it is. A NaN reading
// becomes 0 and a result beyond the float range is held at its largest value.
float ApplyCorrection(float raw, std::uint8_t unit, int correctionDb);

// The level of a reading in dB re 1 mW/m², clipped to -33 ... 33.
double LevelOf(std::uint8_t unit, double value);

// floor(level) + 33: the level histogram class, 0 ... 66.
int LevelClassIndex(double level);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x);
