#pragma once
// A titled group of exclusive choices with an item index. OnClick runs when the user picks an
// item, not when the program selects one.

#include <QGroupBox>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QRadioButton;

class TChoiceGroup : public QGroupBox {
public:
    TChoiceGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton *Item(int index) const;
    QString ItemText(int index) const;

    std::function<void()> OnClick;

private:
    QButtonGroup *Buttons;
};
