#include "windows/DensityLegend.h"

#include "windows/DensityColours.h"
#include "windows/DensityCurve.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextEdit>

namespace {

const QColor NoCurveGrey(0x8C, 0x8C, 0x8C);

QTextCharFormat TextFormat(const QColor &colour, bool heading)
{
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(heading ? QFont::Bold : QFont::Normal);
    format.setFontItalic(heading);
    return format;
}

} // namespace

QString LegendName(const QString &histogramFile)
{
    return QFileInfo(histogramFile).completeBaseName();
}

void WriteDensityLegend(QTextEdit &legend, const QStringList &histogramFiles,
                        const std::vector<THistogram> &densities)
{
    legend.clear();
    QTextCursor cursor(legend.document());
    cursor.insertText(QCoreApplication::translate("DensityLegend", "Legend"), TextFormat(Qt::white, true));
    cursor.insertBlock();
    cursor.insertBlock();
    for (qsizetype i = 0; i < histogramFiles.size(); ++i) {
        const THistogram &histogram = densities[std::size_t(i)];
        QString line = LegendName(histogramFiles[i]);
        QColor colour = DensityColour(std::size_t(i));
        if (!HasDensityCurve(histogram)) {
            // A file that could not be read is left without classes.
            line = histogram.Counts.empty() ? QCoreApplication::translate("DensityLegend", "%1 (not read)").arg(line)
                                            : QCoreApplication::translate("DensityLegend", "%1 (no samples)").arg(line);
            colour = NoCurveGrey;
        }
        cursor.insertText(line, TextFormat(colour, false));
        cursor.insertBlock();
    }
}
