#pragma once
// Home Assistant's MQTT discovery of the meter: four sensors of one device (the reading, the
// level, the peak frequency and the risk category), each a retained configuration on
// "<prefix>/sensor/<node>/<sensor>/config" that reads its value from the reading topic, and a
// binary sensor on "<prefix>/binary_sensor/<node>/alert/config" that reads the alert topic.

#include "publish/PublishOptions.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

struct TDiscoveryMessage {
    QString Topic;
    QByteArray Payload; // empty: the sensor is removed
};

// The configurations for readings in unit.
std::vector<TDiscoveryMessage> DiscoveryConfigs(const TPublishOptions &options, std::uint8_t unit);
// Empty retained configurations on the same topics: Home Assistant forgets the sensors.
std::vector<TDiscoveryMessage> DiscoveryRemovals(const TPublishOptions &options);
