#include "windows/RecordInfoPanel.h"

#include "charts/ChartConfigurations.h"
#include "charts/ChartWidget.h"
#include "charts/LevelHistogram.h"
#include "dialogs/WidgetStyle.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "model/Units.h"
#include "storage/LogFile.h"
#include "windows/FileManagerStyle.h"
#include "windows/RecordInfo.h"
#include "windows/RecordWindowsHost.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const QColor HighlightText(0x9E, 0xD8, 0xFF);
const QColor ProblemText(0xFF, 0x9A, 0x8A);
constexpr int CaptionWidth = 124;
constexpr int PanelMinimum = 380;

QLabel *Caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setMinimumWidth(CaptionWidth);
    label->setFont(CaptionFont());
    SetAllTextColours(label, CaptionBlue);
    return label;
}

QLineEdit *FieldRow(QGridLayout *grid, const QString &caption, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setFrame(false);
    field->setReadOnly(true);
    StyleField(field);
    QLabel *label = Caption(caption, parent);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

} // namespace

TRecordInfoPanel::TRecordInfoPanel(const IRecordWindowsHost &host, QWidget *parent)
    : QWidget(parent), PreviewHistogram(LevelFloorDb, LevelCeilingDb), Host(host)
{
    BuildLayout();
}

void TRecordInfoPanel::PlaceAtFoot(QWidget *button)
{
    Foot->addWidget(button);
}

void TRecordInfoPanel::BuildLayout()
{
    QVBoxLayout *column = MakeColumn(this);
    setMinimumWidth(PanelMinimum);
    // One grid for both groups, so that their fields line up.
    auto *meta = new QGridLayout;
    meta->addWidget(Heading(QCoreApplication::translate("RecordInfoPanel", " Meta Data"), this), 0, 0, 1, 2);
    meta->setHorizontalSpacing(6);
    meta->setVerticalSpacing(3);
    MemoOperator = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Operator"), this);
    MemoPlace = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Place"), this);
    MemoNotes = new QPlainTextEdit(this);
    MemoNotes->setReadOnly(true);
    MemoNotes->setFrameShape(QFrame::NoFrame);
    StyleField(MemoNotes);
    MemoNotes->setFixedHeight(3 * QFontMetrics(FieldFont()).lineSpacing() + 8);
    {
        QLabel *label = Caption(QCoreApplication::translate("RecordInfoPanel", " Notes"), this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const int row = meta->rowCount();
        meta->addWidget(label, row, 0);
        meta->addWidget(MemoNotes, row, 1);
    }
    MemoDateTime = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Date and Time"), this);
    MemoiUnit = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Irradiance Unit"), this);
    MemoCorrection = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Correction"), this);
    MemoInterval = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Interval"), this);
    meta->addWidget(Heading(QCoreApplication::translate("RecordInfoPanel", " Log Info"), this), meta->rowCount(), 0, 1, 2);
    MemoSize = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " File Size"), this);
    MemoNumSamples = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Samples"), this);
    MemoDuration = FieldRow(meta, QCoreApplication::translate("RecordInfoPanel", " Duration"), this);
    column->addLayout(meta);
    LabelReadProblem = new QLabel(this);
    LabelReadProblem->setFont(FieldFont());
    LabelReadProblem->setWordWrap(true);
    SetAllTextColours(LabelReadProblem, ProblemText);
    LabelReadProblem->hide();
    column->addWidget(LabelReadProblem);
    HistogramCaption = Heading(QCoreApplication::translate("RecordInfoPanel", " Histogram of dBmW/m²"), this);
    column->addWidget(HistogramCaption);
    HChart = new TChartWidget(this);
    ConfigureChart(*HChart, FileManagerChartConfiguration());
    HChart->setMinimumHeight(150);
    column->addWidget(HChart, 1);
    Foot = new QHBoxLayout;
    LabelItemIndex = new QLabel(this);
    LabelItemIndex->setFont(FieldFont());
    SetAllTextColours(LabelItemIndex, HighlightText);
    Foot->addWidget(LabelItemIndex, 1);
    column->addLayout(Foot);
}

