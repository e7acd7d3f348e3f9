// The recorder writes what the program writes: the same lines from the meter, at the same
// time and with the same settings, give the same files, byte for byte, under the same name.

#include "tests/e2e/MeterSession.h"

#include "storage/LogFile.h"

#include <QFileInfo>

using RecorderMatchesProgramTest = ConnectedMeterSession;

TEST_F(RecorderMatchesProgramTest, TheSameLinesMakeTheSameRecord)
{
    Record();
    MeasureSeries(27);
    Form1->Bar->StopB->click();
    const QString programLog = Log();

    TRecorderRig rig(App.Paths());
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(27);
    rig.Recorder->SaveBeforeExit();
    ASSERT_EQ(rig.Logs().size(), 1);
    const QString recorderLog = rig.Logs()[0];

    EXPECT_EQ(QFileInfo(recorderLog).fileName(), QFileInfo(programLog).fileName());
    for (const QString &suffix : {QStringLiteral(".zlog"), QStringLiteral(".meta"), QStringLiteral(".histo")}) {
        const QByteArray program = ReadWholeFile(CompanionName(programLog, suffix));
        EXPECT_FALSE(program.isEmpty()) << suffix.toStdString();
        EXPECT_EQ(ReadWholeFile(CompanionName(recorderLog, suffix)), program) << suffix.toStdString();
    }
}
