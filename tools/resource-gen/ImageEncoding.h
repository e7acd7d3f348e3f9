#pragma once
// Images to file bytes, the same on every machine that makes them.

#include <QByteArray>
#include <QImage>

// format: an image writer's name, "PNG", "BMP" ...; throws std::runtime_error when the
// writer is missing or fails.
QByteArray EncodeImage(QImage image, const char *format);
