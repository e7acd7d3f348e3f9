// The main window's menu. Items of actions that other windows bring (opening a record, the
// import, the density analyser) are there and wait for them.

#include "app/UnitMain.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

QAction *AddItem(QMenu *menu, const QString &text, const QKeySequence &shortcut = QKeySequence())
{
    QAction *action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TForm1::BuildMenu()
{
    QMenu *data = menuBar()->addMenu(QStringLiteral("&Data"));
    AddItem(data, QStringLiteral("&Open record"), QKeySequence(Qt::CTRL | Qt::Key_O));
    AddItem(data, QStringLiteral("&Import from device"), QKeySequence(Qt::CTRL | Qt::Key_I));

    QMenu *log = menuBar()->addMenu(QStringLiteral("&Log"));
    QAction *play1 = AddItem(log, QStringLiteral("&Play"), QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction *record1 = AddItem(log, QStringLiteral("&Record"), QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction *pause1 = AddItem(log, QStringLiteral("&Pause"), QKeySequence(Qt::CTRL | Qt::Key_U));
    QAction *stop1 = AddItem(log, QStringLiteral("&Stop"), QKeySequence(Qt::CTRL | Qt::Key_S));
    log->addSeparator();
    QAction *restart1 = AddItem(log, QStringLiteral("Res&tart"), QKeySequence(Qt::CTRL | Qt::Key_T));
    QAction *scheduleEnd1 = AddItem(log, QStringLiteral("&Schedule end"));
    connect(play1, &QAction::triggered, this, [this] {
        PlayB->setChecked(true);
        PlayBClick();
    });
    connect(record1, &QAction::triggered, this, &TForm1::PressRecordButton);
    connect(pause1, &QAction::triggered, this, [this] {
        PauseB->toggle();
        PauseBClick();
    });
    connect(stop1, &QAction::triggered, this, &TForm1::PressStopButton);
    connect(restart1, &QAction::triggered, this, &TForm1::RestartBClick);
    connect(scheduleEnd1, &QAction::triggered, this, &TForm1::ScheduleEnd1Click);

    QMenu *analysis = menuBar()->addMenu(QStringLiteral("&Analysis"));
    AddItem(analysis, QStringLiteral("&Density"), QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu *show = menuBar()->addMenu(QStringLiteral("&Show"));
    QAction *controlPanel1 = AddItem(show, QStringLiteral("&Control Panel"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    AddItem(show, QStringLiteral("&Density Analyser"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    connect(controlPanel1, &QAction::triggered, this, &TForm1::PanelRightClick);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    QMenu *manual = help->addMenu(QStringLiteral("&Manual"));
    connect(AddItem(manual, QStringLiteral("&English")), &QAction::triggered, this, &TForm1::English2Click);
    connect(AddItem(manual, QStringLiteral("&Français")), &QAction::triggered, this, &TForm1::Franais1Click);
    QMenu *risk = help->addMenu(QStringLiteral("&Risk Evaluation"));
    connect(AddItem(risk, QStringLiteral("English")), &QAction::triggered, this, &TForm1::English1Click);
    connect(AddItem(risk, QStringLiteral("Français")), &QAction::triggered, this, &TForm1::French1Click);
    connect(AddItem(risk, QStringLiteral("Italiano")), &QAction::triggered, this, &TForm1::Italiano1Click);
    help->addSeparator();
    connect(AddItem(help, QStringLiteral("Open Log directory")), &QAction::triggered, this,
            &TForm1::OpenLogdirectory1Click);
}
