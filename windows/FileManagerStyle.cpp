#include "windows/FileManagerStyle.h"

#include "dialogs/WidgetStyle.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor HeadingYellow(0xFF, 0xFF, 0xD2);
constexpr int ColumnMinimum = 220;

} // namespace

QFont FieldFont()
{
    return NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Normal, QFont::Serif);
}

QFont CaptionFont()
{
    return NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Bold, QFont::Serif);
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

void StyleField(QWidget *field)
{
    field->setFont(FieldFont());
    SetAllTextColours(field, Qt::white);
    SetBackgroundAndBase(field, FieldGrey);
}

QVBoxLayout *MakeColumn(QWidget *column)
{
    column->setMinimumWidth(ColumnMinimum);
    SetBackgroundAndBase(column, WindowGrey);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}
