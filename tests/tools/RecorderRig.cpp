#include "tests/tools/RecorderRig.h"

#include "device/MeterConnection.h"
#include "tools/meter-sim/MeterLines.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

void TMeterFeed::PlugIn()
{
    Meter = TMeterTerminal::OpenPseudoTerminal();
    ASSERT_TRUE(QFile::link(Meter->Path(), Devices.filePath("ttyUSB0")));
}

void TMeterFeed::Send(const QList<QByteArray> &lines)
{
    const int expected = Delivered + static_cast<int>(lines.size());
    for (const QByteArray &line : lines)
        ASSERT_EQ(Meter->Write(line), line.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered >= expected; }, 5000)) << Delivered << " of " << expected;
}

void TMeterFeed::MeasureSeries(int count, double first, double step)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines << MeasurementLine(first + i * step, 100 * (i + 1), false);
    Send(lines);
}

TRecorderRig::TRecorderRig(const TAppPaths &paths, TRecorderOptions options) : Paths(paths), Options(std::move(options))
{
    Options.Port = Devices.filePath("ttyUSB0");
    Options.LogDir = Records.path();
}

TRecorderRig::~TRecorderRig()
{
    Recorder.reset();
}

void TRecorderRig::Unplug()
{
    Meter->Close();
    ASSERT_TRUE(QFile::remove(Devices.filePath("ttyUSB0")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Recorder->Connection->ComPort1.isOpen(); }, 5000));
}

bool TRecorderRig::Start()
{
    Recorder = std::make_unique<TRecorder>(Options, Paths, [this](const QString &line) { StateLines << line; });
    QObject::connect(Recorder.get(), &TRecorder::Finished, [this](int exitCode) { ExitCode = exitCode; });
    Recorder->Start(Devices.path()); // searched when the options name no port
    auto deliver = Recorder->Connection->ComPort1.ReceiveCallBack;
    Recorder->Connection->ComPort1.ReceiveCallBack = [this, deliver](const QString &line) {
        ++Delivered;
        deliver(line);
    };
    return Recorder->Session.State() == Recording;
}

QStringList TRecorderRig::Logs() const
{
    QStringList logs;
    const QDir folder(Records.path());
    for (const QString &name : folder.entryList({"*.zlog"}, QDir::Files, QDir::Name))
        logs << folder.filePath(name);
    return logs;
}

std::vector<float> SentValues(int count, double first, double step)
{
    std::vector<float> values;
    for (int i = 0; i < count; ++i)
        values.push_back(static_cast<float>(first + i * step));
    return values;
}
