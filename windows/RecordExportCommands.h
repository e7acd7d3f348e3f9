#pragma once
// The record windows' commands that hand a record on: its PDF report, its samples as CSV and
// its charts as a picture. Each asks for a file name in the program's save dialog (proposed
// in the folder used last, at first the user's Documents folder), writes the file whole or
// not at all, and tells a failure in one error box; nothing leaves them as an exception.
// Each returns the file it wrote; empty when the user cancelled or the save failed. They use no
// widget themselves: the save dialog, the progress window, the wait cursor and the boxes are
// the program's services, and a parent is only handed on to them.

#include "report/ChartPicture.h"
#include "report/ReportRequest.h"

#include <QString>

#include <vector>

class QWidget;
class TChartWidget;

QString SaveReportCommand(QWidget *parent, const TReportRequest &request);

// The CSV that zeltar-export writes, streamed; a progress window with Cancel comes up when it
// takes longer than half a second. Cancelling leaves no file.
QString ExportCsvCommand(QWidget *parent, const TReportRequest &request);

// baseName: the proposed file name without its suffix; legend: drawn under the charts.
QString SavePictureCommand(QWidget *parent, const QString &baseName, const std::vector<const TChartWidget *> &charts,
                           const std::vector<TPictureLegendLine> &legend = {});

// "   Report saved to /path/name.pdf": what a window's status line says after a save. The
// sentence is a whole one per kind of file, with %1 for the path, so each language can agree it.
QString SavedFileStatus(const QString &sentence, const QString &path);

// Where the next save dialog of these commands opens.
QString ExportFolder();
