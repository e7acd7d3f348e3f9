#pragma once
// The publishing options in a file of their own in the settings folder, never in the settings
// file of the main window: it holds the broker's password, so only its owner may read it.
// One "Key=Value" line per option, UTF-8; a backslash, a line break or a carriage return in a
// value is written as \\, \n or \r.

#include "publish/PublishOptions.h"

#include <QString>

inline const QString PublishOptionsFileName = QStringLiteral("Publishing.ini");

// The options the file holds; a missing file, key or unreadable value leaves the default.
TPublishOptions ReadPublishOptions(const QString &path);
// Replaces the file, readable and writable by its owner alone; throws EInOutError.
void WritePublishOptions(const QString &path, const TPublishOptions &options);
