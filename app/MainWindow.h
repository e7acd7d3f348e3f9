#pragma once
// TMainWindow, the main window: the tool bar that drives listening, the live time chart and level
// histogram, the statistics panel, the settings and risk panels, the menu, and the live
// sample pipeline's drawing. The acquisition itself is its Session's: the handlers ask the
// session and draw what it reports. Its controls are public members named as in the window's
// design, so the other windows and the tests reach them directly.

#include "app/LivePipeline.h"
#include "device/ConnectionClient.h"
#include "model/AppPaths.h"
#include "model/AcquisitionState.h"
#include "session/AcquisitionSession.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QSplitter;
class TMeterConnection;
class TMetaDataDialog;
class TScheduleDialog;
class TChartWidget;
class TAcquisitionBar;
class TAcquisitionSettingsPanel;

class TRiskScaleBox;
class TStatisticsPanel;
class TStatusLine;

class TMainWindow : public QMainWindow, public IConnectionClient {
    Q_OBJECT

public:
    // Builds the window for the folders of paths (FormCreate), with the metadata and schedule
    // dialogs. The risk palette must have been loaded before.
    explicit TMainWindow(const TAppPaths &paths, QWidget *parent = nullptr);
    ~TMainWindow() override;

    // The connection form that owns the serial port. It is made after this window and opens
    // the port while it is being made; listening asked for before it is attached starts here.
    void AttachConnectionForm(TMeterConnection &form);

    // What the connection form calls; the meter's lines go to the Session.
    void StartListening() override;
    void ShowStatus(const QString &text) override;
    void ShowNotice(const QString &text) override;
    TLastSettings CurrentSettings() const override;
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect) override;
    void SaveRecordingBeforeExit() override;

    // The meter was unplugged (MeterLoss.cpp): the session keeps what was received.
    void MeterDisconnected();
    // The same port opened again: the run goes on where it was.
    void MeterReconnected();

    // The live pipeline's drawing (LivePipeline.cpp).
    void SetupTimeChart(TChartWidget &chart, std::uint8_t unit, int visibleSamples, double interval);
    // What the session reports of a sample: charts and read-outs.
    void ShowSample();
    void PlotSample(TChartWidget &chart, int decimals);
    void ResetHistogramChart(TChartWidget &chart);
    TTimedValue MaxRecord() const;

    // Listening and recording control (RecordingControl.cpp).
    void PlayBClick();
    void RecBClick();
    void PauseBClick();
    void StopBClick();
    void RestartBClick();
    // The Record and Stop menu actions: the button pressed, then its action.
    void PressRecordButton();
    void PressStopButton();
    // The window's and the application's icon for the state the session reports.
    void SetStateIcons(TRecordingState state);
    void ClearStatistics();

    // The scheduled end (ScheduledEndControl.cpp).
    void ScheduleEnd1Click();
    void InterruptRECTimer();

    // The import of the meter's memory (ImportControl.cpp). Lines reach the session while
    // it is Importing.
    void Import1Click();

    // The window's frame (MainWindow.cpp).
    void FormShow();
    // Whether the window may close now.
    bool FormCloseQuery();
    void Splitter1Moved();

    // The record windows' doors, filled when they are made (app/RecordWindows).
    std::function<void(int mode)> OpenFileManager;
    std::function<void()> ShowDensityAnalyser;
    std::function<void()> LogFileCreated;
    void OpenRecord1Click();
    void Density1Click();
    void DensityAnalyser1Click();
    void PanelStatusClick();

    const TAppPaths Paths;
    // The acquisition: its state, its numbers and the record being written.
    TAcquisitionSession Session;

    // What the window draws of the run.
    int RiskIndex = 0;
    double ElapsedX = 0.0;
    std::uint32_t PlottedCount = 0;
    std::uint8_t MarkShape = ShapeDisc7;

    // The tool bar.
    TAcquisitionBar *Bar = nullptr;

    // The acquisition settings and the risk choices.
    TAcquisitionSettingsPanel *SettingsPanel = nullptr;

    // Charts.
    QFrame *PanelPlots = nullptr;
    QSplitter *Splitter1 = nullptr;
    TChartWidget *TChart = nullptr;
    TChartWidget *HChart = nullptr;
    QLineEdit *TChartEdit = nullptr;
    QLineEdit *HChartEdit = nullptr;

    // Risk scale and statistics.
    QLabel *RiskLevelImage = nullptr;
    TRiskScaleBox *RiskEvaluationPB = nullptr;
    TStatisticsPanel *PanelBottom = nullptr;
    QLabel *LabelRisk = nullptr;
    QLabel *Label1 = nullptr;
    TStatusLine *StatusLine = nullptr;


    TMetaDataDialog *MetaDataDialog = nullptr; // the metadata dialog
    TScheduleDialog *ScheduleDialog = nullptr; // the schedule dialog

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    // MainWindowLayout.cpp
    void BuildLayout();
    QFrame *BuildPlotPanel();
    QFrame *BuildBottomPanel();
    void BuildMenu();
    void WireHandlers();
    void PlaceChartReadouts();
    // Chart mouse actions.
    void TChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void TChartMouseMoveInChart(bool inChart, double y);
    void HChartMouseMoveInChart(bool inChart, double x);

    bool PortIsOpen() const;
    void ConnectDevice(bool startListening);
    void ClosePort();
    // ImportControl.cpp: what the window shows of the session's import, and gives it.
    void WatchImport();
    void ShowSampleValues(std::uint8_t decimals);
    void WatchSession();

    TMeterConnection *ConnectionForm = nullptr;
    bool ListenWhenAttached = false;
    bool FirstShown = false;
};
