#include "windows/RecordViewer.h"

#include "charts/ChartMouse.h"
#include "charts/ChartReadouts.h"
#include "charts/LevelHistogram.h"
#include "charts/MarkShapes.h"
#include "charts/ChartWidget.h"
#include "model/DecimalSeparators.h"
#include "model/Services.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/FileUtils.h"
#include "model/InOutError.h"
#include "model/SingleLineText.h"
#include "storage/LogFile.h"
#include "storage/MetaPlausibility.h"
#include "storage/RecordReadings.h"
#include "report/RecordExport.h"
#include "windows/ChartsPanel.h"
#include "windows/ChoiceGroup.h"
#include "storage/LocaleTimeText.h"
#include "windows/PeakFrequencyList.h"
#include "windows/RecordWindowsHost.h"
#include "windows/StatisticsPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>

#include <vector>

namespace {

// Samples are handed over in small blocks that stay in the cache while they are worked through.
constexpr std::size_t SamplesPerBlock = 4096;
// The window gets to repaint and take input this often while a record loads; the clock is only
// looked at every 1024 samples.
constexpr qint64 BreathIntervalMs = 25;
constexpr std::uint64_t BreathCheckMask = 1023;
constexpr int ProgressSteps = 1000;

} // namespace

TRecordViewer::TRecordViewer(IRecordWindowsHost &host, const TAppPaths &paths, QWidget *parent)
    : QWidget(parent, Qt::Window), Host(host), Paths(paths)
{
    BuildLayout();
    CheckDecimalSeparator(QLocale::system());
    Statistics.Reset(UnitMWm2);
}

TRecordViewer::~TRecordViewer() = default;

void TRecordViewer::ResetViewer()
{
    PanelBottom->Clear();
    LabelExposure->clear();
    PeakFrequencies->Clear();
    // The risk choices redraw the bars from these: an opening that ends early (an empty log, a
    // damaged .meta) must not bring back the last record's.
    Statistics.Reset(RecordMeta.Unit);
}

