// The metadata, schedule and publish dialogs, answered through their modal seam as the user
// would. The schedule's end row checks and pending end beneath the dialog are tests/storage's.

#include "dialogs/MetaDataDialog.h"
#include "dialogs/PublishDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QDateTime At(int year, int month, int day, int hour, int min, int sec)
{
    return QDateTime(QDate(year, month, day), QTime(hour, min, sec));
}

// Escape, then the window manager's close: true when the dialog is still open, not accepted.
bool StaysOpenOnEscapeAndClose(QDialog &dialog)
{
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    return !dialog.close() && dialog.isVisible() && dialog.result() != QDialog::Accepted;
}

using TRowTexts = std::array<QString, 6>;  // hour, minute, second, day, month, year

TRowTexts EndRowTexts(const TScheduleDialog &form)
{
    return {form.hour_End->text(), form.min_End->text(),   form.sec_End->text(),
            form.day_End->text(),  form.month_End->text(), form.year_End->text()};
}

class ScheduleDialog : public ::testing::Test {
protected:
    // Types texts into the end row and presses OK; EndRowAfterOk is what the row then shows.
    bool EnterEnd(const TRowTexts &texts)
    {
        return Execute([&](TScheduleDialog &form) {
            const std::array row{form.hour_End, form.min_End,   form.sec_End,
                                 form.day_End,  form.month_End, form.year_End};
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i]->setText(texts[i]);
            form.ImageOKbClick();
            EndRowAfterOk = EndRowTexts(form);
        });
    }
    bool Execute(const std::function<void(TScheduleDialog &)> &answer)
    {
        ModalHookGuard<TScheduleDialog> guard(answer);
        return Form.Execute(At(2026, 3, 10, 9, 5, 3), Schedule, 0.5);
    }
    TFakeServices Services{At(2026, 3, 10, 10, 0, 0)};
    TScheduledEnd Schedule;
    TScheduleDialog Form;
    TRowTexts EndRowAfterOk;
};

const TRowTexts SixMinutesAhead = {"10", "6", "0", "10", "3", "2026"};

} // namespace

// Opens with placeholders that a click empties; only OK closes it, storing the texts as left,
// and they stay from one showing to the next.
TEST(MetaDataDialog, AClickEmptiesOnlyAPlaceholderAndOnlyOkClosesItStoringTheTexts)
{
    TMetaData meta;
    TMetaDataDialog form{meta};
    EXPECT_EQ(form.EditOperator->text() + form.EditPlace->text() + form.EditNotes->text(), "UnknownUnknownNone");
    form.EditNotes->setText(QStringLiteral("0"));
    form.EditPlace->setText(QStringLiteral("Unknown user"));
    for (QLineEdit *field : {form.EditOperator, form.EditPlace, form.EditNotes})
        QTest::mouseClick(field, Qt::LeftButton);
    {
        ModalHookGuard<TMetaDataDialog> guard([](TMetaDataDialog &shown) { EXPECT_TRUE(StaysOpenOnEscapeAndClose(shown)); });
        EXPECT_FALSE(form.Execute());  // the caller writes no .meta
    }
    ModalHookGuard<TMetaDataDialog> guard([](TMetaDataDialog &shown) { shown.ImageOKb->click(); });
    EXPECT_TRUE(form.Execute());
    EXPECT_EQ(meta.Operator.Text() + "|" + meta.Place.Text() + "|" + meta.Notes.Text(), "|Unknown user|");
}

// The row is refilled with the proposal of six minutes ahead.
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

// An accepted end is proposed again and kept, with the shutdown choice, through Escape,
// close, Cancel and a refused entry.
TEST_F(ScheduleDialog, AnAcceptedEndAndTheShutdownChoiceSurviveCancelAndRefusal)
{
    // Blanks and a sign before the digits are allowed, and the year stays the one typed.
    ASSERT_TRUE(EnterEnd({"11", "+0", "16", "10", "3", " 2026"}));
    TRowTexts proposed;
    EXPECT_FALSE(Execute([&](TScheduleDialog &form) {
        proposed = EndRowTexts(form);
        form.ShutDownCB->setChecked(true);
        EXPECT_TRUE(StaysOpenOnEscapeAndClose(form));
        form.ImageCancelbClick();
    }));
    const TRowTexts accepted = {"11", "0", "16", "10", "3", "2026"};
    EXPECT_EQ(proposed, accepted);
    EXPECT_FALSE(EnterEnd({"10", "0", "0", "10", "3", "2026"}));
    EXPECT_EQ(EndRowAfterOk, accepted);
    EXPECT_EQ(Schedule.EndTime(), At(2026, 3, 10, 11, 0, 16));
    EXPECT_TRUE(Form.ShutDownCB->isChecked());
}

// The port follows TLS while it is the usual one, and only then; the texts are taken trimmed,
// the password as typed.
TEST(PublishDialog, TheUsualPortFollowsTlsAndTheTextsAreTakenTrimmed)
{
    TFakeServices services;
    TPublishDialog dialog;
    const ModalHookGuard<TPublishDialog> guard([](TPublishDialog &shown) {
        EXPECT_EQ(shown.PortEdit->value(), 1883);
        shown.TlsCB->setChecked(true);
        EXPECT_EQ(shown.PortEdit->value(), 8883);
        shown.TlsCB->setChecked(false);
        EXPECT_EQ(shown.PortEdit->value(), 1883);
        shown.PortEdit->setValue(1884);
        shown.TlsCB->setChecked(true);
        EXPECT_EQ(shown.PortEdit->value(), 1884);
        shown.HostEdit->setText(" 127.0.0.1 ");
        shown.PasswordEdit->setText(" s3cret ");
        shown.ImageOKb->click();
    });
    const std::optional<TPublishOptions> edited = dialog.Execute(TPublishOptions{});
    ASSERT_TRUE(edited);
    EXPECT_EQ(std::tuple(edited->Host, edited->Port, edited->Tls, edited->Password),
              std::tuple(QString("127.0.0.1"), 1884, true, QString(" s3cret ")));
    EXPECT_TRUE(services.Shown.empty());
}
