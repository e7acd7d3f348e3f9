#include "tests/e2e/MeterSession.h"

#include "model/HandlerErrors.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ModalSeam.h"
#include "tools/meter-sim/MeterLines.h"

#include <QDir>
#include <QFile>
#include <QTest>

MeterSession::MeterSession()
{
    InstallResources(App.Paths());
    TModalSeam<TMetaDataDialog>::Hook = [this](TMetaDataDialog &dialog) {
        ++MetaDialogs;
        dialog.ImageOKbClick();
    };
    Form1 = std::make_unique<TMainWindow>(App.Paths());
    // The sample in progress is up the stack: waiting for it here would only take time.
    Form1->Session.PauseForSample = [](int) {};
}

MeterSession::~MeterSession()
{
    Form2.reset();
    Form1.reset();
    TModalSeam<TMetaDataDialog>::Hook = nullptr;
}

void MeterSession::PlugIn()
{
    Meter = TMeterTerminal::OpenPseudoTerminal();
    ASSERT_TRUE(QFile::link(Meter->Path(), Devices.filePath("ttyUSB0")));
}

void MeterSession::Unplug()
{
    Meter->Close();
    // The device's name goes with it; the freed terminal may soon be another program's.
    ASSERT_TRUE(QFile::remove(Devices.filePath("ttyUSB0")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Form2->ComPort1.isOpen(); }, 5000));
}

void MeterSession::Start()
{
    Form2 = std::make_unique<TMeterConnection>(*Form1, Form1->Session, App.Paths(), Devices.path());
    Form1->AttachConnectionForm(*Form2);
    auto deliver = Form2->ComPort1.ReceiveCallBack;
    Form2->ComPort1.ReceiveCallBack = [this, deliver](const QString &line) {
        ++Delivered;
        RunShowingErrors([&] { deliver(line); });
    };
}

void MeterSession::Send(const QList<QByteArray> &lines)
{
    const int expected = Delivered + static_cast<int>(lines.size());
    for (const QByteArray &line : lines)
        ASSERT_EQ(Meter->Write(line), line.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered >= expected; }, 5000)) << Delivered << " of " << expected;
}

void MeterSession::MeasureSeries(int count, double first, double step)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines << MeasurementLine(first + i * step, 100 * (i + 1), false);
    Send(lines);
}

QString MeterSession::Log() const
{
    return App.Paths().LogDir + QDir(App.Paths().LogDir).entryList({"*.zlog"}, QDir::Files, QDir::Name).value(0);
}
