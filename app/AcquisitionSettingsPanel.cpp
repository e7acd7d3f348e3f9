#include "app/AcquisitionSettingsPanel.h"

#include "app/EdgePanel.h"
#include "dialogs/WidgetStyle.h"
#include "model/ConvertError.h"
#include "model/HandlerErrors.h"
#include "model/NumberText.h"
#include "model/Services.h"
#include "model/Units.h"
#include "windows/ChoiceGroup.h"
#include "windows/ClickForwarder.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

const QString SitkaText = QStringLiteral("Sitka Text");
const QColor PanelTitleColour(255, 255, 210);
const QColor LockedCaptionColour(0x6A, 0x6F, 0x6F);
const QColor UnlockedCaptionColour(0xD3, 0xFA, 0xFE);
constexpr int ExpandedWidth = 155;
constexpr int FoldedWidth = 6;

QString IntervalHint()
{
    return QCoreApplication::translate("TAcquisitionSettingsPanel", "Time Interval used by the ZELTAR device to send data");
}

QLabel *Caption(const QString &text, QWidget *parent, const QPoint &at)
{
    auto *label = new QLabel(text, parent);
    label->setToolTip(IntervalHint());
    label->move(at);
    return label;
}

QLabel *SectionTitle(const QString &text, QFrame *section)
{
    auto *title = new QLabel(text, section);
    QFont font = section->font();
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(0, 5, ExpandedWidth, 20);
    SetTextColour(title, PanelTitleColour);
    return title;
}

QComboBox *ChoiceBox(const QStringList &items, const QString &current, bool editable, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentText(current);
    box->setFont(NamedFont(SitkaText, 13, QFont::Serif));
    return box;
}

// A box whose text is no valid number is saved with the value in effect, so that the file
// stays readable at the next start.
int NumberInBox(const QComboBox *box, int valueInEffect, int lowest)
{
    const std::optional<int> typed = DecimalTextToInt(box->currentText());
    return typed && *typed >= lowest ? *typed : valueInEffect;
}

} // namespace

TAcquisitionSettingsPanel::TAcquisitionSettingsPanel(TAcquisitionSession &session, QWidget *parent)
    : QFrame(parent), Session(session)
{
    setFixedWidth(ExpandedWidth);
    SetBackground(this, WindowGrey);
    setFont(NamedFont(SitkaText, 13, QFont::Serif));
    SetTextColour(this, Qt::white);
    setToolTip(QCoreApplication::translate("TAcquisitionSettingsPanel", "Click to hide/show this control bar"));
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    BuildInputSection();
    BuildVisualizationSection();
    BuildRiskSection();
    stack->addWidget(InputSection);
    stack->addWidget(VisualizationSection);
    stack->addWidget(RiskSection, 1);
    // A click on a group's frame is the group's, not the panel's.
    for (QWidget *group : {static_cast<QWidget *>(IrrUnitGB), static_cast<QWidget *>(RiskPopulationRG),
                           static_cast<QWidget *>(RiskStateRG)})
        group->setAttribute(Qt::WA_NoMousePropagation);
    WireHandlers();

    UnlockAcquisitionSettings();
    AppliedChoice = {UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex())),
                     IntervalSeconds(IntervalCB->currentText()).value_or(0.5), StrToInt(CorrectionCB->currentText()),
                     StrToInt(VisibleSamplesCB->currentText())};
    Session.TakeSettings(AppliedChoice);
}

void TAcquisitionSettingsPanel::BuildInputSection()
{
    InputSection = new TEdgePanel(this);
    InputSection->setFixedHeight(185);
    InputTitle = SectionTitle(QCoreApplication::translate("TAcquisitionSettingsPanel", "Input data"), InputSection);
    IntervalCaption = Caption(QCoreApplication::translate("TAcquisitionSettingsPanel", "Interval "), InputSection, {10, 35});
    IntervalCB = ChoiceBox({"0.5 sec", "1 sec", "10 sec", "30 sec", "1 min", "2 min", "3 min"}, "0.5 sec", false,
                           InputSection);
    IntervalCB->setToolTip(IntervalHint());
    IntervalCB->setGeometry(72, 31, 75, 24);
    // Wider than designed where the font needs it to show "0.5 sec" whole.
    IntervalCB->resize(std::max(IntervalCB->width(), IntervalCB->sizeHint().width()), IntervalCB->height());
    CorrectionCaption = Caption(QCoreApplication::translate("TAcquisitionSettingsPanel", "Correction (dB)"), InputSection, {8, 68});
    CorrectionCB = ChoiceBox({"0", "3", "6"}, "0", true, InputSection);
    CorrectionCB->setGeometry(110, 64, 40, 24);
    IrrUnitGB = new TChoiceGroup(QCoreApplication::translate("TAcquisitionSettingsPanel", " Irradiance Unit "), {"V/m", "mW/m²"}, InputSection);
    IrrUnitGB->SetItemIndex(1);
    IrrUnitGB->setToolTip(QCoreApplication::translate("TAcquisitionSettingsPanel", "Unit used by the ZELTAR device to send data"));
    IrrUnitGB->setGeometry(8, 96, 139, 80);
}

