#include "tests/app/AppTestSupport.h"

#include "model/Risk.h"
#include "tests/support/BuiltProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>

void InstallResources(const TAppPaths &paths)
{
    const QDir installed(BuiltProgramPath("Resources"));
    const QStringList files = installed.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << "no resources in " << installed.path().toStdString();
    for (const QString &file : files)
        ASSERT_TRUE(QFile::copy(installed.filePath(file), paths.ResourcesDir + file));
    ASSERT_TRUE(LoadRiskPalette(paths.ResourcesDir));
}

MainWindowTest::MainWindowTest()
{
    InstallResources(App.Paths());
    Form = std::make_unique<TMainWindow>(App.Paths());
}

QAction *MainWindowTest::MenuItem(const QString &text) const
{
    for (QAction *action : Form->findChildren<QAction *>())
        if (action->text() == text)
            return action;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}
