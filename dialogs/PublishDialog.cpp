#include "dialogs/PublishDialog.h"

#include "dialogs/DialogLook.h"
#include "dialogs/ModalSeam.h"
#include "dialogs/WidgetStyle.h"
#include "model/HandlerErrors.h"
#include "model/Services.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

TPublishDialog::TPublishDialog(QWidget *parent) : TButtonClosedDialog(parent, CaptionOnlyTitleBar)
{
    setWindowTitle(tr("Publish readings"));
    SetColours(this, DialogTextGrey, Qt::white);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 8);
    EnabledCB = new QCheckBox(tr("Publish the readings to an MQTT broker"), this);
    EnabledCB->setObjectName(QStringLiteral("EnabledCB"));
    layout->addWidget(EnabledCB);
    layout->addWidget(NewBand(2, Qt::lightGray, this));

    auto *form = new QFormLayout;
    HostEdit = AddField(*form, tr("Broker host:"), QStringLiteral("HostEdit"));
    PortEdit = new QSpinBox(this);
    PortEdit->setObjectName(QStringLiteral("PortEdit"));
    PortEdit->setRange(1, 65535);
    form->addRow(tr("Port:"), PortEdit);
    UserEdit = AddField(*form, tr("User name:"), QStringLiteral("UserEdit"));
    PasswordEdit = AddField(*form, tr("Password:"), QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    TlsCB = new QCheckBox(tr("Use TLS"), this);
    TlsCB->setObjectName(QStringLiteral("TlsCB"));
    form->addRow(QString(), TlsCB);
    CaFileEdit = AddField(*form, tr("CA file (optional):"), QStringLiteral("CaFileEdit"));
    BaseTopicEdit = AddField(*form, tr("Base topic:"), QStringLiteral("BaseTopicEdit"));
    MeterIdEdit = AddField(*form, tr("Meter name:"), QStringLiteral("MeterIdEdit"));
    DiscoveryCB = new QCheckBox(tr("Home Assistant discovery"), this);
    DiscoveryCB->setObjectName(QStringLiteral("DiscoveryCB"));
    form->addRow(QString(), DiscoveryCB);
    layout->addLayout(form);
    // The CA file only counts with TLS; the port follows TLS while it is the usual one.
    connect(TlsCB, &QCheckBox::toggled, CaFileEdit, &QWidget::setEnabled);
    connect(TlsCB, &QCheckBox::toggled, this, [this](bool tls) {
        if (PortEdit->value() == (tls ? MqttPort : MqttTlsPort))
            PortEdit->setValue(tls ? MqttTlsPort : MqttPort);
    });

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    ImageCancelb = NewImageButton(tr("Cancel"), QStyle::SP_DialogCancelButton, this);
    ImageOKb = NewImageButton(tr("OK"), QStyle::SP_DialogOkButton, this);
    connect(ImageCancelb, &QToolButton::clicked, this, ShowingErrors(this, &TPublishDialog::ImageCancelbClick));
    connect(ImageOKb, &QToolButton::clicked, this, ShowingErrors(this, &TPublishDialog::ImageOKbClick));
    bottom->addWidget(ImageCancelb);
    bottom->addWidget(ImageOKb);
    layout->addLayout(bottom);
    setMinimumWidth(420);
}

QLineEdit *TPublishDialog::AddField(QFormLayout &form, const QString &caption, const QString &name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    form.addRow(caption, edit);
    return edit;
}

std::optional<TPublishOptions> TPublishDialog::Execute(const TPublishOptions &options)
{
    Show(options);
    CentreOnScreen(*this);
    if (RunModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return Edited();
}

void TPublishDialog::Show(const TPublishOptions &options)
{
    Shown = options;
    EnabledCB->setChecked(options.Enabled);
    HostEdit->setText(options.Host);
    // Set before TLS: the port stays as it was stored.
    TlsCB->setChecked(options.Tls);
    CaFileEdit->setEnabled(options.Tls);
    PortEdit->setValue(options.Port);
    UserEdit->setText(options.User);
    PasswordEdit->setText(options.Password);
    CaFileEdit->setText(options.CaFile);
    BaseTopicEdit->setText(options.BaseTopic);
    MeterIdEdit->setText(options.MeterId);
    DiscoveryCB->setChecked(options.Discovery);
}

TPublishOptions TPublishDialog::Edited() const
{
    TPublishOptions options = Shown;
    options.Enabled = EnabledCB->isChecked();
    options.Host = HostEdit->text().trimmed();
    options.Port = static_cast<std::uint16_t>(PortEdit->value());
    options.User = UserEdit->text().trimmed();
    options.Password = PasswordEdit->text();
    options.Tls = TlsCB->isChecked();
    options.CaFile = CaFileEdit->text().trimmed();
    options.BaseTopic = BaseTopicEdit->text().trimmed();
    options.MeterId = MeterIdEdit->text().trimmed();
    options.Discovery = DiscoveryCB->isChecked();
    return options;
}

void TPublishDialog::ImageOKbClick()
{
    const TPublishOptions options = Edited();
    if (options.Enabled) {
        if (const std::optional<QString> problem = PublishOptionsProblem(options)) {
            ShowMessageBox(TMsgKind::Warning, *problem);
            return;
        }
    }
    done(QDialog::Accepted);
}

void TPublishDialog::ImageCancelbClick()
{
    done(QDialog::Rejected);
}
