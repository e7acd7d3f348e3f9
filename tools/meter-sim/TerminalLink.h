#pragma once
// A symbolic link to the simulator's terminal, so that a program can find it under a fixed
// name. The link goes when the object goes, if it still points to the terminal.

#include <QString>

class TTerminalLink {
public:
    // Replaces an existing symbolic link at linkPath, never another kind of file.
    // Throws std::runtime_error with the system's error text.
    TTerminalLink(const QString &linkPath, const QString &target);
    ~TTerminalLink();
    TTerminalLink(const TTerminalLink &) = delete;
    TTerminalLink &operator=(const TTerminalLink &) = delete;

private:
    QString LinkPath;
    QString Target;
};
