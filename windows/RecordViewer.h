#pragma once
// TRecordViewer, the record viewer: one stored record in full: the time chart of all its samples,
// the histogram of their levels in risk colours, the statistics, the list of reported peak
// frequencies with their times, the record's metadata, and the risk-category strip with the
// viewer's own choice of population and state. Its controls are public members named as in
// the window's design, so the tests reach them directly.

#include "charts/ChartTypes.h"
#include "model/AppPaths.h"
#include "model/Exposure.h"
#include "model/SampleStatistics.h"
#include "storage/MetaData.h"
#include "storage/RecordClock.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class IRecordWindowsHost;
class QFrame;
class QLabel;
class QListView;
class QProgressBar;
class QToolButton;
class TChoiceGroup;
class TLogReader;
class TPeakFrequencyModel;
class TChartWidget;
class TChartsPanel;
class TStatisticsPanel;

class TRecordViewer : public QWidget {
    Q_OBJECT

public:
    // Built hidden (FormCreate); the first OpenRecord shows it.
    TRecordViewer(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent = nullptr);
    ~TRecordViewer() override;

    // Loads and shows the record of fileName, replacing the one shown. useTempCopy: the log is
    // being recorded and is read from a copy. While a record loads the window stays responsive
    // and a further call is ignored. A file that cannot be read throws EInOutError.
    void OpenRecord(const QString &fileName, bool useTempCopy);
    bool Loading() const { return LoadInProgress; }

    // The status line was clicked: the app opens the file manager to pick a record.
    std::function<void()> OnOpenAnotherRecord;

    // The export menu's commands for the record shown (RecordViewerExport.cpp); nothing while none is.
    void SaveReportClick();
    void ExportCsvClick();
    void SavePictureClick();
    // The log of the record shown; empty while a record loads or none is shown.
    QString ShownRecordFile;

    // Handlers.
    void PanelRightClick();
    void TChartMouseDown(TChartWidget *sender, Qt::MouseButton button, TShiftState shift, int x, int y);
    void TChartMouseMoveInChart(TChartWidget *sender, bool inChart, TShiftState shift, double x, double y);
    void HChartMouseMoveInChart(TChartWidget *sender, bool inChart, TShiftState shift, double x, double y);
    void RiskPopulationRGClick();
    void RiskStateRGClick();
    void PanelStatusClick();
    // The view a right or middle click on the time chart restores.
    TRangeBox FullTimeView() const;

    // The open record.
    TMetaData RecordMeta;
    std::uint64_t SampleCount = 0;  // n
    double Interval = 0.5;          // T, seconds
    double StartSecond = 0.0;       // t0: the start's second of its day
    std::uint8_t MarkShape = 24;
    TSampleStatistics Statistics;   // its histogram is the viewer's histogram
    TExposure Exposure{0.5};        // against the reference levels, at the record's interval
    QStringList RecordDamage;       // what cannot be right in its files, for the report
    TPeakFrequencyModel *PeakFrequencies = nullptr;

    // Controls.
    QLabel *PanelCoolBar = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QToolButton *ExportB = nullptr;
    QFrame *PanelRight = nullptr;
    QLabel *PeakFrequenciesTitle = nullptr;
    QListView *PeakFreqRE = nullptr;
    QLabel *RiskTitle = nullptr;
    TChoiceGroup *RiskPopulationRG = nullptr;
    TChoiceGroup *RiskStateRG = nullptr;
    TChartsPanel *Charts = nullptr; // with PanelRight beside its charts
    // Charts' own, under the names the viewer's handlers use.
    TChartWidget *TChart = nullptr;
    TChartWidget *HChart = nullptr;
    TStatisticsPanel *PanelBottom = nullptr;
    QLabel *PanelStatus = nullptr;
    QLabel *LabelSample = nullptr;
    QLabel *LabelExposure = nullptr; // in the statistics' second row

private:
    void BuildLayout();               // RecordViewerLayout.cpp
    QToolButton *BuildExportButton(); // RecordViewerExport.cpp
    void ResetViewer();
    void ReadRecordMeta(const QString &fileName);
    // The copy of a log in recording, made while line delivery is held; none when it failed.
    std::optional<QString> CopyRecordingLog(const QString &fileName);
    void AskToRecycleEmptyLog(const QString &openedFile);
    void PrepareRecord();
    void ReadSamples(TLogReader &reader);
    void ProcessRecordSample(std::uint64_t index, float stored, std::uint16_t frequency);
    void LetInterfaceBreathe(std::uint64_t index);
    void ShowRecordSummary(const QString &fileName);
    void DrawHistogram();

    IRecordWindowsHost &Host;
    const TAppPaths Paths;
    std::optional<TRecordClock> Clock;
    bool LoadInProgress = false;
};
