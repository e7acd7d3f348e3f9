#include "tests/support/Catalogue.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

TCatalogue ReadCatalogue(const QString &path)
{
    TCatalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString translation = xml.readElementText();
            if (!type.isEmpty() || translation.isEmpty())
                catalogue.NotReady << QStringLiteral("%1: \"%2\" (%3)").arg(context, source,
                                                                           type.isEmpty() ? QStringLiteral("empty") : type);
            else if (translation != source)
                catalogue.Translated.insert(source);
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

QString SourceCataloguePath(const QString &languageCode)
{
    return QStringLiteral(ZELTAR_SOURCE_DIR "/translations/zeltar_") + languageCode + QStringLiteral(".ts");
}
