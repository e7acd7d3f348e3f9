#pragma once
// The strip under the record viewer's colour bar that names the six risk categories along it,
// in dark text on the viewer's light background.

#include <QColor>
#include <QWidget>

class TRiskScaleStrip : public QWidget {
public:
    explicit TRiskScaleStrip(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
