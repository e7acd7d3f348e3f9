#pragma once
// The decimal separator of the user's locale, and the other one of "." and ",": numbers
// from the meter may come with either.

#include <QChar>
#include <QLocale>

#include <array>
#include <optional>

// The locale's separator, then the other one; a null second character translates nothing.
using TDecSeparators = std::array<QChar, 2>;

// Found by formatting 123.456 with 3 decimals; none when the text holds neither "," nor ".".
// The default locale is the system's, as the program never sets another one.
std::optional<TDecSeparators> FindDecSeparators(const QLocale &locale = QLocale());

// The separators numbers are read with: those of the default locale, found at the first call.
// When the locale has neither, "." alone.
const TDecSeparators &LocaleDecSeparators();

// Says in a box that the separators of locale cannot be found; numbers are then read with "."
// alone.
void CheckDecimalSeparator(const QLocale &locale = QLocale());
