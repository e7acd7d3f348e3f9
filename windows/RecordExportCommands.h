#pragma once
// The record windows' commands that hand a record on: its PDF report, its samples as CSV and
// its charts as a picture. Each asks for a file name in the program's save dialog (proposed
// in the folder used last, at first the user's Documents folder), writes the file whole or
// not at all, and tells a failure in one error box; nothing leaves them as an exception.

#include "report/ReportRequest.h"

#include <QString>

#include <vector>

class QWidget;
class TChartWidget;

void SaveReportCommand(QWidget *parent, const TReportRequest &request);

// The CSV that zeltar-export writes, streamed; a progress dialog with Cancel comes up when it
// takes longer than half a second. Cancelling leaves no file.
void ExportCsvCommand(QWidget *parent, const TReportRequest &request);

// baseName: the proposed file name without its suffix.
void SavePictureCommand(QWidget *parent, const QString &baseName, const std::vector<const TChartWidget *> &charts);

// Where the next save dialog of these commands opens.
QString ExportFolder();
