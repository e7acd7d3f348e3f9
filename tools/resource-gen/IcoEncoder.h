#pragma once
// Multi-size icon files. Qt's own icon writer stores one picture per file; a window icon
// needs several sizes so that the task bar, the title bar and file browsers each pick a
// sharp one.

#include <QByteArray>
#include <QList>
#include <QImage>

// An .ico container with one PNG-compressed entry per image (square, 1 to 256 pixels).
QByteArray EncodeIco(const QList<QImage> &images);
