// The file manager's controls: the drive and folder column, the log list, and the information
// panel with the histogram preview and the OK button.

#include "windows/FileManager.h"

#include "model/HandlerErrors.h"
#include "charts/ChartConfigurations.h"
#include "charts/ChartWidget.h"
#include "windows/FileManagerGlyphs.h"
#include "windows/FolderChainFilter.h"
#include "dialogs/WidgetStyle.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QColor HeadingYellow(0xFF, 0xFF, 0xD2);
const QColor CaptionBlue(0xD3, 0xFA, 0xFE);
const QColor HighlightText(0x9E, 0xD8, 0xFF);
const QColor ProblemText(0xFF, 0x9A, 0x8A);
constexpr int ColumnMinimum = 220;
constexpr int CaptionWidth = 124;

QFont FieldFont()
{
    return NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Normal, QFont::Serif);
}

QLabel *Heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(NamedFont(QStringLiteral("Sitka Text"), 16, QFont::Bold, QFont::Serif));
    SetAllTextColours(label, HeadingYellow);
    label->setFixedHeight(28);
    return label;
}

QToolButton *ImageButton(const QIcon &icon, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// White text on the dark grey of the lists and fields.
void StyleField(QWidget *field)
{
    field->setFont(FieldFont());
    SetAllTextColours(field, Qt::white);
    SetBackgroundAndBase(field, FieldGrey);
}

QLineEdit *FieldRow(QGridLayout *grid, const QString &caption, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setFrame(false);
    field->setReadOnly(true);
    StyleField(field);
    auto *label = new QLabel(caption, parent);
    label->setMinimumWidth(CaptionWidth);
    label->setFont(NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Bold, QFont::Serif));
    SetAllTextColours(label, CaptionBlue);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

QWidget *Column(QSplitter *splitter, QVBoxLayout *&layout)
{
    auto *column = new QWidget(splitter);
    column->setMinimumWidth(ColumnMinimum);
    SetBackgroundAndBase(column, WindowGrey);
    layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    splitter->addWidget(column);
    return column;
}

} // namespace

