#pragma once
// The record windows (viewer, density analyser, file manager) beside the main window: made
// after the main window and the connection form, connected to each other and to the main
// window's menu, status line and recording, and gone before the main window goes.

#include "windows/RecordViewer.h"
#include "windows/DensityAnalyser.h"
#include "windows/FileManager.h"
#include "windows/RecordWindowsHost.h"

#include "model/AppPaths.h"

class TMainWindow;

class TRecordWindows : public IRecordWindowsHost {
public:
    TRecordWindows(TMainWindow &mainWindow, const TAppPaths &paths);
    ~TRecordWindows() override;
    TRecordWindows(const TRecordWindows &) = delete;
    TRecordWindows &operator=(const TRecordWindows &) = delete;

    QString CurrentLogFile() const override;
    bool IsRecording() const override;
    void HoldLineDelivery(bool hold) override;
    TPopulation RiskPopulation() const override;
    TTargetState RiskState() const override;

    TDensityAnalyser DensityAnalyser;
    TRecordViewer RecordViewer;
    TFileManager FileManager;

private:
    TMainWindow &MainWindow;
};
