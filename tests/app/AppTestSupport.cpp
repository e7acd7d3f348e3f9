#include "tests/app/AppTestSupport.h"

#include "model/GlobalState.h"
#include "model/Risk.h"

#include <QDir>
#include <QFile>
#include <QFrame>

void InstallResources(const TAppPaths &paths)
{
    const QDir installed(qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/Resources");
    const QStringList files = installed.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << "no resources in " << installed.path().toStdString();
    for (const QString &file : files)
        ASSERT_TRUE(QFile::copy(installed.filePath(file), paths.ResourcesDir + file));
    ASSERT_TRUE(LoadRiskPalette(paths.ResourcesDir));
}

MainWindowTest::MainWindowTest()
{
    ResetGlobalState();
    InstallResources(App.Paths());
    Form = std::make_unique<TForm1>(App.Paths());
}

MainWindowTest::~MainWindowTest()
{
    Form.reset();
    ResetGlobalState();
}

void MainWindowTest::Feed(float value, int frequency)
{
    Form->ProcessSample(frequency, value);
}

void MainWindowTest::Listen()
{
    Form->ApplySettings(Listening);
}

void MainWindowTest::Record()
{
    Form->Session.StartRecording({UnitMWm2, 0.5, 0, 60});
}

void MainWindowTest::Expand()
{
    if (!Form->StatisticsExpanded())
        Form->ToggleStatistics();
}
