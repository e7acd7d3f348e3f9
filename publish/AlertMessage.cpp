#include "publish/AlertMessage.h"

#include "model/Risk.h"
#include "model/Units.h"
#include "publish/PublishedReading.h"

#include <QJsonDocument>
#include <QJsonObject>

QByteArray AlertJson(const TAlertMessage &message)
{
    QJsonObject json{
        {QStringLiteral("state"), message.On ? QStringLiteral("on") : QStringLiteral("off")},
        {QStringLiteral("time"), QString::fromLatin1(IsoTimeWithOffset(message.Time))},
        // The readings are floats: the peak is written as the reading was.
        {QStringLiteral("peak"), PublishedNumber(static_cast<float>(message.Peak))},
        {QStringLiteral("unit"), UnitName(message.Unit).value_or(QString())},
    };
    if (message.Limit.Level)
        json.insert(QStringLiteral("limit"), *message.Limit.Level);
    else
        json.insert(QStringLiteral("limit"),
                    RiskCategoryNames[static_cast<std::size_t>(message.Limit.Category.value_or(0))]);
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}
