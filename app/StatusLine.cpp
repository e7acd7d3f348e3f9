#include "app/StatusLine.h"

#include "session/AcquisitionSession.h"
#include "storage/LocaleTimeText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// Long enough to read a notice before the running status comes back.
constexpr int NoticeMs = 10000;

} // namespace

TStatusLine::TStatusLine(const TAcquisitionSession &session, QWidget *parent) : TElidedLabel(parent), Session(session)
{
    SampleClock = new QLabel(this);
    SampleClock->setToolTip(QCoreApplication::translate("TStatusLine", "Clock and serial number of the current Peak sample"));
    // A click on the sample clock is nobody's: it opens no record.
    SampleClock->setAttribute(Qt::WA_NoMousePropagation);
    // At least its design width; wider where the substitute of the status font needs it.
    SampleClock->setMinimumWidth(265);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(SampleClock);

    NoticeTimer.setSingleShot(true);
    NoticeTimer.setInterval(NoticeMs);

    connect(&Session, &TAcquisitionSession::StatusText, this, &QLabel::setText);
    connect(&Session, &TAcquisitionSession::RecordSaved, SampleClock, &QLabel::clear);
    connect(&Session, &TAcquisitionSession::SampleProcessed, this, &TStatusLine::ShowSampleClock);
}

void TStatusLine::ShowStatus(const QString &text)
{
    setText(text);
}

void TStatusLine::ShowNotice(const QString &text)
{
    setText(text);
    NoticeTimer.start();
}

void TStatusLine::ShowSampleClock(const QDateTime &at)
{
    const std::uint64_t count = Session.Statistics().SampleCount();
    if (count < TAcquisitionSession::SampleCounterLimit)
        SampleClock->setText(LocaleDateTimeText(at) + "; " + QCoreApplication::translate("TStatusLine", "Samples: %1").arg(count));
    ShowRunningStatus();
}

void TStatusLine::ShowRunningStatus()
{
    if (NoticeTimer.isActive())
        return;
    const TRecordingState state = Session.State();
    if (state == Recording && Session.LogWriteFailed()) {
        setText(QCoreApplication::translate("TStatusLine", "   The record is incomplete: nothing is being written to its log"));
        return;
    }
    if (ShowsAlert && ShowsAlert())
        return;
    if (state == Listening || state == Recording) {
        const QString text = state == Listening
                                 ? QCoreApplication::translate("TStatusLine", "   Playing since %1; Last max on %2")
                                 : QCoreApplication::translate("TStatusLine", "   Recording since %1; Last max on %2");
        setText(text.arg(DayCountText(Session.SessionStart()), DayCountText(Session.Statistics().MaximumTime())));
    }
}
