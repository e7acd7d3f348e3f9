#pragma once
// A translation catalogue (.ts) as the tests read it: which source texts have a translation
// in it, and which entries are not ready (unfinished, vanished or obsolete), by name.

#include <QSet>
#include <QString>
#include <QStringList>

struct TCatalogue {
    // Source texts whose translation differs from them ("OK" translated as "OK" is not here).
    QSet<QString> Translated;
    // "Context: source (unfinished)" and the like, for a failure to name.
    QStringList NotReady;
};

// Fails the current test when the file cannot be read.
TCatalogue ReadCatalogue(const QString &path);

// The catalogue of the program for "fr" or "it" in the source tree.
QString SourceCataloguePath(const QString &languageCode);
