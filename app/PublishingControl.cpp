#include "app/PublishingControl.h"

#include "dialogs/PublishDialog.h"
#include "model/MessageError.h"
#include "publish/PublishOptionsFile.h"
#include "session/AcquisitionSession.h"

#include <QDir>

TPublishingControl::TPublishingControl(TAcquisitionSession &session, const QString &settingsDir, TWindow window,
                                       QWidget *dialogParent)
    : Session(session),
      OptionsFile(QDir(settingsDir).filePath(PublishOptionsFileName)),
      Window(std::move(window)),
      Dialog(new TPublishDialog(dialogParent))
{
    // Connected before any publisher is made, so each sample's reading carries the choice in
    // the panel at that sample.
    connect(&Session, &TAcquisitionSession::SampleProcessed, this, [this] {
        if (Publishing) {
            const auto [population, state] = Window.RiskChoice();
            Publishing->SetRiskChoice(population, state);
        }
    });
}

TPublishingControl::~TPublishingControl()
{
    Stop();
}

void TPublishingControl::Start()
{
    Apply(ReadPublishOptions(OptionsFile));
}

void TPublishingControl::EditOptions()
{
    const std::optional<TPublishOptions> edited = Dialog->Execute(ReadPublishOptions(OptionsFile));
    if (!edited)
        return;
    WritePublishOptions(OptionsFile, *edited);
    Apply(*edited);
}

void TPublishingControl::Stop()
{
    if (Publishing)
        Publishing->Stop();
    Publishing.reset();
}

void TPublishingControl::Apply(const TPublishOptions &options)
{
    Stop();
    FailureShown = false;
    if (!options.Enabled)
        return;
    try {
        Publishing = std::make_unique<TSessionPublisher>(Session, options);
    } catch (const EMessageError &error) {
        Window.ShowNotice(tr("   The readings are not published: %1").arg(error.Message));
        return;
    }
    connect(Publishing.get(), &TSessionPublisher::StatusChanged, this, &TPublishingControl::TakeStatus);
    Publishing->Start();
}

void TPublishingControl::TakeStatus(TBrokerState state, const QString &text)
{
    // Reaching the broker is only worth telling once it had failed; each failure is new here,
    // the publisher reports a state once until it changes.
    if (state == TBrokerState::Connected && !std::exchange(FailureShown, false))
        return;
    if (state != TBrokerState::Connected)
        FailureShown = true;
    Window.ShowNotice(tr("   Publishing: %1").arg(text));
}
