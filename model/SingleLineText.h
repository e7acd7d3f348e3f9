#pragma once
// Texts from files that may be damaged, put on one line of a "key: value" listing.

#include <QString>

// text with every control character (CR, LF, NUL, ESC, DEL, the C1 range …) replaced by
// U+FFFD, so that it cannot break or rewrite the line it stands on and the damage stays visible.
QString SingleLineText(const QString &text);
