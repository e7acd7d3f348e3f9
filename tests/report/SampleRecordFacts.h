#pragma once
// What a report of a record must say, worked out here from the samples without the program's
// statistics or risk classes: the extremes and mean, the share of each risk category, and the
// texts of a PDF.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

struct TSampleFacts {
    std::vector<float> Values;
    std::vector<std::uint16_t> Frequencies;
    double Maximum = 0, Minimum = 0, Mean = 0;
};

// The samples of a power-density log (mW/m²).
TSampleFacts ReadSampleFacts(const QString &logPath);

// Shares in percent of the six categories, "Very low" first; offset: -10 general wake,
// 0 general sleep or sensitive wake, +10 sensitive sleep.
std::array<double, 6> CategoryShares(const std::vector<float> &densities, int offset);

// "54.8 %" as the report prints a share.
QString ShareText(double percent);

// pdfinfo's page count and pdftotext's text of a PDF.
int PdfPageCount(const QString &pdf);
QString PdfText(const QString &pdf);
