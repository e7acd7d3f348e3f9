// The dialogs in French and in Italian: nothing shown is left in English where the catalogue
// has a translation, and no text is cut off by its widget.

#include "dialogs/AlertsDialog.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/PublishDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "storage/ScheduledEnd.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/FakeServices.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ShownTexts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class DialogLanguages : public ::testing::TestWithParam<TLanguage> {
protected:
    void ExpectTranslatedAndWhole(QWidget &window)
    {
        EXPECT_EQ(UntranslatedTexts(window, Catalogue), QStringList());
        EXPECT_EQ(CutOffTexts(window), QStringList());
    }

    TFakeServices Services;
    TLanguageGuard Language{GetParam()};
    TCatalogue Catalogue = ReadCatalogue(SourceCataloguePath(LanguageCode(GetParam())));
};

TEST_P(DialogLanguages, TheAlertsDialogWithEitherLimit)
{
    TAlertsDialog dialog;
    TAlertOptions options;
    ModalHookGuard<TAlertsDialog> guard([&](TAlertsDialog &shown) {
        ExpectTranslatedAndWhole(shown);
        shown.LevelRB->setChecked(true);
        ExpectTranslatedAndWhole(shown);
    });
    dialog.Execute(options, QStringLiteral("mW/m²"));
}

TEST_P(DialogLanguages, TheMetaDataAndScheduleDialogs)
{
    TMetaData meta{};
    TMetaDataDialog metaDialog(meta);
    ModalHookGuard<TMetaDataDialog> metaGuard([&](TMetaDataDialog &shown) { ExpectTranslatedAndWhole(shown); });
    metaDialog.Execute();
    TScheduleDialog scheduleDialog;
    TScheduledEnd schedule;
    ModalHookGuard<TScheduleDialog> scheduleGuard([&](TScheduleDialog &shown) { ExpectTranslatedAndWhole(shown); });
    scheduleDialog.Execute(QDateTime(QDate(2025, 1, 7), QTime(9, 0)), schedule, 1);
}

// The options' problems come from publish/ and are shown in the language too.
TEST_P(DialogLanguages, ThePublishDialogAndItsProblems)
{
    TPublishDialog dialog;
    TPublishOptions options;
    options.Enabled = true;
    options.Tls = true;
    ModalHookGuard<TPublishDialog> guard([&](TPublishDialog &shown) {
        ExpectTranslatedAndWhole(shown);
        shown.HostEdit->clear();
        shown.ImageOKb->click();
        shown.HostEdit->setText(QStringLiteral("broker.local"));
        shown.MeterIdEdit->setText(QStringLiteral("a/b"));
        shown.ImageOKb->click();
        shown.ImageCancelb->click();
    });
    dialog.Execute(options);
    ASSERT_EQ(Services.Texts().size(), 2);
    for (const QString &problem : Services.Texts())
        EXPECT_FALSE(Catalogue.Translated.contains(problem)) << problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FrenchAndItalian, DialogLanguages, ::testing::Values(TLanguage::French, TLanguage::Italian),
                         [](const auto &info) { return LanguageCode(info.param).toStdString(); });

} // namespace
