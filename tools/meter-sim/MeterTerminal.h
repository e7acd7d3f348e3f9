#pragma once
// The simulated meter's end of the line: the master side of a new pseudo-terminal, or a
// serial device given by path. Never blocks.

#include <QByteArray>
#include <QString>

#include <memory>

class TMeterTerminal {
public:
    // Both throw std::runtime_error with the system's error text.
    static std::unique_ptr<TMeterTerminal> OpenPseudoTerminal();
    static std::unique_ptr<TMeterTerminal> OpenDevice(const QString &path);

    ~TMeterTerminal();
    TMeterTerminal(const TMeterTerminal &) = delete;
    TMeterTerminal &operator=(const TMeterTerminal &) = delete;

    // The path a program opens to listen to the meter.
    QString Path() const { return ListenerPath; }

    // Returns the number of bytes taken (0 when the line is full for now), or -1 when
    // nobody listens and the bytes are lost, as with a meter whose cable is not read.
    qint64 Write(const QByteArray &bytes);

    // Whether a program has the terminal open; always true for a device.
    bool HasReader() const;

    // Ends the line as pulling the cable would: the listener's terminal hangs up.
    void Close();

private:
    TMeterTerminal(int descriptor, QString listenerPath, bool pseudo);

    int Descriptor;
    QString ListenerPath;
    bool Pseudo;
};
