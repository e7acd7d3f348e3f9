#pragma once
// The strip under a colour bar that names the six risk categories along it: white on the main
// window's dark strip, dark on the record viewer's light one.

#include <QColor>
#include <QWidget>

class TRiskScaleStrip : public QWidget {
public:
    explicit TRiskScaleStrip(const QColor &textColour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const QColor TextColour;
};
