#include "tools/record/RecorderOptions.h"

#include "model/MessageError.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "publish/BrokerUrl.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

const char *const RecorderUsage =
    "usage: zeltar-record [--port DEV] [--log-dir DIR] [--unit V/m|mW/m2] [--interval SECONDS]\n"
    "                     [--correction 0|3|6] [--name TEXT] [--place TEXT] [--notes TEXT]\n"
    "                     [--duration SECONDS | --until \"YYYY-MM-DD HH:MM\"] [--split daily] [--quiet]\n"
    "                     [--alert CATEGORY|LEVEL] [--alert-hold SECONDS]\n"
    "                     [--mqtt mqtt://[user@]host[:port] | mqtts://...] [--mqtt-password-file FILE]\n"
    "                     [--mqtt-ca FILE] [--mqtt-base TOPIC] [--meter-id ID] [--ha-discovery PREFIX|off]\n"
    "Records the readings of a ZELTAR meter without a window, into the files ZELTAR Logger writes\n"
    "(.zlog, .meta, .histo), which its viewer and file manager open.\n"
    "  --port DEV          the meter's serial device (default: the highest ttyACM/ttyUSB port, looked\n"
    "                      for every second until one is plugged in)\n"
    "  --log-dir DIR       where the records go (default: the records folder of ZELTAR Logger)\n"
    "  --unit, --interval, --correction\n"
    "                      the acquisition settings (default: those ZELTAR Logger last used); the\n"
    "                      interval is one of 0.5, 1, 10, 30, 60, 120 or 180 seconds\n"
    "  --name, --place, --notes\n"
    "                      the operator, place and notes of the records (default: Unknown, Unknown, None)\n"
    "  --duration SECONDS  ends the recording that long after it started\n"
    "  --until TIME        ends the recording at that local time\n"
    "  --split daily       completes the record at each local midnight and goes on in a new one\n"
    "  --quiet             no line on standard error for each change of state (errors still are)\n"
    "  --alert CATEGORY|LEVEL\n"
    "                      tells when the readings reach a risk category (Very low, Low, Moderate,\n"
    "                      High, Very high or Extreme) or a level in the unit of the readings, after\n"
    "                      the correction; the readings published say whether an alert is on\n"
    "  --alert-hold SECONDS\n"
    "                      how long the readings must stay below the limit for the alert to end\n"
    "                      (default: 10)\n"
    "  --mqtt URL          also publishes every reading to that MQTT broker (mqtts: with TLS)\n"
    "  --mqtt-password-file FILE\n"
    "                      the broker's password: the first line of FILE\n"
    "  --mqtt-ca FILE      the certificate authorities for mqtts (default: the system's)\n"
    "  --mqtt-base TOPIC   the topics' first level (default: zeltar)\n"
    "  --meter-id ID       the topics' second level (default: meter)\n"
    "  --ha-discovery PREFIX|off\n"
    "                      Home Assistant's discovery prefix (default: homeassistant), or off\n"
    "Without --duration or --until it records until SIGTERM, SIGINT or SIGHUP, which complete the\n"
    "record. An unplugged meter is waited for, and the record goes on when it is back.\n"
    "Exit status: 0 the recording ended as asked and its files are whole; 1 a file or folder could\n"
    "not be written (what was written stays readable), or the device sent lines no meter sends (the\n"
    "record is completed first); 2 the command line is wrong; 3 the end came before any meter was\n"
    "found.\n";