void TFileManager::BuildLayout()
{
    setWindowTitle(QStringLiteral("File Manager - open a Log File"));
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

    QVBoxLayout *left = nullptr;
    Column(columns, left);
    left->addWidget(Heading(QStringLiteral(" Drive"), this));
    DriveComboBox1 = new QComboBox(this);
    StyleField(DriveComboBox1);
    {
        QPalette palette = DriveComboBox1->palette();
        palette.setColor(QPalette::Button, FieldGrey);
        DriveComboBox1->setPalette(palette);
    }
    left->addWidget(DriveComboBox1);
    auto *directoryHeading = new QHBoxLayout;
    directoryHeading->addWidget(Heading(QStringLiteral(" Directory"), this), 1);
    OpenDirB = ImageButton(OpenFolderGlyph(), QStringLiteral("Open current directory in Windows explorer"), this);
    directoryHeading->addWidget(OpenDirB);
    left->addLayout(directoryHeading);
    DirectoryModel = new QFileSystemModel(this);
    DirectoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryModel->setReadOnly(true);
    DirectoryChain = new TFolderChainFilter(*DirectoryModel, this);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setModel(DirectoryChain);
    for (int column = 1; column < DirectoryModel->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setFrameShape(QFrame::NoFrame);
    DirectoryListBox1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    DirectoryListBox1->header()->setStretchLastSection(false);
    StyleField(DirectoryListBox1);
    left->addWidget(DirectoryListBox1, 1);

    QVBoxLayout *middle = nullptr;
    Column(columns, middle);
    auto *filesHeading = new QHBoxLayout;
    filesHeading->addWidget(Heading(QStringLiteral(" Log Files"), this), 1);
    ArchiveB = ImageButton(ArchiveGlyph(), QStringLiteral("Archive/Restore highlighted files"), this);
    DeleteFilesB = ImageButton(DeleteGlyph(), QStringLiteral("Delete highlighted files"), this);
    filesHeading->addWidget(ArchiveB);
    filesHeading->addWidget(DeleteFilesB);
    middle->addLayout(filesHeading);
    FileListBox1 = new QListWidget(this);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox1->setCursor(Qt::PointingHandCursor);
    FileListBox1->setFrameShape(QFrame::NoFrame);
    FileListBox1->setUniformItemSizes(true);
    StyleField(FileListBox1);
    middle->addWidget(FileListBox1, 1);

    QVBoxLayout *right = nullptr;
    Column(columns, right)->setMinimumWidth(380);
    // One grid for both groups, so that their fields line up.
    auto *meta = new QGridLayout;
    meta->addWidget(Heading(QStringLiteral(" Meta Data"), this), 0, 0, 1, 2);
    meta->setHorizontalSpacing(6);
    meta->setVerticalSpacing(3);
    MemoOperator = FieldRow(meta, QStringLiteral(" Operator"), this);
    MemoPlace = FieldRow(meta, QStringLiteral(" Place"), this);
    MemoNotes = new QPlainTextEdit(this);
    MemoNotes->setReadOnly(true);
    MemoNotes->setFrameShape(QFrame::NoFrame);
    StyleField(MemoNotes);
    MemoNotes->setFixedHeight(3 * QFontMetrics(FieldFont()).lineSpacing() + 8);
    {
        auto *label = new QLabel(QStringLiteral(" Notes"), this);
        label->setMinimumWidth(CaptionWidth);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Bold, QFont::Serif));
        SetAllTextColours(label, CaptionBlue);
        const int row = meta->rowCount();
        meta->addWidget(label, row, 0);
        meta->addWidget(MemoNotes, row, 1);
    }
    MemoDateTime = FieldRow(meta, QStringLiteral(" Date and Time"), this);
    MemoiUnit = FieldRow(meta, QStringLiteral(" Irradiance Unit"), this);
    MemoCorrection = FieldRow(meta, QStringLiteral(" Correction"), this);
    MemoInterval = FieldRow(meta, QStringLiteral(" Interval"), this);
    meta->addWidget(Heading(QStringLiteral(" Log Info"), this), meta->rowCount(), 0, 1, 2);
    MemoSize = FieldRow(meta, QStringLiteral(" File Size"), this);
    MemoNumSamples = FieldRow(meta, QStringLiteral(" Samples"), this);
    MemoDuration = FieldRow(meta, QStringLiteral(" Duration"), this);
    right->addLayout(meta);
    LabelReadProblem = new QLabel(this);
    LabelReadProblem->setFont(FieldFont());
    LabelReadProblem->setWordWrap(true);
    SetAllTextColours(LabelReadProblem, ProblemText);
    LabelReadProblem->hide();
    right->addWidget(LabelReadProblem);
    Label6 = Heading(QStringLiteral(" Histogram of dBmW/m²"), this);
    right->addWidget(Label6);
    HChart = new TChartWidget(this);
    ConfigureChart(*HChart, FileManagerChartConfiguration());
    HChart->setMinimumHeight(150);
    right->addWidget(HChart, 1);
    auto *bar = new QHBoxLayout;
    LabelItemIndex = new QLabel(this);
    LabelItemIndex->setFont(FieldFont());
    SetAllTextColours(LabelItemIndex, HighlightText);
    bar->addWidget(LabelItemIndex, 1);
    ImageOKb = ImageButton(OpenFilesGlyph(), QStringLiteral("Open the selected file(s)"), this);
    ImageOKb->setIconSize(QSize(28, 28));
    bar->addWidget(ImageOKb);
    right->addLayout(bar);
    columns->setStretchFactor(0, 0);
    columns->setStretchFactor(1, 0);
    columns->setStretchFactor(2, 1);
    columns->setSizes({240, 240, 565});

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, ShowingErrors(this, &TFileManager::DriveComboBox1Change));
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            ShowingErrors([this](const QModelIndex &current) {
                if (!ChangingFolder && current.isValid())
                    DirectoryListBox1Change(DirectoryChain->PathOf(current));
            }));
    // The folder tree is filled in the background: the listed folder's subfolders show once
    // they have arrived.
    connect(DirectoryModel, &QFileSystemModel::directoryLoaded, this, ShowingErrors([this](const QString &path) {
        if (path == Folder)
            DirectoryListBox1->expand(DirectoryChain->IndexOf(Folder));
    }));
    connect(FileListBox1, &QListWidget::currentItemChanged, this, ShowingErrors(this, &TFileManager::FileListBox1Change));
    // A click changes both the current item and the highlighting: the files are read once, for
    // the current item; the highlighting only changes the count.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, ShowingErrors(this, &TFileManager::ShowHighlightCount));
    connect(FileListBox1, &QListWidget::itemClicked, this, ShowingErrors(this, &TFileManager::FileListBox1Click));
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, ShowingErrors(this, &TFileManager::FileListBox1DblClick));
    FileListBox1->installEventFilter(this);
    connect(OpenDirB, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::OpenDirBClick));
    connect(ArchiveB, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::ArchiveBClick));
    connect(DeleteFilesB, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::DeleteFilesBClick));
    connect(ImageOKb, &QToolButton::clicked, this, ShowingErrors(this, &TFileManager::ImageOKbClick));
}
