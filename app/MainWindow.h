#pragma once
// TMainWindow, the main window, assembled from its panels: the tool bar, the live charts with
// the acquisition settings beside them, the risk scale and the statistics, the status line and
// the menu. Each panel shows by itself what the session reports; the window's handlers act on
// the session for the tool bar and the menu.

#include "device/ConnectionClient.h"
#include "model/AppPaths.h"
#include "model/AcquisitionState.h"
#include "session/AcquisitionSession.h"
#include "windows/FileManagerMode.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class TAcquisitionBar;
class TAcquisitionControl;
class TAcquisitionSettingsPanel;
class TAlertsControl;
class TLiveChartsPanel;
class TMeterConnection;
class TPublishingControl;
class TStatusLine;

class TMainWindow : public QMainWindow, public IConnectionClient {
    Q_OBJECT

public:
    // Builds the window for the folders of paths (FormCreate). The risk palette must have been
    // loaded before.
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

    // The window's frame (MainWindow.cpp).
    void FormShow();
    // Whether the window may close now.
    bool FormCloseQuery();

    // The record windows' doors, filled when they are made (app/RecordWindows).
    std::function<void(TFileManagerMode mode)> OpenFileManager;
    std::function<void()> ShowDensityAnalyser;
    std::function<void()> LogFileCreated;
    void OpenRecord1Click();
    void Density1Click();
    void DensityAnalyser1Click();
    void PanelStatusClick();

    const TAppPaths Paths;
    // The acquisition: its state, its numbers and the record being written.
    TAcquisitionSession Session;

    // The tool bar, and what its buttons and the menu's entries do.
    TAcquisitionBar *Bar = nullptr;
    TAcquisitionControl *Control = nullptr;

    // The acquisition settings and the risk choices.
    TAcquisitionSettingsPanel *SettingsPanel = nullptr;

    // The charts with the settings beside them, the risk scale and the statistics.
    TLiveChartsPanel *Charts = nullptr;
    TStatusLine *StatusLine = nullptr;

    // The alerts switch's picture, tone, notification and dialog.
    TAlertsControl *Alerts = nullptr;
    // The readings published to a broker while publishing is on; ends before the session.
    std::unique_ptr<TPublishingControl> Publishing;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    // MainWindowLayout.cpp
    void BuildLayout();
    void BuildMenu();
    void WireHandlers();

    void WatchSession();

    bool FirstShown = false;
};
