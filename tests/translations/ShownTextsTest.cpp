// The window checks themselves, on a small window with a fault of each kind: a text left in
// English, a text too wide for its label and its check box, and an accelerator two items of a
// menu share. A walk that missed them would let every window pass.

#include "tests/support/QtPrinters.h"
#include "tests/support/ShownTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(ShownTexts, FindTheEnglishTextsTheCutOffTextsAndTheRepeatedAccelerators)
{
    TCatalogue catalogue;
    catalogue.Translated = {QStringLiteral("Cancel"), QStringLiteral("High"), QStringLiteral("&Open record")};
    QWidget window;
    window.setWindowTitle(QStringLiteral("Fenêtre"));
    auto *layout = new QVBoxLayout(&window);
    const auto add = [layout](auto *widget) {
        layout->addWidget(widget);
        return widget;
    };
    add(new QLabel(QStringLiteral("Cancel")));
    QLabel *narrow = add(new QLabel(QStringLiteral("A caption far too long for its label")));
    narrow->setObjectName(QStringLiteral("Narrow"));
    narrow->setFixedWidth(40);
    QLabel *wrapped = add(new QLabel(QStringLiteral("A caption that wraps onto as many lines as it needs")));
    wrapped->setWordWrap(true);
    wrapped->setFixedWidth(40);
    add(new QCheckBox(QStringLiteral("A check box far too long")))->setFixedWidth(30);
    add(new QComboBox)->addItems({QStringLiteral("Faible"), QStringLiteral("High")});
    add(new QLabel(QStringLiteral("Cancel")))->hide();
    QTableWidget *table = add(new QTableWidget(0, 2));
    table->setHorizontalHeaderLabels({QStringLiteral("High"), QStringLiteral("Cancel")});
    table->setColumnHidden(1, true);
    auto *bar = new QMenuBar(&window);
    layout->setMenuBar(bar);
    QMenu *data = bar->addMenu(QStringLiteral("&Données"));
    data->addAction(QStringLiteral("&Open record"));
    data->addAction(QStringLiteral("&Ouvrir"));
    data->addAction(QStringLiteral("&&Exporter &Importer"));
    data->addMenu(QStringLiteral("&Importer"))->addAction(QStringLiteral("&Appareil"));
    bar->addMenu(QStringLiteral("&Aide"));

    EXPECT_EQ(UntranslatedTexts(window, catalogue),
              QStringList({"QLabel: Cancel", "QComboBox: High", "QTableWidget header: High",
                           "QMenuBar > &Données: &Open record"}));
    const QStringList cut = CutOffTexts(window);
    ASSERT_EQ(cut.size(), 2) << cut.join(u'\n').toStdString();
    EXPECT_TRUE(cut[0].startsWith(QStringLiteral("QLabel Narrow: A caption far too long for its label (needs ")));
    EXPECT_TRUE(cut[1].startsWith(QStringLiteral("QCheckBox: A check box far too long (needs ")));
    EXPECT_EQ(RepeatedAccelerators(window),
              QStringList({"QMenuBar > &Données: &i in &&Exporter &Importer, &Importer",
                           "QMenuBar > &Données: &o in &Open record, &Ouvrir"}));
}
