#pragma once
// The file manager's right column: what the highlighted record holds (its metadata, the log's
// size, number of samples and duration), what of it cannot be read, the preview of its level
// histogram and, at its foot, the count of highlighted logs beside the window's OK button.

#include "model/UnitHistogram_COMMON.h"
#include "windows/RecordReadProblems.h"

#include <QWidget>

class IRecordWindowsHost;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TChartWidget;

class TRecordInfoPanel : public QWidget {
public:
    // The preview is coloured by the host's risk choices.
    explicit TRecordInfoPanel(const IRecordWindowsHost &host, QWidget *parent = nullptr);
    // Puts the window's button at the right of the foot.
    void PlaceAtFoot(QWidget *button);

    // Shows the record of logPath, of highlighted highlighted logs; its preview only while the
    // window is active. A file of it that cannot be read is named on the problem line, and told
    // in one box the first time the user looks at this record.
    void ShowRecord(const QString &logPath, int highlighted);
    // Empties the fields, the count, the problem line and the preview.
    void ShowNoRecord();
    // "name (highlighted)" at the foot, while a record's information is shown.
    void ShowHighlightCount(const QString &logFile, int highlighted);

    THistogram PreviewHistogram;

    QLineEdit *MemoOperator = nullptr;
    QLineEdit *MemoPlace = nullptr;
    QPlainTextEdit *MemoNotes = nullptr;
    QLineEdit *MemoDateTime = nullptr;
    QLineEdit *MemoiUnit = nullptr;
    QLineEdit *MemoCorrection = nullptr;
    QLineEdit *MemoInterval = nullptr;
    QLineEdit *MemoSize = nullptr;
    QLineEdit *MemoNumSamples = nullptr;
    QLineEdit *MemoDuration = nullptr;
    // Names the file of the record that cannot be read, and why; hidden otherwise.
    QLabel *LabelReadProblem = nullptr;
    QLabel *HistogramCaption = nullptr;
    TChartWidget *HChart = nullptr;
    QLabel *LabelItemIndex = nullptr;

private:
    void BuildLayout();
    void ClearInformation();
    void ShowInformation(const QString &logPath, int highlighted);
    void ShowPreview(const QString &logPath);
    void ShowReadProblems();
    void TellReadProblems();

    const IRecordWindowsHost &Host;
    QHBoxLayout *Foot = nullptr;
    // The record shown, and whether the user was told that its files cannot be read.
    QString ShownRecord;
    bool ReadProblemTold = false;
    bool InformationShown = false;
    TRecordReadProblems ReadProblems;
};
