#include "storage/Form6_Schedule.h"

#include "tests/storage/EscapeAndClose.h"
#include "tests/storage/ModalHookGuard.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

namespace {

using TRowTexts = std::array<QString, 6>;  // hour, minute, second, day, month, year

TRowTexts RowTexts(const std::array<QLineEdit *, 6> &row)
{
    TRowTexts texts;
    for (std::size_t i = 0; i < row.size(); ++i)
        texts[i] = row[i]->text();
    return texts;
}

std::array<QLineEdit *, 6> EndRow(const TForm6 &form)
{
    return {form.hour_End, form.min_End, form.sec_End, form.day_End, form.month_End, form.year_End};
}

class ScheduleDialog : public ::testing::Test {
protected:
    // Opens the dialog through the seam; answer acts on it as the user would.
    bool Execute(const std::function<void(TForm6 &)> &answer, double interval = 0.5)
    {
        ModalHookGuard<TForm6> guard(answer);
        return Form.Execute(QDateTime(QDate(2026, 3, 10), QTime(9, 5, 3)), Schedule, interval);
    }

    // Types texts into the end row and presses OK; EndRowAfterOk is what the row then shows.
    bool EnterEnd(const TRowTexts &texts, double interval = 0.5)
    {
        return Execute(
            [&](TForm6 &form) {
                for (std::size_t i = 0; i < texts.size(); ++i)
                    EndRow(form)[i]->setText(texts[i]);
                form.ImageOKbClick();
                EndRowAfterOk = RowTexts(EndRow(form));
            },
            interval);
    }

    TFakeServices Services{QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0))};
    TScheduledEnd Schedule;
    TForm6 Form;
    TRowTexts EndRowAfterOk;
};

const TRowTexts SixMinutesAhead = {"10", "6", "0", "10", "3", "2026"};

} // namespace

// The start row shown is the recording's test.
TEST_F(ScheduleDialog, OpensWithAnEndSixMinutesAhead)
{
    TRowTexts end;
    Execute([&](TForm6 &form) { end = RowTexts(EndRow(form)); });
    EXPECT_EQ(end, SixMinutesAhead);
}

TEST_F(ScheduleDialog, RefusesAnEndFifteenSecondsAheadAndAcceptsSixteen)
{
    EXPECT_FALSE(EnterEnd({"10", "0", "15", "10", "3", "2026"}));
    EXPECT_EQ(Services.Texts(), QStringList{"The scheduled time and date is too close"});
    EXPECT_EQ(EndRowAfterOk, SixMinutesAhead);
    EXPECT_FALSE(Schedule.IsPending());

    // A blank before the year is allowed, and the year stays the one typed.
    EXPECT_TRUE(EnterEnd({"10", "0", "16", "10", "3", " 2026"}, 10.0));
    EXPECT_EQ(Schedule.EndTime(), QDateTime(QDate(2026, 3, 10), QTime(10, 0, 16)));
    EXPECT_EQ(Schedule.InterruptREC.interval(), 10000);
}

TEST_F(ScheduleDialog, AWrongFieldKeepsTheTextsAsTypedAnImpossibleDateIsRefilledSilently)
{
    const TRowTexts entry = {"11", "0", "0", "", "3", "2026"};
    EXPECT_FALSE(EnterEnd(entry));
    EXPECT_EQ(Services.Texts(), (QStringList{"Error in the Day field at position: 1",
                                             "Error in the Day field: Day must be comprised in between 1 and 31"}));
    EXPECT_EQ(EndRowAfterOk, entry);

    Services.Shown.clear();
    EXPECT_FALSE(EnterEnd({"12", "0", "0", "31", "2", "2026"}));
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_EQ(EndRowAfterOk, SixMinutesAhead);
}

TEST_F(ScheduleDialog, APendingEndAndTheShutdownChoiceSurviveCancelAndRefusal)
{
    const TRowTexts pending = {"18", "30", "0", "10", "3", "2026"};
    ASSERT_TRUE(EnterEnd(pending));

    TRowTexts proposed;
    EXPECT_FALSE(Execute([&](TForm6 &form) {
        proposed = RowTexts(EndRow(form));
        form.ShutDownCB->setChecked(true);
        form.ImageCancelbClick();
    }));
    EXPECT_EQ(proposed, pending);

    EXPECT_FALSE(EnterEnd({"10", "0", "0", "10", "3", "2026"}));
    EXPECT_EQ(EndRowAfterOk, pending);
    EXPECT_EQ(Schedule.EndTime(), QDateTime(QDate(2026, 3, 10), QTime(18, 30, 0)));
    EXPECT_TRUE(Form.ShutDownCB->isChecked());
}

TEST_F(ScheduleDialog, EscapeAndTheWindowManagersCloseLeaveItOpen)
{
    Execute([](TForm6 &form) {
        EXPECT_TRUE(StaysOpenOnEscapeAndClose(form));
        form.ImageCancelbClick();
    });
}
