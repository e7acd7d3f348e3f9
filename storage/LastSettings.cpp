#include "storage/LastSettings.h"

#include "model/AtomicFileWrite.h"
#include "model/InOutError.h"
#include "model/Units.h"
#include "storage/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

const char *const LastSettingsFileName = "LastSettings.ls";

namespace {

constexpr int SettingsLines = 8;
constexpr int IntervalCount = 7;

[[noreturn]] void Fail(const QString &path, const QString &reason)
{
    throw EInOutError(QDir::toNativeSeparators(path) + ": " + reason);
}

// An optional sign and decimal digits after optional blanks; what follows a blank is ignored.
int ReadInteger(const QString &path, const QString &line, int lineNumber)
{
    static const QRegularExpression integer(R"(^\s*([+-]?\d+)(\s.*)?$)");
    const QRegularExpressionMatch match = integer.match(line);
    bool ok = false;
    const int value = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
    if (!ok)
        Fail(path, QString("line %1 is not an integer: '%2'").arg(lineNumber).arg(line));
    return value;
}

} // namespace

QString BoolToText(bool value)
{
    return value ? "True" : "False";
}

bool TextToBool(const QString &text)
{
    return text.toLower() == "true";
}

std::optional<TLastSettings> LoadSettingsFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    QStringList lines = FromWindows1252(file.readAll()).split('\n');
    for (QString &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.size() < SettingsLines)
        Fail(path, QString("the file holds %1 of its %2 lines").arg(lines.size()).arg(SettingsLines));

    TLastSettings settings;
    settings.AlertsOn = TextToBool(lines[0]);
    settings.Unit = UnitFromName(lines[1]);
    settings.IntervalIndex = ReadInteger(path, lines[2], 3);
    if (settings.IntervalIndex < 0 || settings.IntervalIndex >= IntervalCount)
        settings.IntervalIndex = 0;
    settings.VisibleSamples = ReadInteger(path, lines[3], 4);
    if (settings.VisibleSamples < 1)
        Fail(path, QString("line 4 is not a number of points: '%1'").arg(lines[3]));
    settings.Correction = ReadInteger(path, lines[4], 5);
    settings.Population = lines[5].toLower() == "general" ? 0 : 1;
    settings.State = lines[6].toLower() == "wake" ? 0 : 1;
    settings.StatisticsExpanded = lines[7].toLower() == "yes";
    return settings;
}

void SaveSettingsFile(const QString &path, const TLastSettings &settings)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        Fail(path, "cannot create the folder " + QDir::toNativeSeparators(folder));
    const QStringList lines = {
        BoolToText(settings.AlertsOn),
        UnitName(settings.Unit).value_or(QString()),
        QString::number(settings.IntervalIndex),
        QString::number(settings.VisibleSamples),
        QString::number(settings.Correction),
        settings.Population == 0 ? "General" : "Sensitive",
        settings.State == 0 ? "Wake" : "Sleep",
        settings.StatisticsExpanded ? "yes" : "no",
    };
    const QByteArray text = ToWindows1252(lines.join("\r\n") + "\r\n");
    ReplaceFileContent(path, text.constData(), static_cast<std::size_t>(text.size()));
}
