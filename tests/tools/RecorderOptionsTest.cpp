// The recorder's command line: what each option sets, and a sentence naming the option for
// each mistake, before anything starts.

#include "tools/record/RecorderOptions.h"

#include "tests/support/QtPrinters.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(10, 0));

TRecorderParse Parse(const QString &line)
{
    return ParseRecorderOptions(QProcess::splitCommand(line), Now);
}

TEST(RecorderOptionsTest, EachOptionSetsItsPartAndTheRestKeepsTheProgramsDefaults)
{
    const TRecorderParse none = Parse("");
    ASSERT_TRUE(none.Options);
    EXPECT_FALSE(none.Options->Unit || none.Options->Interval || none.Options->Correction);
    EXPECT_EQ(none.Options->Operator, "Unknown");
    EXPECT_EQ(none.Options->Notes, "None");
    EXPECT_FALSE(none.Options->Publish);

    const TRecorderParse all = Parse("--port /dev/ttyACM3 --log-dir=/srv/records --unit V/m --interval 60 "
                                     "--correction 3 --name \"Ann Lee\" --place Roof --notes= "
                                     "--until \"2026-12-24 18:30\" --split daily --quiet");
    ASSERT_TRUE(all.Options) << all.Error.toStdString();
    const TRecorderOptions &o = *all.Options;
    EXPECT_EQ(o.Port, "/dev/ttyACM3");
    EXPECT_EQ(o.LogDir, "/srv/records");
    EXPECT_EQ(o.Unit, 0);
    EXPECT_EQ(o.Interval, 60.0);
    EXPECT_EQ(o.Correction, 3);
    EXPECT_EQ(o.Operator, "Ann Lee");
    EXPECT_EQ(o.Place, "Roof");
    EXPECT_EQ(o.Notes, "");
    EXPECT_EQ(o.Until, QDateTime(QDate(2026, 12, 24), QTime(18, 30)));
    EXPECT_TRUE(o.SplitDaily && o.Quiet);
    EXPECT_EQ(Parse("--unit mW/m2 --interval 0.5 --duration 90.5").Options->Unit, 1);
    EXPECT_EQ(Parse("--duration 90.5").Options->DurationSeconds, 90.5);
}

TEST(RecorderOptionsTest, TheBrokersOptionsFillThePublishersAndThePasswordComesFromItsFile)
{
    QTemporaryDir dir;
    const QString passwordFile = dir.filePath("password");
    QFile file(passwordFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("s3cret word\r\nsecond line\n");
    file.close();
    const TRecorderParse parse = Parse("--mqtt mqtts://logger@127.0.0.1 --mqtt-password-file " + passwordFile +
                                       " --mqtt-ca /etc/ca.pem --mqtt-base site/a --meter-id m1 --ha-discovery off");
    ASSERT_TRUE(parse.Options) << parse.Error.toStdString();
    const TPublishOptions &broker = *parse.Options->Publish;
    EXPECT_TRUE(broker.Enabled && broker.Tls);
    EXPECT_EQ(broker.Host, "127.0.0.1");
    EXPECT_EQ(broker.Port, MqttTlsPort);
    EXPECT_EQ(broker.User, "logger");
    EXPECT_EQ(broker.Password, "s3cret word");
    EXPECT_EQ(broker.CaFile, "/etc/ca.pem");
    EXPECT_EQ(ReadingTopic(broker), "site/a/m1/reading");
    EXPECT_FALSE(broker.Discovery);
    EXPECT_EQ(Parse("--ha-discovery ha --mqtt mqtt://127.0.0.1:1999").Options->Publish->DiscoveryPrefix, "ha");
}

TEST(RecorderOptionsTest, TheAlertTakesACategoryInAnyCaseOrALevelAndItsHold)
{
    EXPECT_FALSE(Parse("").Options->Alert);
    const std::optional<TAlertLimit> category = Parse("--alert \"very HIGH\"").Options->Alert;
    ASSERT_TRUE(category);
    EXPECT_EQ(category->Category, 4);
    EXPECT_FALSE(category->Level);
    EXPECT_EQ(category->HoldSeconds, 10.0);
    EXPECT_EQ(Parse("--alert extreme").Options->Alert->Category, 5);
    const std::optional<TAlertLimit> level = Parse("--alert-hold 0 --alert 2.5").Options->Alert;
    ASSERT_TRUE(level);
    EXPECT_EQ(level->Level, 2.5);
    EXPECT_EQ(level->HoldSeconds, 0.0);
}

TEST(RecorderOptionsTest, AMistakeIsToldWithTheOptionItConcerns)
{
    const QString alertValues = "(expected a risk category (Very low, Low, Moderate, High, Very high, Extreme) or a "
                                "level above 0)";
    const std::vector<std::pair<QString, QString>> mistakes{
        {"--colour red", "unknown option --colour"},
        {"record.zlog", "unexpected argument 'record.zlog'"},
        {"--port", "--port needs a value"},
        {"--port a --port b", "--port is given twice"},
        {"--unit dBm", "bad value for --unit: 'dBm' (expected V/m or mW/m2)"},
        {"--interval 5", "bad value for --interval: '5' (expected 0.5, 1, 10, 30, 60, 120 or 180)"},
        {"--correction 2", "bad value for --correction: '2' (expected 0, 3 or 6)"},
        {"--duration 0", "bad value for --duration: '0' (expected a number of seconds above 0)"},
        {"--duration 1h", "bad value for --duration: '1h' (expected a number of seconds above 0)"},
        {"--until 18:30", "bad value for --until: '18:30' (expected \"YYYY-MM-DD HH:MM\", a local time)"},
        {"--until \"2026-12-07 09:59\"", "--until 2026-12-07 09:59 has already passed"},
        {"--duration 60 --until \"2027-01-01 00:00\"", "--duration and --until cannot be combined"},
        {"--split weekly", "bad value for --split: 'weekly' (expected daily)"},
        {"--meter-id m1", "--meter-id needs --mqtt"},
        {"--alert Medium", "bad value for --alert: 'Medium' " + alertValues},
        {"--alert 0", "bad value for --alert: '0' " + alertValues},
        {"--alert inf", "bad value for --alert: 'inf' " + alertValues},
        {"--alert High --alert-hold -1", "bad value for --alert-hold: '-1' (expected a number of seconds, 0 or more)"},
        {"--alert-hold 5", "--alert-hold needs --alert"},
        // The broker's own rules are the publisher's tests; their sentences come through.
        {"--mqtt http://127.0.0.1", "The broker address must begin with mqtt:// or mqtts://, not http://127.0.0.1"},
        {"--mqtt mqtt://127.0.0.1 --mqtt-base /a", "The base topic must not be empty, begin or end with '/' or "
                                                   "contain '+' or '#'."},
    };
    for (const auto &[line, error] : mistakes) {
        const TRecorderParse parse = Parse(line);
        EXPECT_FALSE(parse.Options) << line.toStdString();
        EXPECT_EQ(parse.Error, error) << line.toStdString();
    }
    EXPECT_TRUE(Parse("--mqtt mqtt://127.0.0.1 --mqtt-password-file /no/such/file")
                    .Error.startsWith("cannot read the password file '/no/such/file': "));
    EXPECT_TRUE(Parse("--port x --help").Help);
}

} // namespace
