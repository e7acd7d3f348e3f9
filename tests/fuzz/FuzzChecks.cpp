#include "tests/fuzz/FuzzChecks.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

void FuzzFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

void Require(bool condition, const char *what, const QString &detail)
{
    if (!condition)
        FuzzFailure(what, detail);
}

void RequireFinite(double value, const char *what)
{
    if (!std::isfinite(value))
        FuzzFailure(what, QString::number(value));
}

void RequireNoNonFiniteText(const QString &text, const char *what)
{
    if (text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
        || text.contains(QStringLiteral("inf"), Qt::CaseInsensitive))
        FuzzFailure(what, text);
}

QString ScratchPath(const QString &name)
{
    static const std::unique_ptr<QTemporaryDir> folder = std::make_unique<QTemporaryDir>();
    return folder->filePath(name);
}

QString ScratchFile(const QString &name, const std::uint8_t *data, std::size_t size)
{
    const QString path = ScratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        FuzzFailure("cannot write the scratch file", path);
    return path;
}

void RequireSoundSummary(const QByteArray &summary)
{
    static const QList<QByteArray> keys = {
        "file",       "operator",      "place",      "notes",     "start",          "unit",
        "correction", "interval",      "samples",    "maximum",   "minimum",        "mean",
        "range_db",   "mode_class_db", "mode_value", "histogram", "risk_index_max", "risk_category_max",
    };
    Require(summary.endsWith('\n'), "summary ends with a line end");
    const QList<QByteArray> lines = summary.chopped(1).split('\n');
    Require(lines.size() == keys.size(), "summary has one line per key", QString::fromUtf8(summary));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]);
        Require(lines[i].startsWith(keys[i] + ": "), "summary line starts with its key", line);
        for (const QChar c : line)
            Require(c.category() != QChar::Other_Control, "no control character in a summary line", line);
        // The texts of the record may spell anything; its numbers must be numbers.
        if (i > 3)
            RequireNoNonFiniteText(line, "summary number");
    }
}

void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "zeltar-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}
