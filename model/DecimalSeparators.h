#pragma once
// The decimal separator of the user's locale, and the other one of "." and ",": numbers
// from the meter may come with either.

#include <QChar>
#include <QLocale>

#include <array>
#include <optional>

// Found by formatting 123.456 with 3 decimals; none when the text holds neither "," nor ".".
// The default locale is the system's, as the program never sets another one.
std::optional<std::array<QChar, 2>> FindDecSeparators(const QLocale &locale = QLocale());

// Makes the locale's separators the ones numbers are read with (DecSeparators); when they
// cannot be found, says so in a box and leaves DecSeparators as they are.
void CheckDecimalSeparator(const QLocale &locale = QLocale());