void TRecordViewer::OpenRecord(const QString &fileName, bool useTempCopy)
{
    // A click that would start another opening while this one pumps messages is ignored.
    if (LoadInProgress)
        return;
    LoadInProgress = true;
    const auto endLoading = qScopeGuard([this] {
        LoadInProgress = false;
        ProgressBar->hide();
        ProgressBar->setValue(0);
    });

    PanelStatus->setText(tr("   Opening log file \"%1\"").arg(QFileInfo(fileName).fileName()));
    ProgressBar->setValue(0);
    ProgressBar->show();
    // Shown empty at once, so an empty log does not leave the last record's charts on screen.
    TChart->ClearItems();
    TChart->Redraw();
    HChart->ClearItems();
    HChart->Redraw();
    ResetViewer();
    ShownRecordFile.clear();
    show();
    repaint();

    ReadRecordMeta(fileName);

    const QString tempCopy = Paths.LogDir + QStringLiteral("temp.zlog");
    const auto recycleCopy = [&] {
        // A copy that cannot go to the trash is replaced by the next one; nothing of the record is lost.
        QList<TRecycleFailure> stayed;
        if (useTempCopy && QFileInfo(tempCopy).isFile())
            RecycleFiles({tempCopy}, stayed);
    };
    // The private copy never outlives the opening, whichever way the opening ends.
    auto dropCopy = qScopeGuard(recycleCopy);
    QString readFile = fileName;
    if (useTempCopy) {
        if (!CopyRecordingLog(fileName)) {
            ShowMessageBox(TMsgKind::Plain, tr("ERROR WRITING TEMP FILE"));
            close();
            return;
        }
        readFile = tempCopy;
    }

    try {
        TLogReader reader(readFile);
        SampleCount = reader.Count();
        if (SampleCount == 0) {
            AskToRecycleEmptyLog(readFile);
            return;
        }
        PrepareRecord();
        ReadSamples(reader);
    } catch (const EInOutError &error) {
        // The box says what went wrong; the window must not go on saying it is opening.
        PanelStatus->setText(tr("   The record cannot be shown: %1").arg(error.Message));
        throw;
    }
    ProgressBar->setValue(0);
    ProgressBar->hide();
    RiskPopulationRG->setEnabled(true);
    RiskStateRG->setEnabled(true);
    dropCopy.dismiss();
    recycleCopy();

    ShownRecordFile = fileName;
    ShowRecordSummary(fileName);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

// The log is shown whatever its .meta holds: one box says what stands in for what is missing.
void TRecordViewer::ReadRecordMeta(const QString &fileName)
{
    const double now = ToTDateTime(CurrentTime());
    TMetaData defaults;
    defaults.Version = 1;
    defaults.StartTime = now;
    defaults.Unit = UnitMWm2;
    defaults.Correction = 0;
    defaults.Interval = DefaultRecordInterval;

    const QString metaPath = CompanionName(fileName, QStringLiteral(".meta"));
    if (!QFileInfo(metaPath).isFile()) {
        ShowMessageBox(TMsgKind::Information,
                       tr("The meta data file associated to the log file you have selected has not been "
                                      "found. Default control parameters will be used, but they may not be "
                                      "appropriate for the recording."));
        RecordMeta = defaults;
    } else {
        try {
            ReadMetaFile(metaPath, RecordMeta);
        } catch (const EInOutError &error) {
            ShowMessageBox(TMsgKind::Information,
                           tr("The meta data file associated to the log file you have selected cannot be "
                                          "read (%1). Default control parameters will be used, but they may not be "
                                          "appropriate for the recording.")
                               .arg(error.Message));
            RecordMeta = defaults;
        }
    }
    const TCheckedMeta checked = CheckMeta(RecordMeta, now);
    RecordDamage.clear();
    if (!checked.Damaged.empty()) {
        ShowMessageBox(TMsgKind::Information, DamagedMetaText(checked));
        RecordDamage << DamagedMetaText(checked);
    }
    if (const QString partial = PartialSampleText(fileName); !partial.isEmpty())
        RecordDamage << partial;
    RecordMeta = checked.Meta;
    Interval = RecordMeta.Interval;
    Clock.emplace(RecordMeta.StartTime, Interval);
    StartSecond = RoundHalfEven(double(Clock->Start().MsOfDay) / 1000.0);
}

std::optional<QString> TRecordViewer::CopyRecordingLog(const QString &fileName)
{
    const QString copy = Paths.LogDir + QStringLiteral("temp.zlog");
    // No batch may be appended to the log while it is copied.
    Host.HoldLineDelivery(true);
    const auto release = qScopeGuard([this] { Host.HoldLineDelivery(false); });
    if (CopyFileByBlocks(fileName, copy, true) != 0)
        return std::nullopt;
    return copy;
}

void TRecordViewer::AskToRecycleEmptyLog(const QString &openedFile)
{
    const TMsgAnswer answer =
        ShowMessageBox(TMsgKind::Confirmation,
                       tr("The selected file is empty. Do you want to move it to the recycle bin?"),
                       TMsgButtons::YesCancel);
    if (answer != TMsgAnswer::Yes)
        return;
    QList<TRecycleFailure> stayed;
    if (RecycleFiles({openedFile}, stayed) == 0)
        ShowMessageBox(TMsgKind::Information, tr("The file could not be moved to the recycle bin\n") +
                                                  RecycleFailureLines(stayed));
}

void TRecordViewer::PrepareRecord()
{
    PeakFrequencies->Begin(Clock->Start().Day);
    MarkShape = MarkShapeFor(std::int64_t(SampleCount));
    ProgressBar->setRange(0, ProgressSteps);
    ProgressBar->setValue(0);
    Statistics.Reset(RecordMeta.Unit);
    Exposure = TExposure(Interval);
    TChart->SetRanges(StartSecond - Interval, 0, StartSecond + double(SampleCount) * Interval, 0.001);
    TChart->ChangeAppearance([](TChartAppearance &look) { look.DecPlaceY = 3; });
    HChart->SetRanges(-33.5, 0, 33.5, 4);
    HChart->ChangeAppearance([](TChartAppearance &look) { look.DecPlaceX = look.DecPlaceY = 0; });
}

void TRecordViewer::ReadSamples(TLogReader &reader)
{
    std::vector<TSampleRecord> block(SamplesPerBlock);
    QElapsedTimer sinceBreath;
    sinceBreath.start();
    std::uint64_t index = 0;
    while (const std::size_t got = reader.Read(block)) {
        for (std::size_t k = 0; k < got; ++k) {
            ++index;
            ProcessRecordSample(index, block[k].Value, block[k].Frequency);
            if ((index & BreathCheckMask) == 0 && sinceBreath.elapsed() >= BreathIntervalMs) {
                LetInterfaceBreathe(index);
                sinceBreath.restart();
            }
        }
    }
    // A log cut short while it was read ends at its last whole record.
    SampleCount = index;
    PeakFrequencies->Publish();
}

void TRecordViewer::ProcessRecordSample(std::uint64_t index, float stored, std::uint16_t frequency)
{
    const double value = RecordReading(stored);
    Statistics.Add(value);
    Exposure.Add(ExposureShare(RecordMeta.Unit, value, frequency));
    TChart->AddMark(StartSecond + double(index - 1) * Interval, value, MarkShape);
    if (frequency > 0 && PeakFrequencies->Listing())
        PeakFrequencies->Add(Clock->SampleStamp(index), frequency);
}

void TRecordViewer::LetInterfaceBreathe(std::uint64_t index)
{
    ProgressBar->setValue(int(double(index) / double(SampleCount + 1) * ProgressSteps));
    PeakFrequencies->Publish();
    QCoreApplication::processEvents();
}

void TRecordViewer::ShowRecordSummary(const QString &fileName)
{
    const double maximum = Statistics.Maximum();
    const std::uint8_t decimals = DisplayDecimals(maximum);
    TChart->SetRangeHiY(maximum + 0.1 * maximum);
    TChart->Redraw();
    DrawHistogram();

    LabelSample->setText(tr("Samples: %1").arg(SampleCount));
    PanelBottom->LabelPeak->clear();
    PanelBottom->ShowStatistics(Statistics, decimals);
    LabelExposure->setText(
        (Exposure.ShorterThanWindow() ? tr("Exposure over the whole record: %1\nHighest sample: %2")
                                      : tr("Exposure over 30 minutes: %1\nHighest sample: %2"))
            .arg(ExposurePercentText(Exposure.HighestAverage()), ExposurePercentText(Exposure.PeakShare())));

    // One pass of arg(): a "%1" typed in the operator or the place stays as it was typed.
    setWindowTitle(tr("  Log file: %1 | Operator: %2 | Place: %3")
                       .arg(QFileInfo(fileName).fileName(), SingleLineText(RecordMeta.Operator.Text()),
                            SingleLineText(RecordMeta.Place.Text())));
    PanelStatus->setText(tr("  Started: %1 | Interval: %2 | Unit: %3 | Correction: %4(dB)")
                             .arg(LocaleDateTimeText(FromTDateTime(RecordMeta.StartTime)),
                                  IntervalName(RecordMeta.Interval).value_or(QString()),
                                  UnitName(RecordMeta.Unit).value_or(QString()), QString::number(RecordMeta.Correction)));
    PanelCoolBar->setText(tr("   Notes: %1").arg(SingleLineText(RecordMeta.Notes.Text())));
}

void TRecordViewer::DrawHistogram()
{
    DrawLevelHistogram(*HChart, Statistics.Histogram(), PopulationOfIndex(RiskPopulationRG->ItemIndex()),
                       TargetStateOfIndex(RiskStateRG->ItemIndex()), false);
}

TRangeBox TRecordViewer::FullTimeView() const
{
    return ViewerTimeChartFullView(StartSecond, Interval, std::int64_t(SampleCount), Statistics.Maximum());
}

void TRecordViewer::TChartMouseDown(TChartWidget *, Qt::MouseButton button, TShiftState shift, int, int)
{
    HandleChartMouseDown(*TChart, button, shift.Keys, FullTimeView());
}

void TRecordViewer::TChartMouseMoveInChart(TChartWidget *, bool inChart, TShiftState, double, double y)
{
    PanelBottom->LabelPeak->setText(inChart ? ValueReadoutText(Statistics.Maximum(), y) : QString());
}

void TRecordViewer::HChartMouseMoveInChart(TChartWidget *, bool inChart, TShiftState, double x, double)
{
    Charts->HChartEdit->setText(inChart ? LevelReadoutText(x) : QString());
    PanelBottom->LabelPeak->setText(inChart ? LevelValueText(x) : QString());
}

void TRecordViewer::RiskPopulationRGClick()
{
    DrawHistogram();
}

void TRecordViewer::RiskStateRGClick()
{
    DrawHistogram();
}

void TRecordViewer::PanelStatusClick()
{
    if (!LoadInProgress && OnOpenAnotherRecord)
        OnOpenAnotherRecord();
}
