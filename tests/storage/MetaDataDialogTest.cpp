#include "storage/Form5_MetaData.h"

#include "tests/storage/EscapeAndClose.h"
#include "tests/storage/ModalHookGuard.h"
#include "tests/support/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

class MetaDataDialog : public ::testing::Test {
protected:
    // Shows the dialog through the seam; answer fills it and may press OK.
    bool Execute(const std::function<void(TForm5 &)> &answer)
    {
        ModalHookGuard<TForm5> guard(answer);
        return Form.Execute();
    }

    QByteArray Bytes() const { return QByteArray(reinterpret_cast<const char *>(&Meta), sizeof Meta); }

    TMetaData Meta;
    TForm5 Form{Meta};
};

} // namespace

TEST_F(MetaDataDialog, OkUntouchedStoresThePlaceholdersAndLeavesTheRestOfTheRecord)
{
    Meta.StartTime = 46000.5;
    Meta.Interval = 0.5;
    const QByteArray before = Bytes();
    EXPECT_TRUE(Execute([](TForm5 &form) { form.ImageOKb->click(); }));
    EXPECT_EQ(Meta.Operator.Text() + Meta.Place.Text() + Meta.Notes.Text(), "UnknownUnknownNone");
    EXPECT_EQ(Bytes().left(2), before.left(2));
    EXPECT_EQ(Bytes().mid(547), before.mid(547));
}

TEST_F(MetaDataDialog, AClickEmptiesOnlyAPlaceholderAndTextsPersistBetweenShowings)
{
    Form.EditNotes->setText(QStringLiteral("0"));
    for (QLineEdit *field : {Form.EditOperator, Form.EditPlace, Form.EditNotes}) {
        QTest::mouseClick(field, Qt::LeftButton);
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    }
    Form.EditOperator->setText(QStringLiteral("Unknown user"));
    QTest::mouseClick(Form.EditOperator, Qt::LeftButton);
    EXPECT_EQ(Form.EditOperator->text(), "Unknown user");

    EXPECT_TRUE(Execute([](TForm5 &form) { form.ImageOKbClick(); }));
    QString proposedTheSecondTime;
    Execute([&](TForm5 &form) { proposedTheSecondTime = form.EditOperator->text(); });
    EXPECT_EQ(proposedTheSecondTime, "Unknown user");
}

TEST_F(MetaDataDialog, OnlyOkClosesIt)
{
    bool stayedOpen = false;
    EXPECT_TRUE(Execute([&](TForm5 &form) {
        stayedOpen = StaysOpenOnEscapeAndClose(form);
        form.ImageOKbClick();
    }));
    EXPECT_TRUE(stayedOpen);
    // Without OK the caller writes no .meta.
    EXPECT_FALSE(Execute([](TForm5 &) {}));
}