namespace {

// One option's value taken apart; throws EMessageError with the sentence for the user.
using TValueTaker = std::function<void(const QString &value, TRecorderOptions &options)>;

[[noreturn]] void Bad(const QString &option, const QString &value, const QString &expected)
{
    throw EMessageError(QStringLiteral("bad value for %1: '%2' (expected %3)").arg(option, value, expected));
}

double PositiveSeconds(const QString &option, const QString &value)
{
    bool ok = false;
    const double seconds = QLocale::c().toDouble(value, &ok);
    if (!ok || !(seconds > 0))
        Bad(option, value, QStringLiteral("a number of seconds above 0"));
    return seconds;
}

std::uint8_t UnitOf(const QString &value)
{
    if (value == QLatin1String("V/m"))
        return UnitVm;
    if (value == QLatin1String("mW/m2") || value == QStringLiteral("mW/m\u00B2"))
        return UnitMWm2;
    Bad(QStringLiteral("--unit"), value, QStringLiteral("V/m or mW/m2"));
}

// The program's intervals only: the meter sends at one of them.
double IntervalOf(const QString &value)
{
    const QString option = QStringLiteral("--interval");
    const std::optional<QString> name = IntervalName(PositiveSeconds(option, value));
    if (!name)
        Bad(option, value, QStringLiteral("0.5, 1, 10, 30, 60, 120 or 180"));
    return *IntervalSeconds(*name);
}

int CorrectionOf(const QString &value)
{
    if (value != QLatin1String("0") && value != QLatin1String("3") && value != QLatin1String("6"))
        Bad(QStringLiteral("--correction"), value, QStringLiteral("0, 3 or 6"));
    return value.toInt();
}

QDateTime LocalTimeOf(const QString &value)
{
    const QDateTime time = QDateTime::fromString(value, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!time.isValid())
        Bad(QStringLiteral("--until"), value, QStringLiteral("\"YYYY-MM-DD HH:MM\", a local time"));
    return time;
}

QString PasswordIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EMessageError(QStringLiteral("cannot read the password file '%1': %2").arg(path, file.errorString()));
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// A risk category by its name in any case, or a level above 0.
void AlertOf(const QString &value, TAlertLimit &limit)
{
    for (std::size_t i = 0; i < RiskCategoryNames.size(); ++i)
        if (value.compare(RiskCategoryNames[i], Qt::CaseInsensitive) == 0) {
            limit.Category = static_cast<int>(i);
            return;
        }
    bool ok = false;
    const double level = QLocale::c().toDouble(value, &ok);
    if (!ok || !(level > 0) || !std::isfinite(level))
        Bad(QStringLiteral("--alert"), value,
            QStringLiteral("a risk category (Very low, Low, Moderate, High, Very high, Extreme) or a level above 0"));
    limit.Level = level;
}

double HoldOf(const QString &value)
{
    bool ok = false;
    const double seconds = QLocale::c().toDouble(value, &ok);
    if (!ok || !(seconds >= 0) || !std::isfinite(seconds))
        Bad(QStringLiteral("--alert-hold"), value, QStringLiteral("a number of seconds, 0 or more"));
    return seconds;
}

// The alert's limit exists once --alert or --alert-hold has been read; CheckTogether wants both.
TAlertLimit &Alert(TRecorderOptions &options)
{
    if (!options.Alert)
        options.Alert = TAlertLimit();
    return *options.Alert;
}

// The broker's options exist once --mqtt has been read; the others refine them.
TPublishOptions &Broker(TRecorderOptions &options)
{
    if (!options.Publish) {
        options.Publish = TPublishOptions();
        options.Publish->Enabled = true;
    }
    return *options.Publish;
}

const std::map<QString, TValueTaker> &ValueOptions()
{
    static const std::map<QString, TValueTaker> takers{
        {"--port", [](const QString &v, TRecorderOptions &o) { o.Port = v; }},
        {"--log-dir", [](const QString &v, TRecorderOptions &o) { o.LogDir = v; }},
        {"--unit", [](const QString &v, TRecorderOptions &o) { o.Unit = UnitOf(v); }},
        {"--interval", [](const QString &v, TRecorderOptions &o) { o.Interval = IntervalOf(v); }},
        {"--correction", [](const QString &v, TRecorderOptions &o) { o.Correction = CorrectionOf(v); }},
        {"--name", [](const QString &v, TRecorderOptions &o) { o.Operator = v; }},
        {"--place", [](const QString &v, TRecorderOptions &o) { o.Place = v; }},
        {"--notes", [](const QString &v, TRecorderOptions &o) { o.Notes = v; }},
        {"--duration",
         [](const QString &v, TRecorderOptions &o) { o.DurationSeconds = PositiveSeconds("--duration", v); }},
        {"--until", [](const QString &v, TRecorderOptions &o) { o.Until = LocalTimeOf(v); }},
        {"--split",
         [](const QString &v, TRecorderOptions &o) {
             if (v != QLatin1String("daily"))
                 Bad("--split", v, "daily");
             o.SplitDaily = true;
         }},
        {"--alert", [](const QString &v, TRecorderOptions &o) { AlertOf(v, Alert(o)); }},
        {"--alert-hold", [](const QString &v, TRecorderOptions &o) { Alert(o).HoldSeconds = HoldOf(v); }},
        {"--mqtt", [](const QString &v, TRecorderOptions &o) { ApplyBrokerUrl(v, Broker(o)); }},
        {"--mqtt-password-file", [](const QString &v, TRecorderOptions &o) { Broker(o).Password = PasswordIn(v); }},
        {"--mqtt-ca", [](const QString &v, TRecorderOptions &o) { Broker(o).CaFile = v; }},
        {"--mqtt-base", [](const QString &v, TRecorderOptions &o) { Broker(o).BaseTopic = v; }},
        {"--meter-id", [](const QString &v, TRecorderOptions &o) { Broker(o).MeterId = v; }},
        {"--ha-discovery",
         [](const QString &v, TRecorderOptions &o) {
             TPublishOptions &broker = Broker(o);
             broker.Discovery = v != QLatin1String("off");
             if (broker.Discovery)
                 broker.DiscoveryPrefix = v;
         }},
    };
    return takers;
}

void CheckTogether(const QStringList &given, const TRecorderOptions &options, const QDateTime &now)
{
    if (options.DurationSeconds && options.Until)
        throw EMessageError(QStringLiteral("--duration and --until cannot be combined"));
    if (options.Until && *options.Until <= now)
        throw EMessageError(QStringLiteral("--until %1 has already passed")
                                .arg(options.Until->toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    if (options.Alert && !given.contains(QStringLiteral("--alert")))
        throw EMessageError(QStringLiteral("--alert-hold needs --alert"));
    if (options.Publish && !given.contains(QStringLiteral("--mqtt"))) {
        // Every option that fills the broker's options but the address itself.
        const QString first = *std::find_if(given.begin(), given.end(), [](const QString &option) {
            return option.startsWith(QLatin1String("--mqtt-")) || option == QLatin1String("--meter-id")
                || option == QLatin1String("--ha-discovery");
        });
        throw EMessageError(first + QStringLiteral(" needs --mqtt"));
    }
    if (options.Publish)
        if (const std::optional<QString> problem = PublishOptionsProblem(*options.Publish))
            throw EMessageError(*problem);
}

} // namespace

TRecorderParse ParseRecorderOptions(const QStringList &arguments, const QDateTime &now)
{
    TRecorderParse parse;
    TRecorderOptions options;
    QStringList given;
    try {
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString &argument = arguments[i];
            if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                parse.Help = true;
                return parse;
            }
            if (argument == QLatin1String("--quiet")) {
                options.Quiet = true;
                continue;
            }
            // "--option value" or "--option=value".
            const qsizetype equals = argument.indexOf(u'=');
            const QString name = equals < 0 ? argument : argument.left(equals);
            const auto taker = ValueOptions().find(name);
            if (taker == ValueOptions().end())
                throw EMessageError(argument.startsWith(QLatin1String("-"))
                                        ? QStringLiteral("unknown option %1").arg(name)
                                        : QStringLiteral("unexpected argument '%1'").arg(argument));
            if (given.contains(name))
                throw EMessageError(QStringLiteral("%1 is given twice").arg(name));
            given << name;
            QString value;
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                throw EMessageError(QStringLiteral("%1 needs a value").arg(name));
            taker->second(value, options);
        }
        CheckTogether(given, options, now);
    } catch (const EMessageError &error) {
        parse.Error = error.Message;
        return parse;
    }
    parse.Options = options;
    return parse;
}
