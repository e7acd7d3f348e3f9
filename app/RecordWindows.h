#pragma once
// The record windows (viewer, density analyser, file manager) beside the main window: made
// after the main window and the connection form, connected to each other and to the main
// window's menu, status line and recording, and gone before the main window goes.

#include "windows/Form3_ShowData.h"
#include "windows/Form4_Density.h"
#include "windows/Form7_FileManager.h"
#include "windows/RecordWindowsHost.h"

#include "model/AppPaths.h"

class TForm1;

class TRecordWindows : public IRecordWindowsHost {
public:
    TRecordWindows(TForm1 &mainWindow, const TAppPaths &paths);
    ~TRecordWindows() override;
    TRecordWindows(const TRecordWindows &) = delete;
    TRecordWindows &operator=(const TRecordWindows &) = delete;

    QString CurrentLogFile() const override;
    bool IsRecording() const override;
    void HoldLineDelivery(bool hold) override;
    int RiskPopulationIndex() const override;
    int RiskStateIndex() const override;

    TForm4 Form4;
    TForm3 Form3;
    TForm7 Form7;

private:
    TForm1 &MainWindow;
};
