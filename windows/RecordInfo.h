#pragma once
// What the file manager shows of a record: the fields of its .meta file, the log's size, its
// number of samples and the time they cover.

#include <QLocale>
#include <QString>

#include <optional>

struct TRecordInfo {
    QString Operator;
    QString Place;
    QString Notes;
    QString DateTime;
    QString Unit;
    QString Correction;
    QString Interval;
    QString Size;
    QString Samples;
    QString Duration;
    // What of the .meta cannot be right and what the fields show instead; empty when nothing.
    QString Damage;
};

// None when the log has no .meta file. The number of samples and the duration come from the
// log's size whatever version the .meta file names. Damaged values are shown as their
// replacements, and texts on one line. A .meta file that cannot be read throws EInOutError.
std::optional<TRecordInfo> ReadRecordInfo(const QString &logPath, const QLocale &locale = QLocale::system());
