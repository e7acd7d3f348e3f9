#include "tests/session/SessionTestSupport.h"

#include "storage/LogFile.h"

SessionTest::SessionTest()
{
    ResetGlobalState();
    QObject::connect(&Session, &TAcquisitionSession::StatusText, [this](const QString &text) { Status << text; });
}

SessionTest::~SessionTest()
{
    ResetGlobalState();
}

void SessionTest::Feed(float value, int frequency)
{
    SampleInProgress = true;
    Session.ProcessSample(frequency, value);
}

void SessionTest::Record()
{
    Session.StartRecording(HalfSecond);
}

qsizetype SessionTest::LogSize() const
{
    return ReadWholeFile(Session.CurrentLogFile()).size();
}

QString SessionTest::HistoLine(int index) const
{
    const QByteArray histogram = ReadWholeFile(CompanionName(Session.CurrentLogFile(), ".histo"));
    return QString::fromLatin1(histogram).split("\r\n").value(index);
}
