#include "report/ChartPicture.h"

#include "charts/ChartPrint.h"
#include "charts/ChartWidget.h"
#include "model/FileError.h"
#include "model/ProgramVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cerrno>

namespace {

constexpr int LegendMargin = 10;
constexpr int StrokeLength = 28;

int LegendLineHeight(const std::vector<const TChartWidget *> &charts)
{
    return charts.empty() ? 0 : QFontMetrics(charts.back()->font()).height() + 6;
}

int LegendHeight(const std::vector<const TChartWidget *> &charts, const std::vector<TPictureLegendLine> &legend)
{
    return legend.empty() ? 0 : 2 * LegendMargin + int(legend.size()) * LegendLineHeight(charts);
}

// Under the charts, in the last one's colours: a stroke of each colour and its name.
void PaintLegend(QPainter &painter, const std::vector<const TChartWidget *> &charts,
                 const std::vector<TPictureLegendLine> &legend, int top, int width)
{
    if (legend.empty() || charts.empty())
        return;
    const TChartWidget &last = *charts.back();
    painter.fillRect(QRect(0, top, width, LegendHeight(charts, legend)), last.Appearance().WindColor);
    painter.setFont(last.font());
    const int lineHeight = LegendLineHeight(charts);
    const int left = last.Appearance().LRim;
    int y = top + LegendMargin;
    for (const TPictureLegendLine &line : legend) {
        painter.setPen(QPen(line.Colour, 3));
        painter.drawLine(left, y + lineHeight / 2, left + StrokeLength, y + lineHeight / 2);
        painter.setPen(last.Appearance().FontColor);
        painter.drawText(QRect(left + StrokeLength + 8, y, width - left - StrokeLength - 8, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line.Name);
        y += lineHeight;
    }
}

void PaintPicture(QPainter &painter, const std::vector<const TChartWidget *> &charts,
                  const std::vector<TPictureLegendLine> &legend)
{
    int top = 0;
    for (const TChartWidget *chart : charts) {
        painter.save();
        painter.translate(0, top);
        PrintChart(*chart, painter);
        painter.restore();
        top += chart->height();
    }
    PaintLegend(painter, charts, legend, top, ChartPictureSize(charts).width());
}

void WriteSvg(QSaveFile &file, const std::vector<const TChartWidget *> &charts,
              const std::vector<TPictureLegendLine> &legend)
{
    const QSize size = ChartPictureSize(charts, legend);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(ProgramName);
    QPainter painter(&svg);
    PaintPicture(painter, charts, legend);
}

void WritePng(QSaveFile &file, const std::vector<const TChartWidget *> &charts,
              const std::vector<TPictureLegendLine> &legend)
{
    QImage image(ChartPictureSize(charts, legend), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintPicture(painter, charts, legend);
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
        throw EInOutError(file.fileName() + QStringLiteral(": ") + writer.errorString());
}

} // namespace

QSize ChartPictureSize(const std::vector<const TChartWidget *> &charts, const std::vector<TPictureLegendLine> &legend)
{
    QSize size(0, 0);
    for (const TChartWidget *chart : charts)
        size = QSize(std::max(size.width(), chart->width()), size.height() + chart->height());
    return {size.width(), size.height() + LegendHeight(charts, legend)};
}

void SaveChartPicture(const QString &path, const std::vector<const TChartWidget *> &charts,
                      const std::vector<TPictureLegendLine> &legend)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
        throw EInOutError(path +
                          QCoreApplication::translate("ChartPicture", ": pictures are saved as .png or .svg files"));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(file, path, errno);
    if (suffix == QStringLiteral("svg"))
        WriteSvg(file, charts, legend);
    else
        WritePng(file, charts, legend);
    errno = 0;
    if (!file.commit())
        throw FileError(file, path, errno);
}