void TRecordInfoPanel::ShowNoRecord()
{
    ReadProblems.Clear(TRecordReadProblems::Preview);
    ClearInformation();
    HChart->ClearItems();
    HChart->Redraw();
    ShownRecord.clear();
}

void TRecordInfoPanel::ShowRecord(const QString &logPath, int highlighted)
{
    if (logPath != ShownRecord) {
        ShownRecord = logPath;
        ReadProblemTold = false;
    }
    ShowInformation(logPath, highlighted);
    if (isActiveWindow())
        ShowPreview(logPath);
    ShowReadProblems();
    TellReadProblems();
}

void TRecordInfoPanel::ClearInformation()
{
    for (QLineEdit *field : {MemoOperator, MemoPlace, MemoDateTime, MemoiUnit, MemoCorrection, MemoInterval, MemoSize,
                             MemoNumSamples, MemoDuration})
        field->clear();
    MemoNotes->clear();
    LabelItemIndex->clear();
    InformationShown = false;
    ReadProblems.Clear(TRecordReadProblems::Meta);
    ShowReadProblems();
}

void TRecordInfoPanel::ShowInformation(const QString &logPath, int highlighted)
{
    std::optional<TRecordInfo> info;
    try {
        info = ReadRecordInfo(logPath);
    } catch (const EInOutError &error) {
        ClearInformation();
        ReadProblems.Set(TRecordReadProblems::Meta, CompanionName(logPath, QStringLiteral(".meta")), error.Message);
        return;
    }
    ReadProblems.Clear(TRecordReadProblems::Meta);
    if (!info) {
        ClearInformation();
        return;
    }
    MemoOperator->setText(info->Operator);
    MemoPlace->setText(info->Place);
    MemoNotes->setPlainText(info->Notes);
    MemoDateTime->setText(info->DateTime);
    MemoiUnit->setText(info->Unit);
    MemoCorrection->setText(info->Correction);
    MemoInterval->setText(info->Interval);
    MemoSize->setText(info->Size);
    MemoNumSamples->setText(info->Samples);
    MemoDuration->setText(info->Duration);
    if (!info->Damage.isEmpty())
        ReadProblems.Set(TRecordReadProblems::Meta, CompanionName(logPath, QStringLiteral(".meta")), info->Damage);
    InformationShown = true;
    ShowHighlightCount(logPath, highlighted);
}

void TRecordInfoPanel::ShowHighlightCount(const QString &logFile, int highlighted)
{
    if (InformationShown)
        LabelItemIndex->setText(QFileInfo(logFile).completeBaseName() + QStringLiteral(" (") +
                                QString::number(highlighted) + u')');
}

void TRecordInfoPanel::ShowPreview(const QString &logPath)
{
    const QString histogramFile = CompanionName(logPath, QStringLiteral(".histo"));
    HistogramCaption->setText(QCoreApplication::translate("RecordInfoPanel", "Histogram not available"));
    HChart->ClearItems();
    HChart->Redraw();
    ReadProblems.Clear(TRecordReadProblems::Preview);
    if (!QFileInfo(histogramFile).isFile())
        return;
    try {
        PreviewHistogram = THistogram::ReadFromFile(histogramFile);
    } catch (const EInOutError &error) {
        ReadProblems.Set(TRecordReadProblems::Preview, histogramFile, error.Message);
        return;
    }
    HistogramCaption->setText(QCoreApplication::translate("RecordInfoPanel", "Histogram of dBmW/m²"));
    DrawLevelHistogram(*HChart, PreviewHistogram, Host.RiskPopulation(), Host.RiskState(), false);
}

void TRecordInfoPanel::ShowReadProblems()
{
    LabelReadProblem->setText(ReadProblems.Lines());
    LabelReadProblem->setVisible(!ReadProblems.Empty());
}

// Once per record shown, and only while the user looks at the window: the box gives the focus
// away and back, and telling again on that return would never let the user out.
void TRecordInfoPanel::TellReadProblems()
{
    if (ReadProblems.Empty() || ReadProblemTold || !isActiveWindow())
        return;
    ReadProblemTold = true;
    ShowMessageBox(TMsgKind::Error, ReadProblems.Messages());
}
