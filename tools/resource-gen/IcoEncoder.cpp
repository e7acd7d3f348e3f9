#include "tools/resource-gen/IcoEncoder.h"

#include "tools/resource-gen/ImageEncoding.h"

#include <QDataStream>
#include <QIODevice>

#include <stdexcept>

namespace {

constexpr int DirectoryHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;
constexpr quint16 IconResourceType = 1;

// The directory stores sizes in one byte each; 0 stands for 256.
quint8 SizeByte(int size)
{
    return static_cast<quint8>(size == 256 ? 0 : size);
}

} // namespace

QByteArray EncodeIco(const QList<QImage> &images)
{
    QList<QByteArray> entries;
    for (const QImage &image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256)
            throw std::invalid_argument("icon entries must be square, 1 to 256 pixels");
        entries.append(EncodeImage(image.convertToFormat(QImage::Format_ARGB32), "PNG"));
    }

    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << IconResourceType << quint16(entries.size());
    quint32 offset = DirectoryHeaderSize + DirectoryEntrySize * entries.size();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const quint8 size = SizeByte(images[i].width());
        // width, height, palette colours (none), reserved, colour planes, bits per pixel
        out << size << size << quint8(0) << quint8(0) << quint16(1) << quint16(32);
        out << quint32(entries[i].size()) << offset;
        offset += entries[i].size();
    }
    for (const QByteArray &entry : entries)
        out.writeRawData(entry.constData(), entry.size());
    return ico;
}
