#include "app/LanguageMenu.h"

#include "model/HandlerErrors.h"
#include "model/Services.h"
#include "storage/ProgramOptionsFile.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

void AddLanguageMenu(QMenu &help, const QString &optionsFile, TLanguage inUse)
{
    QMenu *menu = help.addMenu(QCoreApplication::translate("LanguageMenu", "&Language"));
    auto *group = new QActionGroup(menu);
    const std::pair<TLanguage, QString> entries[] = {
        {TLanguage::English, QStringLiteral("&English")},
        {TLanguage::French, QStringLiteral("&Français")},
        {TLanguage::Italian, QStringLiteral("&Italiano")},
    };
    for (const auto &entry : entries) {
        const TLanguage language = entry.first;
        QAction *item = menu->addAction(entry.second);
        item->setCheckable(true);
        item->setChecked(language == inUse);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [optionsFile, language, inUse] {
            RunShowingErrors([&] {
                WriteLanguageChoice(optionsFile, language);
                if (language != inUse)
                    ShowMessageBox(TMsgKind::Information,
                                   QCoreApplication::translate(
                                       "LanguageMenu", "The language changes when ZELTAR Logger is started again."));
            });
        });
    }
}
