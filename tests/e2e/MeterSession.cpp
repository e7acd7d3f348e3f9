#include "tests/e2e/MeterSession.h"

#include "model/HandlerErrors.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ModalSeam.h"

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

QString MeterSession::Log() const
{
    return App.Paths().LogDir + QDir(App.Paths().LogDir).entryList({"*.zlog"}, QDir::Files, QDir::Name).value(0);
}
