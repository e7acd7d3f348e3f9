#pragma once
// The dialog of "Publish readings…": whether the readings go to an MQTT broker, and where and
// how (host and port, user name and password, TLS with an optional CA file, base topic, meter
// name, Home Assistant discovery). OK takes options a publisher can use, or says what is
// wrong with them and stays open; Cancel changes nothing.

#include "dialogs/ButtonClosedDialog.h"
#include "publish/PublishOptions.h"

#include <optional>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;
class QToolButton;

class TPublishDialog : public TButtonClosedDialog {
    Q_OBJECT

public:
    explicit TPublishDialog(QWidget *parent = nullptr);

    // Shows options modally (see dialogs/ModalSeam.h): the options as the user left them when
    // closed by OK (what the dialog does not show kept as it was), none on Cancel.
    std::optional<TPublishOptions> Execute(const TPublishOptions &options);

    // The fields as options: checked before the dialog closes when publishing is on.
    void ImageOKbClick();
    void ImageCancelbClick();
    TPublishOptions Edited() const;

    QCheckBox *EnabledCB = nullptr;
    QLineEdit *HostEdit = nullptr;
    QSpinBox *PortEdit = nullptr;
    QLineEdit *UserEdit = nullptr;
    QLineEdit *PasswordEdit = nullptr;
    QCheckBox *TlsCB = nullptr;
    QLineEdit *CaFileEdit = nullptr;
    QLineEdit *BaseTopicEdit = nullptr;
    QLineEdit *MeterIdEdit = nullptr;
    QCheckBox *DiscoveryCB = nullptr;
    QToolButton *ImageCancelb = nullptr;
    QToolButton *ImageOKb = nullptr;

private:
    void Show(const TPublishOptions &options);
    QLineEdit *AddField(QFormLayout &form, const QString &caption, const QString &name);

    TPublishOptions Shown;
};
