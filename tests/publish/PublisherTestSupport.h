#pragma once
// A publisher of the test's own on the test's broker, the states it reports, and the readings
// as a consumer gets them back from the broker.

#include "publish/MqttPublisher.h"
#include "publish/PublishedReading.h"
#include "tests/publish/LocalBroker.h"
#include "tests/publish/TestClient.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

// Without Home Assistant's configurations unless the test is about them.
inline TPublishOptions LocalOptions(std::uint16_t port, bool discovery = false)
{
    TPublishOptions options;
    options.Host = QStringLiteral("127.0.0.1");
    options.Port = port;
    options.Discovery = discovery;
    return options;
}

// The i-th reading of a run that started at 10:49:20.500, one every half second.
inline TPublishedReading NumberedReading(int i, std::uint8_t unit = 1)
{
    static const QDateTime start(QDate(2026, 12, 7), QTime(10, 49, 20, 500));
    return MakePublishedReading(start.addMSecs(500LL * i), unit, 0.25f * static_cast<float>(i + 1),
                                static_cast<std::uint16_t>(i % 3 == 0 ? 0 : 900 + i), TPopulation::General,
                                TTargetState::Wake);
}

inline QJsonObject JsonOf(const QByteArray &payload)
{
    return QJsonDocument::fromJson(payload).object();
}

// When each reading a consumer got was taken, in the order they came, in ms since the epoch.
inline std::vector<qint64> ReceivedTimes(const std::vector<QByteArray> &payloads)
{
    std::vector<qint64> times;
    for (const QByteArray &payload : payloads)
        times.push_back(QDateTime::fromString(JsonOf(payload)["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch());
    return times;
}

// The same without the repeats QoS 1 allows: each time once, where it first came.
inline std::vector<qint64> FirstArrivals(const std::vector<qint64> &times)
{
    std::vector<qint64> first;
    for (const qint64 time : times)
        if (std::find(first.begin(), first.end(), time) == first.end())
            first.push_back(time);
    return first;
}

inline std::vector<qint64> SentTimes(int from, int to)
{
    std::vector<qint64> times;
    for (int i = from; i < to; ++i)
        times.push_back(NumberedReading(i).Time.toMSecsSinceEpoch());
    return times;
}

class PublisherTest : public ::testing::Test {
protected:
    // Retries come quickly so that the tests do not wait out the real delays.
    static constexpr TReconnectDelays QuickRetries{50ms, 200ms};

    TMqttPublisher &MakePublisher(const TPublishOptions &options, TReconnectDelays delays = QuickRetries)
    {
        Publisher = std::make_unique<TMqttPublisher>(options, delays);
        QObject::connect(Publisher.get(), &TMqttPublisher::StatusChanged,
                         [this](TBrokerState state, const QString &text) { States.emplace_back(state, text); });
        return *Publisher;
    }

    void PublishReadings(int from, int to)
    {
        for (int i = from; i < to; ++i)
            Publisher->Publish(NumberedReading(i));
    }

    bool WaitForState(TBrokerState state, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return !States.empty() && States.back().first == state; }, ms);
    }

    static bool WaitForCount(const TTestClient &client, const QString &topic, std::size_t count, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return client.MessagesOn(topic).size() >= count; }, ms);
    }

    std::vector<TBrokerState> StateSequence() const
    {
        std::vector<TBrokerState> sequence;
        for (const auto &[state, text] : States)
            sequence.push_back(state);
        return sequence;
    }

    std::unique_ptr<TMqttPublisher> Publisher;
    std::vector<std::pair<TBrokerState, QString>> States;
};
