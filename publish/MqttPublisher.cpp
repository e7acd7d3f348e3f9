#include "publish/MqttPublisher.h"

#include "model/MessageError.h"
#include "publish/BrokerLink.h"

namespace {

const TPublishOptions &Checked(const TPublishOptions &options)
{
    if (const std::optional<QString> problem = PublishOptionsProblem(options))
        throw EMessageError(*problem);
    return options;
}

// After a lost connection the attempts that fail are part of the same absence.
bool SameAbsence(std::optional<TBrokerState> last, TBrokerState state)
{
    return last == state || (last == TBrokerState::Lost && state == TBrokerState::Unreachable);
}

} // namespace

TMqttPublisher::TMqttPublisher(TPublishOptions options, QObject *parent)
    : TMqttPublisher(std::move(options), TReconnectDelays{}, parent)
{
}

TMqttPublisher::TMqttPublisher(TPublishOptions options, TReconnectDelays delays, QObject *parent)
    : QObject(parent), PublishOptions(Checked(options))
{
    // The network thread only posts: every report reaches this object on its own thread.
    Link = std::make_unique<TBrokerLink>(PublishOptions, Queue, delays, [this](TBrokerState state, const QString &text) {
        QMetaObject::invokeMethod(this, [this, state, text] { Take(state, text); }, Qt::QueuedConnection);
    });
}

TMqttPublisher::~TMqttPublisher()
{
    Stop();
}

void TMqttPublisher::Start()
{
    if (!Stopped)
        Link->Start();
}

void TMqttPublisher::Publish(TPublishedMessage message)
{
    if (Stopped)
        return;
    Queue.Push(std::move(message));
    Link->Wake();
}

void TMqttPublisher::Stop(std::chrono::milliseconds wait)
{
    if (Stopped)
        return;
    Stopped = true;
    Link->Stop(wait);
}

void TMqttPublisher::Take(TBrokerState state, const QString &text)
{
    if (SameAbsence(LastState, state))
        return;
    LastState = state;
    emit StatusChanged(state, text);
}
