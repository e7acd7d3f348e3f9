#include "report/ChartPicture.h"

#include "charts/ChartPrint.h"
#include "charts/ChartWidget.h"
#include "model/FileError.h"
#include "model/ProgramVersion.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cerrno>

namespace {

void PaintCharts(QPainter &painter, const std::vector<const TChartWidget *> &charts)
{
    int top = 0;
    for (const TChartWidget *chart : charts) {
        painter.save();
        painter.translate(0, top);
        PrintChart(*chart, painter);
        painter.restore();
        top += chart->height();
    }
}

void WriteSvg(QSaveFile &file, const std::vector<const TChartWidget *> &charts)
{
    const QSize size = ChartPictureSize(charts);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(ProgramName);
    QPainter painter(&svg);
    PaintCharts(painter, charts);
}

void WritePng(QSaveFile &file, const std::vector<const TChartWidget *> &charts)
{
    QImage image(ChartPictureSize(charts), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintCharts(painter, charts);
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
        throw EInOutError(file.fileName() + QStringLiteral(": ") + writer.errorString());
}

} // namespace

QSize ChartPictureSize(const std::vector<const TChartWidget *> &charts)
{
    QSize size(0, 0);
    for (const TChartWidget *chart : charts)
        size = QSize(std::max(size.width(), chart->width()), size.height() + chart->height());
    return size;
}

void SaveChartPicture(const QString &path, const std::vector<const TChartWidget *> &charts)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
        throw EInOutError(path + QStringLiteral(": pictures are saved as .png or .svg files"));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file, path, errno);
    if (suffix == QStringLiteral("svg"))
        WriteSvg(file, charts);
    else
        WritePng(file, charts);
    errno = 0;
    if (!file.commit())
        throw FileError(file, path, errno);
}
