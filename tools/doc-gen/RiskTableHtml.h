#pragma once
// The risk threshold tables of the help documents, as HTML in the document's language:
// one table per scale (rounded level, power density, field strength), the six categories
// down, the four population/state choices across.

#include "tools/doc-gen/RiskThresholds.h"

#include <QImage>
#include <QString>

#include <array>

// The image name under which a category's colour strip is looked up ("riskcolours:2").
QString RiskColourImageName(int category);

// The palette colours the program gives the readings of a category, left to right, as a
// strip to show in the tables. Drawn from the loaded risk palette.
QImage RiskColourStrip(int category);

// language: "en", "fr" or "it"; anything else throws std::invalid_argument. With colours,
// each table gets a column of colour strips named by RiskColourImageName.
QString RiskTablesHtml(const std::array<TRiskColumn, 4> &columns, const QString &language, bool withColours);

// value with `digits` significant figures in fixed notation, in the language's number format
// ("0.001122", "0,001122"); negative values take a true minus sign.
QString SignificantText(double value, int digits, const QString &language);
