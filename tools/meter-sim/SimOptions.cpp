#include "tools/meter-sim/SimOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

constexpr double MaxSeconds = 86400.0; // timers and durations stay far from overflow

const QRegularExpression ListSeparators(QStringLiteral("[,;\\s]+"));

struct TOptionReader {
    QCommandLineParser &Parser;
    QString Error;

    std::optional<double> Number(const QString &name, double minimum, double maximum)
    {
        bool ok = false;
        const double value = Parser.value(name).toDouble(&ok);
        if (!ok || !(value >= minimum && value <= maximum)) {
            Fail(QStringLiteral("--%1 needs a number from %2 to %3").arg(name).arg(minimum).arg(maximum));
            return std::nullopt;
        }
        return value;
    }

    std::optional<qint64> Whole(const QString &name, qint64 minimum)
    {
        bool ok = false;
        const qint64 value = Parser.value(name).toLongLong(&ok);
        if (!ok || value < minimum) {
            Fail(QStringLiteral("--%1 needs a whole number not below %2").arg(name).arg(minimum));
            return std::nullopt;
        }
        return value;
    }

    std::optional<QList<double>> NumberList(const QString &text, const QString &what)
    {
        QList<double> numbers;
        for (const QString &item : text.split(ListSeparators, Qt::SkipEmptyParts)) {
            bool ok = false;
            numbers.append(item.toDouble(&ok));
            if (!ok) {
                Fail(QStringLiteral("%1: \"%2\" is not a number").arg(what, item));
                return std::nullopt;
            }
        }
        if (numbers.isEmpty()) {
            Fail(QStringLiteral("%1 holds no number").arg(what));
            return std::nullopt;
        }
        return numbers;
    }

    void Fail(const QString &text)
    {
        if (Error.isEmpty())
            Error = text;
    }
};

void AddOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Plays the ZELTAR meter over a pseudo-terminal (or a serial device): writes its\n"
        "measurement, dBm and stray lines, or a memory dump. The first line printed is the\n"
        "path of the terminal to open. Without --count it runs until interrupted."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("interval"), QStringLiteral("Seconds between lines (default 1)."), QStringLiteral("seconds"), QStringLiteral("1")},
        {QStringLiteral("values"), QStringLiteral("Readings sent in turn, repeated: e.g. 0.5,1.2,3."), QStringLiteral("list")},
        {QStringLiteral("values-file"), QStringLiteral("File of readings sent in turn, repeated (blank, comma or line separated)."), QStringLiteral("path")},
        {QStringLiteral("pattern"), QStringLiteral("Readings from a pattern: steady, ramp or walk (default steady)."), QStringLiteral("name"), QStringLiteral("steady")},
        {QStringLiteral("level"), QStringLiteral("Steady value, and where ramp and walk start (default 1)."), QStringLiteral("value"), QStringLiteral("1")},
        {QStringLiteral("step"), QStringLiteral("Ramp increment, and the largest change of a walk step (default 0.1)."), QStringLiteral("value"), QStringLiteral("0.1")},
        {QStringLiteral("max"), QStringLiteral("Ramp restarts at --level above it; a walk stays below it (default 100)."), QStringLiteral("value"), QStringLiteral("100")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the walk and of --chunked (default 1)."), QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("count"), QStringLiteral("Send n readings, then stop."), QStringLiteral("n")},
        {QStringLiteral("frequency"), QStringLiteral("Peak frequency of every line, 0 = none (default 0)."), QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("frequencies"), QStringLiteral("Peak frequencies sent in turn, repeated: e.g. 900,1800,0."), QStringLiteral("list")},
        {QStringLiteral("decimal-comma"), QStringLiteral("Write readings with \",\" as the decimal separator.")},
        {QStringLiteral("dbm"), QStringLiteral("Write 13-character dBm lines instead of measurement lines.")},
        {QStringLiteral("stray"), QStringLiteral("Write this text (plus CR LF) as one stray line."), QStringLiteral("text")},
        {QStringLiteral("stray-at"), QStringLiteral("Line number of the stray line among all lines written (default 1)."), QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("dump"), QStringLiteral("Send a memory dump: header lines holding \"Interval\", then n data lines as fast as 9600 baud allows, then silence."), QStringLiteral("n")},
        {QStringLiteral("baud-pace"), QStringLiteral("on (default): a dump is paced at 9600 baud; off: as fast as possible."), QStringLiteral("on|off"), QStringLiteral("on")},
        {QStringLiteral("chunked"), QStringLiteral("Write each line in random pieces with pauses of 1 to 5 ms.")},
        {QStringLiteral("device"), QStringLiteral("Write to this serial device (set to 9600 8N1 raw) instead of a new pseudo-terminal."), QStringLiteral("path")},
        {QStringLiteral("link"), QStringLiteral("Make path a symbolic link to the terminal; removed on exit."), QStringLiteral("path")},
        {QStringLiteral("wait-reader"), QStringLiteral("Start counting intervals only once a program has opened the terminal.")},
        {QStringLiteral("linger"), QStringLiteral("Seconds of silence after the last line before exiting, negative = until interrupted (default 1)."), QStringLiteral("seconds"), QStringLiteral("1")},
    });
}

