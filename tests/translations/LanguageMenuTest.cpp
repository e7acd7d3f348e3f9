// Help > Language: the language in use is checked, a choice is kept in the options file, and
// a choice other than the language in use tells once that it takes effect at the next start.

#include "app/LanguageMenu.h"
#include "storage/ProgramOptionsFile.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"

#include <QMenuBar>

#include <gtest/gtest.h>

TEST(LanguageMenu, KeepsTheChoiceAndTellsWhenItTakesEffect)
{
    TFakeServices services;
    const TempAppDir app;
    const QString options = app.Paths().SettingsDir + ProgramOptionsFileName;
    QMenuBar bar;
    QMenu *help = bar.addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Manual"));
    AddLanguageMenu(*help, options, TLanguage::French);
    const QMenu *menu = help->actions().last()->menu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(help->actions().last()->text(), QStringLiteral("&Language"));
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    const auto checked = [&] {
        QStringList names;
        for (const QAction *item : items)
            if (item->isChecked())
                names << item->text();
        return names;
    };
    EXPECT_EQ(items[0]->text(), QStringLiteral("&English"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&Français"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("&Italiano"));
    EXPECT_EQ(checked(), QStringList{"&Français"});

    items[2]->trigger();
    EXPECT_EQ(ReadLanguageChoice(options), TLanguage::Italian);
    EXPECT_EQ(checked(), QStringList{"&Italiano"});
    EXPECT_EQ(services.Texts(), QStringList{"The language changes when ZELTAR Logger is started again."});

    // Back to the language in use: kept, and nothing to tell.
    items[1]->trigger();
    EXPECT_EQ(ReadLanguageChoice(options), TLanguage::French);
    EXPECT_EQ(services.Shown.size(), 1u);
}
