#pragma once
// A mosquitto broker of the test's own: bound to 127.0.0.1 on free ports, with its
// configuration, log and files in a temporary folder, killed with the object. Used by the
// tests and the benchmark, so it reports failures by its results instead of test assertions.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>

// A TCP port on 127.0.0.1 that nothing listens on now.
std::uint16_t FreeLocalPort();

class TLocalBroker {
public:
    // extraConfig: lines after the plain listener's (its own listeners, a password_file ...),
    // where "{dir}" stands for the broker's folder. Anonymous clients are let in unless it says
    // otherwise.
    explicit TLocalBroker(const QStringList &extraConfig = {});
    ~TLocalBroker();
    TLocalBroker(const TLocalBroker &) = delete;
    TLocalBroker &operator=(const TLocalBroker &) = delete;

    // Starts the broker and waits until it takes connections on every listener; false when it
    // does not within a few seconds.
    bool Start();
    // SIGKILL: no goodbye to any client.
    void Kill();
    // SIGTERM: the broker saves what it keeps and ends.
    void Stop();
    // SIGSTOP: the connections stay open, and nothing is answered.
    void Pause();

    std::uint16_t Port() const { return PlainPort; }
    // A folder for the test's own files (certificates, passwords), removed with the broker.
    QString FilePath(const QString &name) const { return Dir.filePath(name); }
    // What the broker has logged so far.
    QString Log() const;

private:
    QTemporaryDir Dir;
    std::uint16_t PlainPort;
    QList<std::uint16_t> Ports;
    QProcess Process;
};

// The listener line of another port for extraConfig; the port is free now.
QString ListenerLine(std::uint16_t port);
