// The main window in each language, idle, listening and recording with an end scheduled: nothing
// shown is left in English where the catalogue has a translation, no text is cut off by its
// widget, and no accelerator is shared within a menu.

#include "tests/app/AppTestSupport.h"

#include "app/AcquisitionControl.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ShownTexts.h"
#include "windows/StatisticsPanel.h"

#include <QCoreApplication>

namespace {

class MainWindowLanguages : public MainWindowTest, public ::testing::WithParamInterface<TLanguage> {
protected:
    MainWindowLanguages()
    {
        // Made again now that the language is in: the program installs it before any window.
        Form.reset();
        Form = std::make_unique<TMainWindow>(App.Paths());
        Form->Charts->Statistics->SetExpanded(true);
    }

    void ExpectTranslatedAndWhole()
    {
        Form->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(CutOffTexts(*Form), QStringList());
        // The English Log menu has shared &P and &S since its first version; its texts stay.
        if (GetParam() != TLanguage::English) {
            EXPECT_EQ(UntranslatedTexts(*Form, Catalogue), QStringList());
            EXPECT_EQ(RepeatedAccelerators(*Form), QStringList());
        }
    }

    void FeedAMinute()
    {
        for (int second = 0; second < 60; ++second)
            Feed(0.2f + 0.05f * static_cast<float>(second % 9), 2450);
    }

    TLanguageGuard Language{GetParam()};
    TCatalogue Catalogue =
        GetParam() == TLanguage::English ? TCatalogue{} : ReadCatalogue(SourceCataloguePath(LanguageCode(GetParam())));
};

TEST_P(MainWindowLanguages, IdleListeningAndRecording)
{
    ExpectTranslatedAndWhole();

    Listen();
    Form->Control->SetStateIcons(Listening);
    FeedAMinute();
    ExpectTranslatedAndWhole();
    // "Moderate risk", but "Risque Modéré": the caption stands where the language puts it.
    const bool captionFirst = Form->Charts->RiskCaption->x() < Form->Charts->RiskCategory->x();
    EXPECT_EQ(captionFirst, GetParam() != TLanguage::English);

    Record();
    Form->Control->SetStateIcons(Recording);
    Form->Session.ScheduleEnd(QDateTime(QDate(2026, 12, 6), QTime(18, 30, 0)));
    FeedAMinute();
    ExpectTranslatedAndWhole();
    EXPECT_TRUE(Form->Bar->PendingEnd->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, MainWindowLanguages,
                         ::testing::Values(TLanguage::English, TLanguage::French, TLanguage::Italian),
                         [](const auto &info) { return LanguageCode(info.param).toStdString(); });

} // namespace
