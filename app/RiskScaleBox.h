#pragma once
// The strip under the colour bar that names the six risk categories along it.

#include <QWidget>

class TRiskScaleBox : public QWidget {
public:
    explicit TRiskScaleBox(QWidget *parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};
