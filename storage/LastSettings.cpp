#include "storage/LastSettings.h"

#include "model/AtomicFileWrite.h"
#include "model/InOutError.h"
#include "model/Units.h"
#include "storage/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>

const char *const LastSettingsFileName = "LastSettings.ls";

namespace {

constexpr int IntervalCount = 7;

[[noreturn]] void Fail(const QString &path, const QString &reason)
{
    throw EInOutError(QDir::toNativeSeparators(path) + ": " + reason);
}

// An optional sign and decimal digits after optional blanks; what follows a blank is ignored.
std::optional<int> LineInteger(const QString &line)
{
    static const QRegularExpression integer(R"(^\s*([+-]?\d+)(\s.*)?$)");
    const QRegularExpressionMatch match = integer.match(line);
    bool ok = false;
    const int value = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString NotAnInteger(int lineNumber, const QString &line)
{
    return QCoreApplication::translate("LastSettings", "line %1 is not an integer: '%2'").arg(lineNumber).arg(line);
}

// Takes one line into the settings; the reason when the line is bad.
using TLineStep = std::optional<QString> (*)(const QString &line, TLastSettings &settings);

// In the order of the file's lines.
constexpr std::array<TLineStep, SettingsLineCount> LineSteps = {
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        settings.AlertsOn = TextToBool(line);
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        settings.Unit = UnitFromName(line);
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        const std::optional<int> index = LineInteger(line);
        if (!index)
            return NotAnInteger(3, line);
        settings.IntervalIndex = *index >= 0 && *index < IntervalCount ? *index : 0;
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        const std::optional<int> points = LineInteger(line);
        if (!points)
            return NotAnInteger(4, line);
        if (*points < 1)
            return QCoreApplication::translate("LastSettings", "line 4 is not a number of points: '%1'").arg(line);
        settings.VisibleSamples = *points;
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        const std::optional<int> correction = LineInteger(line);
        if (!correction)
            return NotAnInteger(5, line);
        settings.Correction = *correction;
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        settings.Population = line.toLower() == "general" ? 0 : 1;
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        settings.State = line.toLower() == "wake" ? 0 : 1;
        return std::nullopt;
    },
    [](const QString &line, TLastSettings &settings) -> std::optional<QString> {
        settings.StatisticsExpanded = line.toLower() == "yes";
        return std::nullopt;
    },
};

} // namespace

QString BoolToText(bool value)
{
    return value ? "True" : "False";
}

bool TextToBool(const QString &text)
{
    return text.toLower() == "true";
}

std::optional<TSettingsFileRead> LoadSettingsFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    TSettingsFileRead read;
    const auto stop = [&read, &path](const QString &reason) {
        read.Error = QDir::toNativeSeparators(path) + ": " + reason;
        return read;
    };
    if (!file.open(QIODevice::ReadOnly))
        return stop(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return stop(file.errorString());
    QStringList lines = FromWindows1252(bytes).split('\n');
    for (QString &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);

    for (int i = 0; i < SettingsLineCount; ++i) {
        if (i >= lines.size())
            return stop(QCoreApplication::translate("LastSettings", "the file holds %1 of its %2 lines")
                            .arg(lines.size())
                            .arg(SettingsLineCount));
        if (const std::optional<QString> reason = LineSteps[static_cast<std::size_t>(i)](lines[i], read.Settings))
            return stop(*reason);
        read.LinesInEffect = i + 1;
    }
    return read;
}

void SaveSettingsFile(const QString &path, const TLastSettings &settings)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        Fail(path, QCoreApplication::translate("LastSettings", "cannot create the folder %1")
                       .arg(QDir::toNativeSeparators(folder)));
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
