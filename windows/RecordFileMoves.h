#pragma once
// Moving and trashing a record as a whole: its log and the companions that share its base
// name. Names are taken literally: "*" and "?" in a record's name are ordinary characters.

#include "storage/FileUtils.h"

#include <QString>
#include <QStringList>

// The companions a record is archived and restored with, in the order they move.
inline const QStringList RecordExtensions = {QStringLiteral(".zlog"), QStringLiteral(".histo"),
                                             QStringLiteral(".meta")};

// baseName, or "baseName (2)", "baseName (3)" ... : the first under which none of the record's
// files exists in folder (ending with '/'), so that the moved files stay together.
QString FreeRecordBaseName(const QString &folder, const QString &baseName);

// Moves the .zlog, .histo and .meta of logPath into folder (ending with '/') under one free
// base name. Each move stands alone: a failure (a missing companion, for one) is told in an
// error box and the others go on. Returns how many files moved.
int MoveRecordFiles(const QString &logPath, const QString &folder);

// Moves to the trash every plain file of the log's folder that has the log's base name and any
// extension (the log and its companions; not a name beginning with "."); returns how many went
// and adds each file that stayed, with the reason, to failures.
int RecycleRecordFiles(const QString &logPath, QList<TRecycleFailure> &failures);
