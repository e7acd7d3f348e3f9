#include "app/HelpMenu.h"

#include "app/LanguageMenu.h"
#include "model/HandlerErrors.h"
#include "model/Services.h"
#include "storage/ProgramOptionsFile.h"
#include "translations/Translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString MissingPdfMessage()
{
    return QCoreApplication::translate("THelpMenu", "The requirred pdf file has not been found. Please reinstall the application.");
}

} // namespace

THelpMenu::THelpMenu(const TAppPaths &paths, QWidget *parent) : QMenu(QCoreApplication::translate("THelpMenu", "&Help"), parent), Paths(paths)
{
    QMenu *manual = addMenu(QCoreApplication::translate("THelpMenu", "&Manual"));
    AddDocument(manual, QStringLiteral("&English"), QStringLiteral("ZELTAR Logger User Manual.pdf"));
    AddDocument(manual, QStringLiteral("&Français"), QStringLiteral("ZELTAR Logger Manuel Utilisateur.pdf"));
    QMenu *risk = addMenu(QCoreApplication::translate("THelpMenu", "&Risk Evaluation"));
    AddDocument(risk, QStringLiteral("English"), QStringLiteral("Risk ENG.pdf"));
    AddDocument(risk, QStringLiteral("Français"), QStringLiteral("Risk FRA.pdf"));
    AddDocument(risk, QStringLiteral("Italiano"), QStringLiteral("Risk ITA.pdf"));
    const QString optionsFile = Paths.SettingsDir + ProgramOptionsFileName;
    AddLanguageMenu(*this, optionsFile, StartingLanguage(optionsFile));
    addSeparator();
    connect(addAction(QCoreApplication::translate("THelpMenu", "Open Log directory")), &QAction::triggered, this,
            ShowingErrors(this, &THelpMenu::OpenLogFolder));
}

void THelpMenu::AddDocument(QMenu *menu, const QString &text, const QString &fileName)
{
    connect(menu->addAction(text), &QAction::triggered, this,
            [this, fileName] { RunShowingErrors([&] { OpenDocument(fileName); }); });
}

void THelpMenu::OpenDocument(const QString &fileName)
{
    const QString path = QDir(Paths.ResourcesDir).filePath(fileName);
    // The desktop may hand a missing file to a viewer and report success: look first.
    if (!QFileInfo::exists(path) || !ShellOpen(path))
        ShowMessageBox(TMsgKind::Plain, MissingPdfMessage());
}

void THelpMenu::OpenLogFolder()
{
    ShellOpen(Paths.LogDir);
}
