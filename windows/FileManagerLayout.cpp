// The file manager's window: the folder picker, the log list with its archive and delete
// buttons, and the record information panel with the OK button, side by side.

#include "windows/FileManager.h"

#include "dialogs/WidgetStyle.h"
#include "model/HandlerErrors.h"
#include "windows/FileManagerGlyphs.h"
#include "windows/FileManagerStyle.h"
#include "windows/FolderPicker.h"
#include "windows/RecordInfoPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

void TFileManager::BuildLayout(IRecordWindowsHost &host)
{
    setWindowTitle(tr("File Manager - open a Log File"));
    resize(1045, 653);
    SetBackgroundAndBase(this, WindowGrey);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    auto *columns = new QSplitter(Qt::Horizontal, this);
    columns->setHandleWidth(3);
    columns->setChildrenCollapsible(false);
    // The handles are bare: the splitter's own silver shows through them.
    SetBackgroundAndBase(columns, QColor(0xC0, 0xC0, 0xC0));
    page->addWidget(columns);

    FolderPicker = new TFolderPicker(columns);
    columns->addWidget(FolderPicker);

    auto *logColumn = new QWidget(columns);
    QVBoxLayout *logs = MakeColumn(logColumn);
    columns->addWidget(logColumn);
    auto *filesHeading = new QHBoxLayout;
    filesHeading->addWidget(Heading(tr(" Log Files"), this), 1);
    ArchiveB = ImageButton(ArchiveGlyph(), tr("Archive/Restore highlighted files"), this);
    DeleteFilesB = ImageButton(DeleteGlyph(), tr("Delete highlighted files"), this);
    filesHeading->addWidget(ArchiveB);
    filesHeading->addWidget(DeleteFilesB);
    logs->addLayout(filesHeading);
    FileListBox1 = new QListWidget(this);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox1->setCursor(Qt::PointingHandCursor);
    FileListBox1->setFrameShape(QFrame::NoFrame);
    FileListBox1->setUniformItemSizes(true);
    StyleField(FileListBox1);
    logs->addWidget(FileListBox1, 1);

    InfoPanel = new TRecordInfoPanel(host, columns);
    columns->addWidget(InfoPanel);
    ImageOKb = ImageButton(OpenFilesGlyph(), tr("Open the selected file(s)"), this);
    ImageOKb->setIconSize(QSize(28, 28));
    InfoPanel->PlaceAtFoot(ImageOKb);
    columns->setStretchFactor(0, 0);
    columns->setStretchFactor(1, 0);
    columns->setStretchFactor(2, 1);
    columns->setSizes({240, 240, 565});

    connect(FolderPicker, &TFolderPicker::FolderPicked, this, ShowingErrors(this, &TFileManager::DirectoryListBox1Change));
    connect(FileListBox1, &QListWidget::currentItemChanged, this, ShowingErrors(this, &TFileManager::FileListBox1Change));
    // A click changes both the current item and the highlighting: the files are read once, for
    // the current item; the highlighting only changes the count.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, ShowingErrors(this, &TFileManager::ShowHighlightCount));
    connect(FileListBox1, &QListWidget::itemClicked, this, ShowingErrors(this, &TFileManager::FileListBox1Click));
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, ShowingErrors(this, &TFileManager::FileListBox1DblClick));
    FileListBox1->installEventFilter(this);
    connect(ArchiveB, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::ArchiveBClick));
    connect(DeleteFilesB, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::DeleteFilesBClick));
    connect(ImageOKb, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::ImageOKbClick));
}
