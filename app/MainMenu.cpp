// The main window's menu. The items of the record windows (opening a record, the density
// analyser) go through the doors that the record windows fill when they are made.

#include "model/HandlerErrors.h"
#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/AlertsControl.h"
#include "app/HelpMenu.h"
#include "app/MainWindow.h"
#include "app/PublishingControl.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

QAction *AddItem(QMenu *menu, const QString &text, const QKeySequence &shortcut = QKeySequence())
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TMainWindow::BuildMenu()
{
    QMenu *data = menuBar()->addMenu(tr("&Data"));
    QAction *openRecord1 = AddItem(data, tr("&Open record"), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openRecord1, &QAction::triggered, this, ShowingErrors(this, &TMainWindow::OpenRecord1Click));
    // The file manager picks the log, then the record is written as a report or as CSV.
    QAction *exportRecord1 = AddItem(data, tr("&Export record…"));
    connect(exportRecord1, &QAction::triggered, this, ShowingErrors([this] {
        if (OpenFileManager)
            OpenFileManager(TFileManagerMode::ExportRecord);
    }));
    QAction *import1 = AddItem(data, tr("&Import from device"), QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(import1, &QAction::triggered, this, ShowingErrors(Control, &TAcquisitionControl::Import1Click));

    QMenu *log = menuBar()->addMenu(tr("&Log"));
    QAction *play1 = AddItem(log, tr("&Play"), QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction *record1 = AddItem(log, tr("&Record"), QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction *pause1 = AddItem(log, tr("&Pause"), QKeySequence(Qt::CTRL | Qt::Key_U));
    QAction *stop1 = AddItem(log, tr("&Stop"), QKeySequence(Qt::CTRL | Qt::Key_S));
    log->addSeparator();
    QAction *restart1 = AddItem(log, tr("Res&tart"), QKeySequence(Qt::CTRL | Qt::Key_T));
    QAction *scheduleEnd1 = AddItem(log, tr("&Schedule end"));
    log->addSeparator();
    QAction *alerts1 = AddItem(log, tr("&Alerts…"));
    connect(alerts1, &QAction::triggered, this, ShowingErrors([this] { Alerts->EditOptions(); }));
    connect(play1, &QAction::triggered, this, ShowingErrors([this] {
        Bar->PlayB->setChecked(true);
        Control->PlayBClick();
    }));
    connect(record1, &QAction::triggered, this, ShowingErrors(Control, &TAcquisitionControl::PressRecordButton));
    connect(pause1, &QAction::triggered, this, ShowingErrors([this] {
        Bar->PauseB->toggle();
        Control->PauseBClick();
    }));
    connect(stop1, &QAction::triggered, this, ShowingErrors(Control, &TAcquisitionControl::PressStopButton));
    connect(restart1, &QAction::triggered, this, ShowingErrors(Control, &TAcquisitionControl::RestartBClick));
    connect(scheduleEnd1, &QAction::triggered, this, ShowingErrors(Control, &TAcquisitionControl::ScheduleEnd1Click));
    log->addSeparator();
    connect(AddItem(log, tr("Publish readings…")), &QAction::triggered, this,
            ShowingErrors([this] { Publishing->EditOptions(); }));

    QMenu *analysis = menuBar()->addMenu(tr("&Analysis"));
    QAction *density1 = AddItem(analysis, tr("&Density"), QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(density1, &QAction::triggered, this, ShowingErrors(this, &TMainWindow::Density1Click));

    QMenu *show = menuBar()->addMenu(tr("&Show"));
    QAction *controlPanel1 = AddItem(show, tr("&Control Panel"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    QAction *densityAnalyser1 =
        AddItem(show, tr("&Density Analyser"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    connect(densityAnalyser1, &QAction::triggered, this, ShowingErrors(this, &TMainWindow::DensityAnalyser1Click));
    connect(controlPanel1, &QAction::triggered, this, ShowingErrors([this] { SettingsPanel->ToggleFolded(); }));

    menuBar()->addMenu(new THelpMenu(Paths, this));
}
