#pragma once
// Turns a left-button press on any of the widgets it watches into one call: the main window's
// panels react to a click on themselves and on every caption and value label they hold.

#include <QObject>
#include <QWidget>

#include <functional>
#include <initializer_list>

class TClickRelay : public QObject {
public:
    TClickRelay(std::function<void()> onClick, QObject *parent);

    void Watch(std::initializer_list<QWidget *> widgets);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> OnClick;
};
