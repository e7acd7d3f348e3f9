#include "tools/doc-gen/Screenshots.h"

#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

const QString ScreenshotScheme = QStringLiteral("screenshot:");

struct TPicture {
    QTextBlock Block;
    QTextFragment Fragment;
    QString Name;
};

std::vector<TPicture> Pictures(const QTextDocument &document)
{
    std::vector<TPicture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat())
                continue;
            const QString source = format.toImageFormat().name();
            if (source.startsWith(ScreenshotScheme))
                pictures.push_back({block, fragment, source.mid(ScreenshotScheme.size())});
        }
    }
    return pictures;
}

} // namespace

QStringList ScreenshotNames(const QTextDocument &document)
{
    QStringList names;
    for (const TPicture &picture : Pictures(document))
        names.append(picture.Name);
    return names;
}

void PlaceScreenshots(QTextDocument &document, const QString &folder, double columnWidth, double maxHeight)
{
    const std::vector<TPicture> pictures = Pictures(document);
    // From the end: removing a paragraph must not move the ones still to be handled.
    for (auto picture = pictures.rbegin(); picture != pictures.rend(); ++picture) {
        const QImage image = folder.isEmpty() ? QImage() : QImage(QDir(folder).filePath(picture->Name + ".png"));
        QTextCursor cursor(&document);
        if (image.isNull()) {
            cursor.setPosition(picture->Block.position());
            cursor.setPosition(picture->Block.position() + picture->Block.length() - 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            // The paragraph is empty now; join it with the one before so no gap remains.
            if (picture->Block.previous().isValid())
                cursor.deletePreviousChar();
            else
                cursor.deleteChar();
            continue;
        }
        QTextImageFormat format = picture->Fragment.charFormat().toImageFormat();
        const QString name = format.name();
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const double scale = std::min({1.0, columnWidth / image.width(), maxHeight / image.height()});
        format.setWidth(image.width() * scale);
        format.setHeight(image.height() * scale);
        cursor.setPosition(picture->Fragment.position());
        cursor.setPosition(picture->Fragment.position() + picture->Fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}
