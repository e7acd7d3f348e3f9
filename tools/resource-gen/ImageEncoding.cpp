#include "tools/resource-gen/ImageEncoding.h"

#include <QBuffer>

#include <stdexcept>
#include <string>

namespace {

// 96 dpi, the usual screen resolution, written out so that the files do not depend on the
// machine (or the display) that made them.
constexpr int DotsPerMeter = 3780;

} // namespace

QByteArray EncodeImage(QImage image, const char *format)
{
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error(std::string("the ") + format + " image writer is missing or failed");
    return bytes;
}
