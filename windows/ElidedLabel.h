#pragma once
// A one-line label whose text, when it does not fit, ends in "…" before the right edge or
// before the first widget placed on it (the status line carries the sample clock), so that
// it never runs under them. A long text never makes the window wider.

#include <QLabel>

class TElidedLabel : public QLabel {
public:
    explicit TElidedLabel(QWidget *parent = nullptr) : QLabel(parent) {}

    // The text as it is painted now.
    QString ShownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect TextArea() const;
};
