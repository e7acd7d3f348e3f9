#pragma once
// The density analyser's legend: "Legend", an empty line, then one line per compared file,
// named without folder and extension, in the colour of its curve.

#include <QString>
#include <QStringList>

#include <vector>

class QTextEdit;
class THistogram;

// "2022 12 23 - 10 11 12" for any folder's "2022 12 23 - 10 11 12.histo".
QString LegendName(const QString &histogramFile);

// Replaces the legend's text. densities[i] is what was read from histogramFiles[i]; a file
// that gives no curve is named in grey, with the reason: it could not be read, or it holds
// no samples.
void WriteDensityLegend(QTextEdit &legend, const QStringList &histogramFiles,
                        const std::vector<THistogram> &densities);
