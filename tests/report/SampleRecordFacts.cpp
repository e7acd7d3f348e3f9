#include "tests/report/SampleRecordFacts.h"

#include "tests/support/BuiltProgram.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

TSampleFacts ReadSampleFacts(const QString &logPath)
{
    QFile file(logPath);
    TSampleFacts facts;
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    // A copy of its own: read from an empty QByteArray's shared byte, g++ sees a read out of
    // bounds in the sanitizer build.
    const std::string bytes = file.readAll().toStdString();
    double sum = 0;
    for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
        float value;
        std::uint16_t frequency;
        std::memcpy(&value, bytes.data() + at, 4);
        std::memcpy(&frequency, bytes.data() + at + 4, 2);
        facts.Values.push_back(value);
        facts.Frequencies.push_back(frequency);
        sum += value;
    }
    facts.Maximum = *std::max_element(facts.Values.begin(), facts.Values.end());
    facts.Minimum = *std::min_element(facts.Values.begin(), facts.Values.end());
    facts.Mean = sum / double(facts.Values.size());
    return facts;
}

std::array<double, 6> CategoryShares(const std::vector<float> &densities, int offset)
{
    // The thresholds of the risk table: every 10 dB above 1 µW/m², halves to the even neighbour.
    std::array<double, 6> counts{};
    for (const float density : densities) {
        const double base = density > 0 ? std::max(std::nearbyint(10 * std::log10(double(density)) + 30), -99.0) : -99;
        const int index = int(base) + offset;
        const int category = index <= 0 ? 0 : std::min((index - 1) / 10 + 1, 5);
        counts[std::size_t(category)] += 1;
    }
    for (double &count : counts)
        count = 100 * count / double(densities.size());
    return counts;
}

QString ShareText(double percent)
{
    return QString::asprintf("%.1f %%", percent);
}

int PdfPageCount(const QString &pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(R"(Pages:\s+(\d+))").match(RunProgram("pdfinfo", {pdf}).OutputText());
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString PdfText(const QString &pdf)
{
    return RunProgram("pdftotext", {"-layout", pdf, "-"}).OutputText();
}
