// The report as it is printed and read: its time axis within a day and past it, its charts
// on white, its exposure section against numbers worked out here, its shares and times per
// category, and what it says about a damaged record. Records are made here; the PDF is read
// back with pdftotext and drawn with pdftoppm.

#include "model/Units.h"
#include "report/RecordReport.h"
#include "report/ReportTimeAxis.h"
#include "storage/LocaleTimeText.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordFiles.h"

#include <QImage>
#include <QRegularExpression>

#include <cmath>
#include <vector>

namespace {

// A4 in points and the report's side margins of 15 mm.
constexpr double PageWidthPt = 595.28;
constexpr double SideMarginPt = 15 / 25.4 * 72;

QStringList Labels(const std::vector<TAxisTick> &ticks)
{
    QStringList labels;
    for (const TAxisTick &tick : ticks)
        labels << tick.Label;
    return labels;
}

struct TWordBox {
    QString Word;
    double XMin, XMax;
};

// Records from 09:00 on 7 January 2025 unless said otherwise, reported for the general public awake.
class ReportPrint : public ReportFixture {
protected:
    QString Record(const QString &name, const std::vector<TSampleRecord> &samples, std::uint8_t unit = UnitMWm2,
                   double interval = 1, const QDateTime &start = QDateTime(QDate(2025, 1, 7), QTime(9, 0)))
    {
        return WriteRecord(App.Paths().LogDir, name, samples, MakeMeta(unit, interval, start, "Ann", "Hall"));
    }
    QString Report(const QString &log)
    {
        const QString pdf = App.Paths().AppDir + QFileInfo(log).completeBaseName() + ".pdf";
        SaveRecordReport(pdf, {log, RecordMeta(log), TPopulation::General, TTargetState::Wake});
        return pdf;
    }
    // Every word of a page with its left and right edge in points.
    static std::vector<TWordBox> Words(const QString &pdf, int page)
    {
        const QString html = RunProgram("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page),
                                                      pdf, "-"})
                                 .OutputText();
        static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)"[^>]*>([^<]*)<)re");
        std::vector<TWordBox> words;
        for (auto match = word.globalMatch(html); match.hasNext();) {
            const auto found = match.next();
            words.push_back({found.captured(3), found.captured(1).toDouble(), found.captured(2).toDouble()});
        }
        return words;
    }
    QImage Page(const QString &pdf, int page) const
    {
        const QString stem = App.Paths().AppDir + "page";
        RunProgram("pdftoppm", {"-png", "-r", "40", "-singlefile", "-f", QString::number(page), "-l",
                                QString::number(page), pdf, stem});
        return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
    }
};

TEST(ReportTimeAxis, WithinADayKeepsTheClockAndPastMidnightNamesDatesAndTimesOfDay)
{
    const QLocale c(QLocale::C);
    const QDate first(2025, 1, 7);
    // Within the first day: the chart's own labels.
    EXPECT_EQ(Labels(ReportTimeTicks(32400, 36000, 36000, first, 3, c)),
              (QStringList{" 09:00:00", " 09:20:00", " 09:40:00", " 10:00:00"}));
    // 23:00 to 01:00: times of day, the date where the day begins and on the first label.
    EXPECT_EQ(Labels(ReportTimeTicks(82800, 90000, 90000, first, 3, c)),
              (QStringList{"7 Jan 23:00", "23:30", "8 Jan 00:00", "00:30", "01:00"}));
    // Several days: one tick a day, each a date; a window of seconds shows them.
    EXPECT_EQ(Labels(ReportTimeTicks(0, 3 * 86400, 3 * 86400, first, 3, c)),
              (QStringList{"7 Jan", "8 Jan", "9 Jan", "10 Jan"}));
    EXPECT_EQ(Labels(ReportTimeTicks(86395, 86405, 100000, first, 3, c)).mid(0, 3),
              (QStringList{"7 Jan 23:59:56", "23:59:58", "8 Jan 00:00:00"}));
    // Over new year the year is told.
    EXPECT_EQ(Labels(ReportTimeTicks(0, 2 * 86400, 2 * 86400, QDate(2024, 12, 31), 2, c)),
              (QStringList{"31 Dec 2024", "1 Jan 2025", "2 Jan 2025"}));
}