void TAcquisitionSettingsPanel::BuildVisualizationSection()
{
    VisualizationSection = new TEdgePanel(this);
    VisualizationSection->setFixedHeight(67);
    VisualizationTitle = SectionTitle(QCoreApplication::translate("TAcquisitionSettingsPanel", "Visualization"), VisualizationSection);
    PointsCaption = Caption(QCoreApplication::translate("TAcquisitionSettingsPanel", "# Points"), VisualizationSection, {10, 35});
    VisibleSamplesCB = ChoiceBox({"15", "30", "60", "120", "240", "480", "960"}, "60", true, VisualizationSection);
    VisibleSamplesCB->setToolTip(IntervalHint());
    VisibleSamplesCB->setGeometry(72, 31, 75, 24);
}

void TAcquisitionSettingsPanel::BuildRiskSection()
{
    RiskSection = new TEdgePanel(this);
    RiskTitle = SectionTitle(QCoreApplication::translate("TAcquisitionSettingsPanel", "Risk Assessment"), RiskSection);
    RiskPopulationRG = new TChoiceGroup(QCoreApplication::translate("TAcquisitionSettingsPanel", " Population "), {QCoreApplication::translate("TAcquisitionSettingsPanel", "General"),
                                                      QCoreApplication::translate("TAcquisitionSettingsPanel", "Sensitive")}, RiskSection);
    RiskPopulationRG->SetItemIndex(0);
    RiskPopulationRG->setToolTip(QCoreApplication::translate("TAcquisitionSettingsPanel", "Set the Target Population for risk assessment"));
    RiskPopulationRG->setGeometry(8, 32, 139, 80);
    RiskStateRG = new TChoiceGroup(QCoreApplication::translate("TAcquisitionSettingsPanel", " State "), {QCoreApplication::translate("TAcquisitionSettingsPanel", "Wake"),
                                                 QCoreApplication::translate("TAcquisitionSettingsPanel", "Sleep")}, RiskSection);
    RiskStateRG->SetItemIndex(0);
    RiskStateRG->setToolTip(QCoreApplication::translate("TAcquisitionSettingsPanel", "Set the Target State for risk assessment"));
    RiskStateRG->setGeometry(8, 120, 139, 80);
}

void TAcquisitionSettingsPanel::WireHandlers()
{
    IrrUnitGB->OnClick = [this] { IrrUnitGBClick(); };
    connect(IntervalCB, &QComboBox::activated, this, ShowingErrors(this, &TAcquisitionSettingsPanel::IntervalCBChange));
    // The editable boxes apply what is typed on every keystroke, and a picked item at once.
    for (QComboBox *box : {VisibleSamplesCB, CorrectionCB}) {
        const auto handler = box == VisibleSamplesCB ? &TAcquisitionSettingsPanel::VisibleSamplesCBChange
                                                     : &TAcquisitionSettingsPanel::correctionCBChange;
        connect(box, &QComboBox::activated, this, ShowingErrors(this, handler));
        connect(box->lineEdit(), &QLineEdit::textEdited, this, ShowingErrors(this, handler));
    }
    auto *clicks = new TClickForwarder([this] { ToggleFolded(); }, this);
    clicks->Watch({this});
}

double TAcquisitionSettingsPanel::IntervalInControls() const
{
    return IntervalSeconds(IntervalCB->currentText()).value_or(Session.CurrentMetaData().Interval);
}

TAcquisitionChoice TAcquisitionSettingsPanel::SettingsInControls() const
{
    const double interval = IntervalInControls();
    const int correction = StrToInt(CorrectionCB->currentText());
    const std::uint8_t unit = UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex()));
    const QString pointsText = VisibleSamplesCB->currentText();
    const int visibleSamples = StrToInt(pointsText);
    // A chart of no points cannot scroll.
    if (visibleSamples < 1)
        throw EConvertError(pointsText);
    return {unit, interval, correction, visibleSamples};
}

TAcquisitionChoice TAcquisitionSettingsPanel::ImportSettingsInControls() const
{
    TAcquisitionChoice choice;
    choice.Interval = IntervalInControls();
    choice.Correction = StrToInt(CorrectionCB->currentText());
    choice.Unit = UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex()));
    return choice;
}

void TAcquisitionSettingsPanel::ApplySettings(TRecordingState mode)
{
    const TAcquisitionChoice choice = SettingsInControls();
    AppliedChoice = choice;
    Session.ResetLiveState(mode, choice);
}

void TAcquisitionSettingsPanel::IrrUnitGBClick()
{
    if (UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex())) != AppliedChoice.Unit)
        ApplyChangedSetting();
}

void TAcquisitionSettingsPanel::IntervalCBChange()
{
    if (IntervalSeconds(IntervalCB->currentText()) != AppliedChoice.Interval)
        ApplyChangedSetting();
}

