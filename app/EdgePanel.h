#pragma once
// A panel of the settings bar: a one-pixel line along its left edge sets it off the charts.

#include <QFrame>

class TEdgePanel : public QFrame {
public:
    explicit TEdgePanel(QWidget *parent) : QFrame(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};