TEST_F(ReportPrint, TimeChartPastMidnightIsLabelledWithDatesAndTimesOfDay)
{
    // Two hours from 23:00 at 10 s: the chart takes the ticks above with the record's first day.
    const QString text = PdfText(Report(Record("night", std::vector<TSampleRecord>(720, Sample(1.0f)), UnitMWm2, 10,
                                               QDateTime(QDate(2025, 1, 7), QTime(23, 0)))));
    EXPECT_TRUE(text.contains(QLocale::system().toString(QDate(2025, 1, 8), "d MMM"))) << text.toStdString();
    for (const char *wrong : {"24:00:00", "25:00:00"})
        EXPECT_FALSE(text.contains(wrong)) << wrong;
}

// White pages with dark marks and text, the unit on the ordinate, MHz in the frequency table,
// and no label out beyond the charts' frame (the page's margins).
TEST_F(ReportPrint, ChartsPrintOnWhiteWithTheUnitAndEveryLabelInsideTheFrame)
{
    // An hour and ten seconds from 09:00 at 1 s: the last tick, 10:00:00, falls just inside
    // the plot's right edge, and its label would reach beyond it.
    std::vector<TSampleRecord> samples;
    for (int k = 0; k < 3610; ++k)
        samples.push_back(Sample(float(0.2 + 0.1 * std::sin(k / 50.0)), 900));
    const QString pdf = Report(Record("hour", samples, UnitVm));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(QRegularExpression(R"(V/m\s+History)").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(text.contains("Peak frequency (MHz)"));
    for (const int page : {1, 2})
        for (const TWordBox &word : Words(pdf, page))
            EXPECT_TRUE(word.XMin >= SideMarginPt - 0.5 && word.XMax <= PageWidthPt - SideMarginPt + 0.5)
                << word.Word.toStdString() << " " << word.XMin << " .. " << word.XMax;

    const QImage page = Page(pdf, 1);
    ASSERT_FALSE(page.isNull());
    std::size_t dark = 0, marks = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor colour = page.pixelColor(x, y);
            dark += qGray(colour.rgb()) < 80;
            marks += colour.blue() > colour.red() + 60 && colour.value() < 200;
        }
    const double area = double(page.width()) * page.height();
    EXPECT_LT(dark / area, 0.03) << "dark panels";
    EXPECT_GT(marks, 200u) << "dark blue marks";
}

// The exposure section against a computation here: a 40-minute record in V/m at 1 s with a
// hot half hour in the middle at 900 MHz, and a short one in mW/m² without frequencies.
TEST_F(ReportPrint, ExposureIsTheHighestHalfHourAndTheHighestSampleAgainstTheReferenceLevel)
{
    // 6 V/m at 900 MHz: 36 / 376.73 W/m² of 4.5, 2.12 %; 40 V/m at 100 MHz: 1600 / 376.73 of 2,
    // 212.4 %; 0.5 V/m around them, at 2.45 GHz or without frequency.
    std::vector<TSampleRecord> samples;
    for (int k = 0; k < 2400; ++k)
        samples.push_back(k >= 300 && k < 2100 ? Sample(6.0f, 900) : Sample(0.5f, k % 2 ? 2450 : 0));
    samples[2300] = Sample(40.0f, 100); // the loudest sample, outside the hot half hour
    const QString text = PdfText(Report(Record("hot", samples, UnitVm)));
    EXPECT_TRUE(text.contains("Exposure against the ICNIRP 2020 reference levels"));
    EXPECT_TRUE(QRegularExpression(R"(ICNIRP 2020 guidelines, Table\s+5\))").match(text).hasMatch());
    EXPECT_TRUE(QRegularExpression(R"(broadband meter[^.]+is\s+an\s+approximation)").match(text).hasMatch());
    EXPECT_TRUE(QRegularExpression(R"(Highest 30-minute average\s+2[.,]12 %)").match(text).hasMatch());
    EXPECT_TRUE(QRegularExpression(R"(Highest single sample\s+212[.,]4 %)").match(text).hasMatch());
    EXPECT_FALSE(text.contains("shorter than 30 minutes"));

    // Ten minutes at 0.5 s of 2 mW/m² without frequency: 0.1 % of 2 W/m² throughout.
    const QString shortText =
        PdfText(Report(Record("short", std::vector<TSampleRecord>(1200, Sample(2.0f)), UnitMWm2, 0.5)));
    EXPECT_TRUE(QRegularExpression(R"(Average over the whole record\s+0[.,]100 %)").match(shortText).hasMatch())
        << shortText.toStdString();
    EXPECT_TRUE(shortText.contains("shorter than 30 minutes"));
}

