#pragma once
// Turns a left-button press on any of the widgets it watches into one call: a collapsible
// panel reacts to a click on itself and on the captions and values it holds.

#include <QObject>

#include <functional>
#include <initializer_list>

class QWidget;

class TClickForwarder : public QObject {
public:
    TClickForwarder(std::function<void()> onClick, QObject *parent);

    void Watch(std::initializer_list<QWidget *> widgets);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> OnClick;
};
