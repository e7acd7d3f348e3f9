#pragma once
// The application object: the last net under the handlers, which show their own errors. What
// still escapes one (a file error, a serial port error, any other exception) is written to
// stderr and shown in an error box, and the program goes on with the next event.

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
