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
    EXPECT_EQ(Meta.Operator.Text(), "Unknown");
    EXPECT_EQ(Meta.Place.Text(), "Unknown");
    EXPECT_EQ(Meta.Notes.Text(), "None");
    EXPECT_EQ(Bytes().left(2), before.left(2));
    EXPECT_EQ(Bytes().mid(547), before.mid(547));
}

TEST_F(MetaDataDialog, LongTextsAreCutToTheirFields)
{
    const QString operatorText = QString(25, u'O') + QString(25, u'P');
    const QString notesText = QString(250, u'N') + QString(50, u'M');
    Form.EditOperator->setText(operatorText);
    Form.EditNotes->setText(notesText);
    EXPECT_TRUE(Execute([](TForm5 &form) { form.ImageOKbClick(); }));

    const QByteArray bytes = Bytes();
    EXPECT_EQ(static_cast<quint8>(bytes[2]), 32);
    EXPECT_EQ(bytes.mid(3, 32), operatorText.left(32).toLatin1());
    EXPECT_EQ(static_cast<quint8>(bytes[291]), 255);
    EXPECT_EQ(bytes.mid(292, 255), notesText.left(255).toLatin1());
    EXPECT_EQ(Meta.StartTime, 0.0);  // the notes did not run over into the next field
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
    EXPECT_FALSE(Form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));

    bool stayedOpen = false;
    EXPECT_TRUE(Execute([&](TForm5 &form) {
        stayedOpen = StaysOpenOnEscapeAndClose(form);
        form.ImageOKbClick();
    }));
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(Form.isVisible());
    // Without OK the caller writes no .meta.
    EXPECT_FALSE(Execute([](TForm5 &) {}));
}
