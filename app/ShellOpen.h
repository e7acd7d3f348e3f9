#pragma once
// Opening a document or a folder with the user's default program. Tests install their own
// handler to see what would be opened without starting anything.

#include <QString>

#include <functional>

using TShellOpenHandler = std::function<bool(const QString &path)>;

// false when no program could be asked to open the path.
bool ShellOpen(const QString &path);

// Installs handler and returns the one it replaces; an empty handler restores the desktop's.
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler);