void TAcquisitionSettingsPanel::VisibleSamplesCBChange()
{
    if (DecimalTextToInt(VisibleSamplesCB->currentText()) != AppliedChoice.VisibleSamples)
        ApplyChangedSetting();
}

void TAcquisitionSettingsPanel::correctionCBChange()
{
    if (DecimalTextToInt(CorrectionCB->currentText()) != AppliedChoice.Correction)
        ApplyChangedSetting();
}

// The run restarts only for a setting that really changed; a box holding no valid number
// is reported here, and the run goes on as it was.
void TAcquisitionSettingsPanel::ApplyChangedSetting()
{
    try {
        ApplySettings(Session.State());
    } catch (...) {
        ShowMessageBox(TMsgKind::Error, EscapedErrorText(std::current_exception()));
    }
}

TPopulation TAcquisitionSettingsPanel::Population() const
{
    return PopulationOfIndex(RiskPopulationRG->ItemIndex());
}

TTargetState TAcquisitionSettingsPanel::TargetState() const
{
    return TargetStateOfIndex(RiskStateRG->ItemIndex());
}

void TAcquisitionSettingsPanel::LockAcquisitionSettings()
{
    InputSection->setEnabled(false);
    VisualizationSection->setEnabled(false);
    SetAcquisitionCaptionColour(LockedCaptionColour);
}

void TAcquisitionSettingsPanel::UnlockAcquisitionSettings()
{
    InputSection->setEnabled(true);
    VisualizationSection->setEnabled(true);
    SetAcquisitionCaptionColour(UnlockedCaptionColour);
}

void TAcquisitionSettingsPanel::SetAcquisitionCaptionColour(const QColor &colour)
{
    for (QWidget *caption : {static_cast<QWidget *>(IntervalCaption), static_cast<QWidget *>(CorrectionCaption),
                             static_cast<QWidget *>(PointsCaption), static_cast<QWidget *>(IrrUnitGB)})
        SetTextColour(caption, colour);
}

void TAcquisitionSettingsPanel::ToggleFolded()
{
    if (maximumWidth() != FoldedWidth) {
        // The titles take the panel's own colour, so nothing shows in the strip.
        SetTitleColour(WindowGrey);
        setFixedWidth(FoldedWidth);
    } else {
        SetTitleColour(PanelTitleColour);
        setFixedWidth(ExpandedWidth);
    }
    update();
}

void TAcquisitionSettingsPanel::SetTitleColour(const QColor &colour)
{
    for (QLabel *title : {InputTitle, VisualizationTitle, RiskTitle})
        SetTextColour(title, colour);
}

void TAcquisitionSettingsPanel::WriteSettings(TLastSettings &settings) const
{
    settings.Unit = Session.CurrentMetaData().Unit;
    settings.IntervalIndex = IntervalCB->currentIndex();
    settings.VisibleSamples = NumberInBox(VisibleSamplesCB, static_cast<int>(Session.VisibleSamples()), 1);
    settings.Correction =
        NumberInBox(CorrectionCB, Session.CurrentMetaData().Correction, std::numeric_limits<int>::min());
    settings.Population = RiskPopulationRG->ItemIndex() == 0 ? 0 : 1;
    settings.State = RiskStateRG->ItemIndex() == 0 ? 0 : 1;
}

void TAcquisitionSettingsPanel::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect < 2)
        return;
    // Each setting read is in effect at once, also when a later line is missing.
    TAcquisitionChoice inEffect = Session.Settings();
    inEffect.Unit = settings.Unit;
    Session.TakeSettings(inEffect);
    const int unitItem = settings.Unit == UnitMWm2 ? 1 : 0;
    if (IrrUnitGB->ItemIndex() != unitItem) {
        IrrUnitGB->SetItemIndex(unitItem);
        IrrUnitGBClick();
    }

    if (linesInEffect < 3)
        return;
    const bool knownInterval = settings.IntervalIndex >= 0 && settings.IntervalIndex < IntervalCB->count();
    IntervalCB->setCurrentIndex(knownInterval ? settings.IntervalIndex : 0);
    inEffect = Session.Settings();
    inEffect.Interval = IntervalSeconds(IntervalCB->currentText()).value_or(0.5);
    Session.TakeSettings(inEffect);

    if (linesInEffect < 4)
        return;
    VisibleSamplesCB->setCurrentText(QString::number(settings.VisibleSamples));
    inEffect.VisibleSamples = settings.VisibleSamples;
    Session.TakeSettings(inEffect);

    if (linesInEffect < 5)
        return;
    inEffect.Correction = settings.Correction;
    Session.TakeSettings(inEffect);
    CorrectionCB->setCurrentText(QString::number(settings.Correction));
    AppliedChoice = inEffect;

    if (linesInEffect < 6)
        return;
    RiskPopulationRG->SetItemIndex(settings.Population == 0 ? 0 : 1);
    if (linesInEffect < 7)
        return;
    RiskStateRG->SetItemIndex(settings.State == 0 ? 0 : 1);
}
