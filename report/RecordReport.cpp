#include "report/RecordReport.h"

#include "model/FileError.h"
#include "model/ProgramVersion.h"
#include "model/Services.h"
#include "report/ReportCharts.h"
#include "report/ReportPages.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

void SaveRecordReport(const QString &pdfPath, const TReportRequest &request, const TReportTexts &texts)
{
    const std::unique_ptr<TRecordCharts> charts =
        MakeRecordCharts(request.LogPath, request.Meta, request.Population, request.State, ReportChartSize);
    QSaveFile file(pdfPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file, pdfPath, errno);
    {
        QPdfWriter writer(&file);
        writer.setCreator(ProgramName + u' ' + ProgramVersion);
        writer.setTitle(texts.Title.arg(QFileInfo(request.LogPath).fileName()));
        PaintReportPages(writer, request, *charts, texts, CurrentTime());
    }
    errno = 0;
    if (!file.commit())
        throw FileError(file, pdfPath, errno);
}
