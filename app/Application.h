#pragma once
// The application object: whatever an event handler lets escape (a file error, a serial port
// error, any other exception) is shown in an error box, and the program goes on with the next
// event. The action that threw ends there.

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// The text an escaped exception is shown with.
QString EscapedErrorText(std::exception_ptr error);
