#include "app/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), Buttons(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 4, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        Buttons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(Buttons, &QButtonGroup::idClicked, this, [this] {
        if (OnClick)
            OnClick();
    });
}

int TRadioGroup::ItemIndex() const
{
    return Buttons->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = Buttons->button(index))
        button->setChecked(true);
}

QString TRadioGroup::ItemText(int index) const
{
    const QAbstractButton *button = Buttons->button(index);
    return button ? button->text() : QString();
}
