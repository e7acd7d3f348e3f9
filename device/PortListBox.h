#pragma once
// The connection form's list of found ports: names and the selected one, as a list box
// holds them.

#include <QString>
#include <QStringList>

struct TPortListBox {
    QStringList Items;
    int ItemIndex = -1; // -1: nothing selected

    void SelectLast() { ItemIndex = static_cast<int>(Items.size()) - 1; }
    QString SelectedItem() const { return ItemIndex >= 0 && ItemIndex < Items.size() ? Items[ItemIndex] : QString(); }
};