std::optional<TValuePattern> PatternNamed(const QString &name)
{
    if (name == QLatin1StringView("steady"))
        return TValuePattern::Steady;
    if (name == QLatin1StringView("ramp"))
        return TValuePattern::Ramp;
    if (name == QLatin1StringView("walk"))
        return TValuePattern::Walk;
    return std::nullopt;
}

} // namespace

TSimOptionsParse ParseSimOptions(const QStringList &arguments)
{
    TSimOptionsParse result;
    TSimOptions &options = result.Options;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        result.Error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.HelpText = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.Error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return result;
    }

    TOptionReader read{parser, QString()};
    options.IntervalSeconds = read.Number(QStringLiteral("interval"), 0.001, MaxSeconds).value_or(0);
    options.Pattern.Level = read.Number(QStringLiteral("level"), -1e9, 1e9).value_or(0);
    options.Pattern.Step = read.Number(QStringLiteral("step"), 0, 1e9).value_or(0);
    options.Pattern.Max = read.Number(QStringLiteral("max"), 0, 1e9).value_or(0);
    const qint64 seed = read.Whole(QStringLiteral("seed"), 0).value_or(0);
    options.Pattern.Seed = static_cast<quint32>(seed);
    options.ChunkSeed = static_cast<quint32>(seed);
    options.StrayAt = read.Whole(QStringLiteral("stray-at"), 1).value_or(1);
    options.LingerSeconds = read.Number(QStringLiteral("linger"), -MaxSeconds, MaxSeconds).value_or(0);
    options.DecimalComma = parser.isSet(QStringLiteral("decimal-comma"));
    options.Dbm = parser.isSet(QStringLiteral("dbm"));
    options.Chunked = parser.isSet(QStringLiteral("chunked"));
    options.WaitForReader = parser.isSet(QStringLiteral("wait-reader"));
    options.StrayText = parser.value(QStringLiteral("stray")).toLatin1();
    options.DevicePath = parser.value(QStringLiteral("device"));
    options.LinkPath = parser.value(QStringLiteral("link"));

    if (const std::optional<TValuePattern> pattern = PatternNamed(parser.value(QStringLiteral("pattern"))))
        options.Pattern.Pattern = *pattern;
    else
        read.Fail(QStringLiteral("--pattern is one of steady, ramp, walk"));
    if (options.Pattern.Pattern == TValuePattern::Ramp && options.Pattern.Step <= 0)
        read.Fail(QStringLiteral("a ramp needs a --step above 0"));

    const QString pace = parser.value(QStringLiteral("baud-pace"));
    if (pace != QLatin1StringView("on") && pace != QLatin1StringView("off"))
        read.Fail(QStringLiteral("--baud-pace is on or off"));
    options.BaudPace = pace == QLatin1StringView("on");

    if (parser.isSet(QStringLiteral("count")))
        options.Count = read.Whole(QStringLiteral("count"), 0).value_or(0);
    if (parser.isSet(QStringLiteral("dump")))
        options.DumpRecords = read.Whole(QStringLiteral("dump"), 0).value_or(0);
    if (parser.isSet(QStringLiteral("count")) && parser.isSet(QStringLiteral("dump")))
        read.Fail(QStringLiteral("--count and --dump exclude each other"));

    if (parser.isSet(QStringLiteral("values")) && parser.isSet(QStringLiteral("values-file")))
        read.Fail(QStringLiteral("--values and --values-file exclude each other"));
    if (parser.isSet(QStringLiteral("values"))) {
        options.Values = read.NumberList(parser.value(QStringLiteral("values")), QStringLiteral("--values")).value_or(QList<double>());
    } else if (parser.isSet(QStringLiteral("values-file"))) {
        QFile file(parser.value(QStringLiteral("values-file")));
        if (file.open(QIODevice::ReadOnly))
            options.Values = read.NumberList(QString::fromLatin1(file.readAll()), file.fileName()).value_or(QList<double>());
        else
            read.Fail(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
    }

    if (parser.isSet(QStringLiteral("frequencies"))) {
        options.Frequencies.clear();
        for (const double frequency : read.NumberList(parser.value(QStringLiteral("frequencies")), QStringLiteral("--frequencies")).value_or(QList<double>()))
            options.Frequencies.append(static_cast<int>(std::clamp(frequency, 0.0, 9999.0)));
    } else {
        options.Frequencies = {static_cast<int>(std::min<qint64>(read.Whole(QStringLiteral("frequency"), 0).value_or(0), 9999))};
    }

    result.Error = read.Error;
    return result;
}
