#pragma once
// A titled group of exclusive choices with an item index, as the settings and risk panels
// use them. OnClick runs when the user picks an item, not when the program selects one.

#include <QGroupBox>
#include <QStringList>

#include <functional>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(const QString &title, const QStringList &items, QWidget *parent);

    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString ItemText(int index) const;

    std::function<void()> OnClick;

private:
    QButtonGroup *Buttons;
};
