#include "dialogs/AlertsDialog.h"

#include "dialogs/DialogLook.h"
#include "dialogs/ModalSeam.h"
#include "dialogs/WidgetStyle.h"
#include "model/HandlerErrors.h"
#include "model/Risk.h"
#include "model/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double LongestHoldSeconds = 3600;

// The user's own decimal separator, or a point.
std::optional<double> LevelIn(const QString &text)
{
    bool read = false;
    double level = QLocale::system().toDouble(text.trimmed(), &read);
    if (!read)
        level = QLocale::c().toDouble(text.trimmed(), &read);
    return read && std::isfinite(level) && level > 0 ? std::optional(level) : std::nullopt;
}

} // namespace

TAlertsDialog::TAlertsDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Alerts"));
    SetColours(this, DialogTextGrey, palette().color(QPalette::Window));

    CategoryRB = new QRadioButton(tr("Alert when the risk category reaches"), this);
    CategoryCB = new QComboBox(this);
    for (std::size_t category = 0; category < RiskCategoryNames.size(); ++category)
        CategoryCB->addItem(RiskCategoryDisplayName(category));
    LevelRB = new QRadioButton(tr("Alert when the reading reaches"), this);
    LevelEdit = new QLineEdit(this);
    LevelUnit = new QLabel(this);
    auto *holdCaption = new QLabel(tr("End the alert once the readings have stayed below for"), this);
    HoldSB = new QDoubleSpinBox(this);
    HoldSB->setRange(0, LongestHoldSeconds);
    HoldSB->setDecimals(1);
    HoldSB->setSuffix(QStringLiteral(" s"));
    ToneCB = new QCheckBox(tr("Sound a tone while an alert lasts"), this);
    CancelB = NewImageButton(tr("Cancel"), QStyle::SP_DialogCancelButton, this);
    OkB = NewImageButton(tr("OK"), QStyle::SP_DialogOkButton, this);
    for (QWidget *field : {static_cast<QWidget *>(CategoryCB), static_cast<QWidget *>(LevelEdit),
                           static_cast<QWidget *>(HoldSB)})
        SetColours(field, DialogTextGrey, Qt::white);

    auto *grid = new QGridLayout;
    grid->addWidget(CategoryRB, 0, 0);
    grid->addWidget(CategoryCB, 0, 1, 1, 2);
    grid->addWidget(LevelRB, 1, 0);
    grid->addWidget(LevelEdit, 1, 1);
    grid->addWidget(LevelUnit, 1, 2);
    grid->addWidget(holdCaption, 2, 0);
    grid->addWidget(HoldSB, 2, 1, 1, 2);
    grid->addWidget(ToneCB, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelB);
    buttons->addWidget(OkB);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(CategoryRB, &QRadioButton::toggled, this, [this] { EnableLimitFields(); });
    connect(CancelB, &QToolButton::clicked, this, &QDialog::reject);
    connect(OkB, &QToolButton::clicked, this, ShowingErrors(this, &TAlertsDialog::OkClick));
}

bool TAlertsDialog::Execute(TAlertOptions &options, const QString &unitName)
{
    Show(options, unitName);
    if (RunModal(*this) != QDialog::Accepted)
        return false;
    options = Taken;
    return true;
}

void TAlertsDialog::Show(const TAlertOptions &options, const QString &unitName)
{
    const TAlertLimit &limit = options.Limit;
    Taken = options;
    CategoryCB->setCurrentIndex(limit.Category.value_or(*TAlertLimit{}.Category));
    LevelEdit->setText(limit.Level ? QLocale::system().toString(*limit.Level, 'g', QLocale::FloatingPointShortest)
                                   : QString());
    LevelUnit->setText(unitName);
    (limit.Level ? LevelRB : CategoryRB)->setChecked(true);
    EnableLimitFields();
    HoldSB->setValue(limit.HoldSeconds);
    ToneCB->setChecked(options.Tone);
}

void TAlertsDialog::EnableLimitFields()
{
    CategoryCB->setEnabled(CategoryRB->isChecked());
    LevelEdit->setEnabled(!CategoryRB->isChecked());
}

void TAlertsDialog::OkClick()
{
    TAlertOptions taken = Taken;
    taken.Limit.Category = CategoryCB->currentIndex();
    taken.Limit.Level.reset();
    if (LevelRB->isChecked()) {
        taken.Limit.Level = LevelIn(LevelEdit->text());
        if (!taken.Limit.Level) {
            ShowMessageBox(TMsgKind::Warning, tr("Please enter the level as a number above 0, such as %1")
                                                  .arg(QLocale::system().toString(1.5)));
            LevelEdit->setFocus();
            return;
        }
    }
    taken.Limit.HoldSeconds = HoldSB->value();
    taken.Tone = ToneCB->isChecked();
    Taken = taken;
    accept();
}
