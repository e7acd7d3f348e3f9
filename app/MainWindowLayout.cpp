// The main window assembled from its panels.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/MainWindow.h"
#include "app/StatusLine.h"
#include "dialogs/WidgetStyle.h"
#include "windows/StatisticsPanel.h"

#include <QVBoxLayout>

void TMainWindow::BuildLayout()
{
    setWindowTitle(tr("  ZELTAR Logger"));
    resize(975, 676);
    setMinimumSize(920, 672);
    SetBackground(this, WindowGrey);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Bar = new TAcquisitionBar(Session, Paths.ResourcesDir);
    column->addWidget(Bar);
    SettingsPanel = new TAcquisitionSettingsPanel(Session);
    Charts = new TLiveChartsPanel(Session, *SettingsPanel, Paths.ResourcesDir);
    column->addWidget(Charts, 1);
    StatusLine = new TStatusLine(Session);
    Charts->Statistics->AddStatusLine(StatusLine);
    Control = new TAcquisitionControl(*this, Session, *Bar, *SettingsPanel, *Charts, Paths);
    setCentralWidget(client);
}
