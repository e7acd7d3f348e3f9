// The alerts dialog answered through its modal seam: it shows the options, takes a category or a
// level, the hold time and the tone, refuses a level it cannot read, and Cancel changes nothing.

#include "dialogs/AlertsDialog.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/FakeServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(AlertsDialog, ShowsTheOptionsAndOkTakesALevelOrACategoryWithTheHoldAndTheTone)
{
    TFakeServices services;
    TAlertsDialog dialog;
    TAlertOptions options;
    {
        ModalHookGuard<TAlertsDialog> guard([](TAlertsDialog &shown) {
            // The defaults: High, 10 s, with a tone; the level's field waits for the level choice.
            EXPECT_TRUE(shown.CategoryRB->isChecked());
            EXPECT_EQ(shown.CategoryCB->currentText(), "High");
            EXPECT_FALSE(shown.LevelEdit->isEnabled());
            EXPECT_EQ(shown.LevelUnit->text(), "V/m");
            EXPECT_EQ(shown.HoldSB->value(), 10);
            EXPECT_TRUE(shown.ToneCB->isChecked());
            shown.LevelRB->setChecked(true);
            EXPECT_TRUE(shown.LevelEdit->isEnabled() && !shown.CategoryCB->isEnabled());
            shown.LevelEdit->setText("2.5");
            shown.HoldSB->setValue(3);
            shown.ToneCB->setChecked(false);
            shown.OkB->click();
        });
        ASSERT_TRUE(dialog.Execute(options, "V/m"));
    }
    EXPECT_EQ(options, (TAlertOptions{{.Category = 3, .Level = 2.5, .HoldSeconds = 3}, false}));

    // Reopened on the level; back to a category, whose choice is kept.
    {
        ModalHookGuard<TAlertsDialog> guard([](TAlertsDialog &shown) {
            EXPECT_TRUE(shown.LevelRB->isChecked());
            EXPECT_EQ(shown.LevelEdit->text(), QLocale::system().toString(2.5));
            shown.CategoryRB->setChecked(true);
            shown.CategoryCB->setCurrentIndex(5);
            shown.OkB->click();
        });
        ASSERT_TRUE(dialog.Execute(options, "V/m"));
    }
    EXPECT_EQ(options, (TAlertOptions{{.Category = 5, .Level = std::nullopt, .HoldSeconds = 3}, false}));
    EXPECT_TRUE(services.Shown.empty());
}

TEST(AlertsDialog, ALevelThatIsNoNumberAboveZeroIsToldAndCancelKeepsTheOptions)
{
    TFakeServices services;
    TAlertsDialog dialog;
    const TAlertOptions before{{.Category = 2, .Level = std::nullopt, .HoldSeconds = 10}, true};
    TAlertOptions options = before;
    ModalHookGuard<TAlertsDialog> guard([](TAlertsDialog &shown) {
        shown.LevelRB->setChecked(true);
        for (const QString text : {"", "abc", "0", "-1"}) {
            shown.LevelEdit->setText(text);
            shown.OkB->click();
            EXPECT_NE(shown.result(), QDialog::Accepted) << text.toStdString();
        }
        shown.HoldSB->setValue(1);
        shown.CancelB->click();
    });
    EXPECT_FALSE(dialog.Execute(options, "mW/m²"));
    EXPECT_EQ(options, before);
    ASSERT_EQ(services.Shown.size(), 4u);
    EXPECT_EQ(services.Shown.front().Text,
              "Please enter the level as a number above 0, such as " + QLocale::system().toString(1.5));
}