// A share of one sample in thousands is "< 0.1 %", never "0.0 %", and a time past the hour
// tells hours and minutes; the other rows are the sample record's (ReportTest).
TEST_F(ReportPrint, CategoriesWithSamplesNeverReadZeroAndTellTheirTime)
{
    std::vector<TSampleRecord> samples(4000, Sample(1.0f)); // "Moderate" for the general public awake
    samples[10] = Sample(5000.0f);                           // "Extreme"
    const QString text = PdfText(Report(Record("rare", samples)));
    EXPECT_TRUE(QRegularExpression(R"(Extreme\s+1\s+< 1 min\s+< 0[.,]1 %)").match(text).hasMatch())
        << text.toStdString();
    EXPECT_TRUE(QRegularExpression(R"(Moderate\s+3999\s+1 h 7 min\s+100[.,]0 %)").match(text).hasMatch());
}

// The alert episodes with the default limit ("High" for the general public awake) and hold
// time (their rules are the model's): the first ten are listed with start, end and peak, the
// others counted.
TEST_F(ReportPrint, AlertEpisodesAreListedWithStartEndAndPeak)
{
    std::vector<TSampleRecord> samples;
    for (int k = 0; k < 12; ++k) { // one every 20 s, each ended 11 s after its start
        samples.push_back(Sample(k == 0 ? 50.0f : 5.0f));
        samples.insert(samples.end(), 19, Sample(0.1f)); // "Low"
    }
    const QString text = PdfText(Report(Record("alerts", samples)));
    const auto at = [](int minute, int second) {
        return QRegularExpression::escape(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(9, minute, second))));
    };
    EXPECT_TRUE(text.contains("Alert episodes (from \"High\" up, ended after 10 s below)")) << text.toStdString();
    EXPECT_TRUE(QRegularExpression(at(0, 0) + R"(\s+)" + at(0, 11) + R"(\s+50[.,]000 mW/m²)").match(text).hasMatch());
    EXPECT_TRUE(QRegularExpression(at(0, 20) + R"(\s+)" + at(0, 31) + R"(\s+5[.,]0000 mW/m²)").match(text).hasMatch());
    EXPECT_FALSE(text.contains(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(9, 3, 20)))));
    EXPECT_TRUE(text.contains("Further episodes, not listed: 2."));

    const QString quiet = PdfText(Report(Record("quiet", std::vector<TSampleRecord>(50, Sample(1.0f)))));
    EXPECT_TRUE(quiet.contains("No reading of this record reached the alert limit."));
}

// A .meta of random bytes and a log cut inside a sample: the report says so, shows the
// replacements and no date of 1899.
TEST_F(ReportPrint, DamagedRecordIsSaidToBeDamaged)
{
    const QString log = WriteLog(App.Paths().LogDir, "damaged", std::vector<TSampleRecord>(100, Sample(1.0f)));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("abc");
    file.close();
    QByteArray noise(576, 0);
    for (int k = 0; k < noise.size(); ++k)
        noise[k] = char((k * 7919 + 13) % 251);
    App.WriteFile("Log/damaged.meta", noise);

    const TProgramRun run = RunBuiltProgram("zeltar-export", {"--report", App.Paths().AppDir + "damaged.pdf", log});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains("cannot be right")) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains("part of a sample"));
    const QString text = PdfText(App.Paths().AppDir + "damaged.pdf");
    EXPECT_TRUE(text.contains("This record is damaged"));
    EXPECT_TRUE(text.contains("part of a sample"));
    for (const char *garbage : {"1899", "49710"})
        EXPECT_FALSE(text.contains(garbage)) << garbage;
    // The summary and the CSV warn alike and still end well.
    for (const QStringList &arguments : {QStringList{"--summary", log}, QStringList{log}}) {
        const TProgramRun other = RunBuiltProgram("zeltar-export", arguments);
        EXPECT_EQ(other.ExitCode, 0);
        EXPECT_EQ(other.Errors.count("cannot be right"), 1) << other.Errors.toStdString();
        EXPECT_EQ(other.Errors.count("part of a sample"), 1);
    }
}

} // namespace
