// The metadata and schedule dialogs, answered through their modal seam as the user would.

#include "storage/Form5_MetaData.h"
#include "storage/Form6_Schedule.h"
#include "tests/storage/ModalHookGuard.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Escape, then the window manager's close: true when the dialog is still open, not accepted.
bool StaysOpenOnEscapeAndClose(QDialog &dialog)
{
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    return !dialog.close() && dialog.isVisible() && dialog.result() != QDialog::Accepted;
}

using TRowTexts = std::array<QString, 6>;  // hour, minute, second, day, month, year

TRowTexts EndRowTexts(const TForm6 &form)
{
    return {form.hour_End->text(), form.min_End->text(),   form.sec_End->text(),
            form.day_End->text(),  form.month_End->text(), form.year_End->text()};
}

class ScheduleDialog : public ::testing::Test {
protected:
    // Types texts into the end row and presses OK; EndRowAfterOk is what the row then shows.
    bool EnterEnd(const TRowTexts &texts)
    {
        return Execute([&](TForm6 &form) {
            const std::array row{form.hour_End, form.min_End, form.sec_End, form.day_End, form.month_End, form.year_End};
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i]->setText(texts[i]);
            form.ImageOKbClick();
            EndRowAfterOk = EndRowTexts(form);
        });
    }
    bool Execute(const std::function<void(TForm6 &)> &answer)
    {
        ModalHookGuard<TForm6> guard(answer);
        return Form.Execute(QDateTime(QDate(2026, 3, 10), QTime(9, 5, 3)), Schedule, Interval);
    }

    double Interval = 0.5;
    TFakeServices Services{QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0))};
    TScheduledEnd Schedule;
    TForm6 Form;
    TRowTexts EndRowAfterOk;
};

const TRowTexts SixMinutesAhead = {"10", "6", "0", "10", "3", "2026"};

} // namespace

TEST(MetaDataDialog, OkStoresTheTextsAClickEmptiesOnlyAPlaceholderAndNothingElseClosesIt)
{
    TMetaData meta;
    meta.StartTime = 46000.5;
    const auto bytes = [&] { return QByteArray(reinterpret_cast<const char *>(&meta), sizeof meta); };
    const QByteArray before = bytes();
    TForm5 form{meta};
    bool stayedOpen = false;
    {
        ModalHookGuard<TForm5> guard([&](TForm5 &shown) {
            stayedOpen = StaysOpenOnEscapeAndClose(shown);
            shown.ImageOKb->click();
        });
        EXPECT_TRUE(form.Execute());
    }
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(meta.Operator.Text() + meta.Place.Text() + meta.Notes.Text(), "UnknownUnknownNone");
    EXPECT_EQ(bytes().left(2) + bytes().mid(547), before.left(2) + before.mid(547));

    form.EditNotes->setText(QStringLiteral("0"));
    form.EditPlace->setText(QStringLiteral("Unknown user"));
    for (QLineEdit *field : {form.EditOperator, form.EditPlace, form.EditNotes})
        QTest::mouseClick(field, Qt::LeftButton);
    EXPECT_EQ(form.EditOperator->text() + form.EditPlace->text() + form.EditNotes->text(), "Unknown user");

    // Without OK the caller writes no .meta; the texts stay for the next showing.
    ModalHookGuard<TForm5> guard([](TForm5 &) {});
    EXPECT_FALSE(form.Execute());
    EXPECT_EQ(form.EditPlace->text(), "Unknown user");
}

TEST_F(ScheduleDialog, RefusedEntriesAreToldOrRefilledAndScheduleNothing)
{
    const TRowTexts wrongDay = {"11", "0", "0", "", "3", "2026"};
    const std::tuple<TRowTexts, QStringList, TRowTexts> cases[] = {
        {wrongDay, {"Error in the Day field at position: 1",
                    "Error in the Day field: Day must be comprised in between 1 and 31"}, wrongDay},
        {{"12", "0", "0", "31", "2", "2026"}, {}, SixMinutesAhead},  // no such day: refilled silently
        {{"10", "0", "15", "10", "3", "2026"}, {"The scheduled time and date is too close"}, SixMinutesAhead},
    };
    for (const auto &[entry, messages, rowAfterOk] : cases) {
        Services.Shown.clear();
        EXPECT_FALSE(EnterEnd(entry));
        EXPECT_EQ(Services.Texts(), messages);
        EXPECT_EQ(EndRowAfterOk, rowAfterOk);
    }
    EXPECT_FALSE(Schedule.IsPending());
}

// Opens six minutes ahead; an accepted end is then proposed and kept, with the shutdown
// choice, through Escape, close, Cancel and a refused entry.
TEST_F(ScheduleDialog, AnAcceptedEndAndTheShutdownChoiceSurviveCancelAndRefusal)
{
    TRowTexts proposed;
    Execute([&](TForm6 &form) { proposed = EndRowTexts(form); });
    EXPECT_EQ(proposed, SixMinutesAhead);
    // A blank before the year is allowed, and the year stays the one typed.
    Interval = 10.0;
    ASSERT_TRUE(EnterEnd({"10", "0", "16", "10", "3", " 2026"}));
    EXPECT_EQ(Schedule.InterruptREC.interval(), 10000);

    bool stayedOpen = false;
    EXPECT_FALSE(Execute([&](TForm6 &form) {
        proposed = EndRowTexts(form);
        form.ShutDownCB->setChecked(true);
        stayedOpen = StaysOpenOnEscapeAndClose(form);
        form.ImageCancelbClick();
    }));
    EXPECT_TRUE(stayedOpen);
    const TRowTexts accepted = {"10", "0", "16", "10", "3", "2026"};
    EXPECT_EQ(proposed, accepted);
    EXPECT_FALSE(EnterEnd({"10", "0", "0", "10", "3", "2026"}));
    EXPECT_EQ(EndRowAfterOk, accepted);
    EXPECT_EQ(Schedule.EndTime(), QDateTime(QDate(2026, 3, 10), QTime(10, 0, 16)));
    EXPECT_TRUE(Form.ShutDownCB->isChecked());
}
