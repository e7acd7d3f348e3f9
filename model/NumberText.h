#pragma once
// Number texts as the meter writes them. The meter's decimal separator need not be the
// locale's, so a reading may come with "." or ",".

#include "model/DecimalSeparators.h"

#include <QString>

#include <optional>

// The number in text, whichever of "." and "," it uses as its decimal separator: the first
// occurrence of the second character of separators becomes the first one (later ones stay),
// then the text must be a decimal number with that separator: optional sign and exponent,
// blanks around it allowed. nullopt when it is not such a number or is out of range. A null
// first character reads as ".".
std::optional<long double> StrToFloatAnySep(const QString &text,
                                            const TDecSeparators &separators = LocaleDecSeparators());

// A decimal integer with an optional sign after optional leading blanks, and nothing else;
// nullopt when the text is not one or does not fit an int.
std::optional<int> DecimalTextToInt(const QString &text);
