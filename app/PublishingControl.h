#pragma once
// The program's publishing of the readings: its options in a file of their own in the
// settings folder (Publishing.ini, readable by the user alone), the "Publish readings…"
// dialog, and the publisher of the session's readings while publishing is on. What the
// publisher finds of the broker goes to the status line once per change: a failure, and the
// broker reached again after one; never a box.

#include "model/Risk.h"
#include "publish/PublishOptions.h"
#include "publish/SessionPublisher.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class QWidget;
class TAcquisitionSession;
class TPublishDialog;

class TPublishingControl : public QObject {
    Q_OBJECT

public:
    struct TWindow {
        // The population and state chosen in the Risk Assessment panel.
        std::function<std::pair<TPopulation, TTargetState>()> RiskChoice;
        // A text for the status line that stays a while.
        std::function<void(const QString &text)> ShowNotice;
    };

    TPublishingControl(TAcquisitionSession &session, const QString &settingsDir, TWindow window,
                       QWidget *dialogParent);
    ~TPublishingControl() override;

    // Publishing as the options file says. Options a publisher cannot use are told on the
    // status line and nothing is published.
    void Start();
    // The dialog with the options of the file; those accepted are written to it (EInOutError
    // when it cannot be) and take effect at once.
    void EditOptions();
    // The clean end of publishing at the program's end.
    void Stop();

    QString OptionsPath() const { return OptionsFile; }
    // The publisher while publishing is on.
    TSessionPublisher *Publisher() const { return Publishing.get(); }

private:
    void Apply(const TPublishOptions &options);
    void TakeStatus(TBrokerState state, const QString &text);

    TAcquisitionSession &Session;
    const QString OptionsFile;
    const TWindow Window;
    TPublishDialog *Dialog;
    std::unique_ptr<TSessionPublisher> Publishing;
    // A failure has been told and the broker not reached since.
    bool FailureShown = false;
};
