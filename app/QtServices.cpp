#include "app/QtServices.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QSoundEffect>
#include <QUrl>
#include <QVariantMap>

#include <cstdlib>
#include <memory>

namespace {

QMessageBox::Icon IconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Plain: return QMessageBox::NoIcon;
    case TMsgKind::Information: return QMessageBox::Information;
    case TMsgKind::Warning: return QMessageBox::Warning;
    case TMsgKind::Error: return QMessageBox::Critical;
    case TMsgKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok: return QMessageBox::Ok;
    case TMsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case TMsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case TMsgButtons::YesCancel: return QMessageBox::Yes | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

TMsgAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return TMsgAnswer::Ok;
    case QMessageBox::Yes: return TMsgAnswer::Yes;
    case QMessageBox::No: return TMsgAnswer::No;
    default: return TMsgAnswer::Cancel;
    }
}

TMsgAnswer ShowQtMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons)
{
    return AnswerOf(MakeQtMessageBox(kind, text, buttons)->exec());
}

QString AskQtSaveFileName(const TSaveFileRequest &request, QWidget *parent)
{
    QFileDialog dialog(parent, request.Title, request.Folder, request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.selectFile(request.ProposedFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

// One effect for the program's life, owned by the application so that it goes before Qt does.
// Without a sound device it reports an error status and plays nothing.
void PlayQtSound(const QString &path)
{
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect->source() != source)
        effect->setSource(source);
    effect->play();
}

// The freedesktop notification service's Notify, sent without waiting for its answer: without a
// session bus or the service the message goes nowhere.
void NotifyOverDBus(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage notify =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QString desktopEntry = QGuiApplication::desktopFileName();
    const QVariantMap hints{{QStringLiteral("desktop-entry"), desktopEntry}};
    notify << QApplication::applicationName() << 0u << desktopEntry << summary << body << QStringList() << hints
           << -1;
    bus.send(notify);
}

// The one progress window, kept between its doors' calls.
class TQtProgress {
public:
    void Begin(const TProgressRequest &request, QWidget *parent) { Dialog = MakeQtProgressDialog(request, parent); }
    bool Advance(int value)
    {
        if (!Dialog)
            return false;
        Dialog->setValue(value);
        // Repaints and timers go on before the dialog is up; the user's input waits for it.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return Dialog && Dialog->wasCanceled();
    }
    void End() { Dialog.reset(); }

private:
    std::unique_ptr<QProgressDialog> Dialog;
};

} // namespace

std::unique_ptr<QProgressDialog> MakeQtProgressDialog(const TProgressRequest &request, QWidget *parent)
{
    auto dialog = std::make_unique<QProgressDialog>(request.Text, request.CancelText, 0, request.Maximum, parent);
    dialog->setWindowTitle(request.Title);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(request.DelayMs);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    return dialog;
}

std::unique_ptr<QMessageBox> MakeQtMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    auto box = std::make_unique<QMessageBox>(IconOf(kind), QApplication::applicationName(), lines, ButtonsOf(buttons),
                                             QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    // Closing the box with Escape or its frame is the safe answer.
    if (buttons == TMsgButtons::YesNo)
        box->setEscapeButton(QMessageBox::No);
    return box;
}

TServices QtServices()
{
    const auto progress = std::make_shared<TQtProgress>();
    return {
        .MessageBox = ShowQtMessageBox,
        .Clock = &QDateTime::currentDateTime,
        .EndProcess = [](int exitCode) { std::_Exit(exitCode); },
        .ShellOpen = [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
        .SaveFileDialog = AskQtSaveFileName,
        .PlaySound = PlayQtSound,
        .Notify = NotifyOverDBus,
        .BeginProgress = [progress](const TProgressRequest &request, QWidget *parent) { progress->Begin(request, parent); },
        .AdvanceProgress = [progress](int value) { return progress->Advance(value); },
        .EndProgress = [progress] { progress->End(); },
        .BeginBusy = [] { QApplication::setOverrideCursor(Qt::WaitCursor); },
        .EndBusy = [] { QApplication::restoreOverrideCursor(); },
    };
}
