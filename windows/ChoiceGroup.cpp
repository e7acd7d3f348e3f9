#include "windows/ChoiceGroup.h"

#include "model/HandlerErrors.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TChoiceGroup::TChoiceGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), Buttons(new QButtonGroup(this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 4, 4);
    column->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        Buttons->addButton(button, i);
        column->addWidget(button);
    }
    connect(Buttons, &QButtonGroup::idClicked, this, ShowingErrors([this](int) {
        if (OnClick)
            OnClick();
    }));
}

int TChoiceGroup::ItemIndex() const
{
    return Buttons->checkedId();
}

void TChoiceGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = Buttons->button(index))
        button->setChecked(true);
}

QRadioButton *TChoiceGroup::Item(int index) const
{
    return static_cast<QRadioButton *>(Buttons->button(index));
}

QString TChoiceGroup::ItemText(int index) const
{
    const QAbstractButton *button = Buttons->button(index);
    return button ? button->text() : QString();
}
