#include "tests/support/ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <optional>

namespace {

QString WidgetName(const QWidget &widget)
{
    const QString className = QString::fromLatin1(widget.metaObject()->className());
    return widget.objectName().isEmpty() ? className : className + u' ' + widget.objectName();
}

// An action's tool tip when none was set: its text without "..." and accelerators.
QString DefaultToolTip(QString text)
{
    text.remove(QStringLiteral("..."));
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'&')
            text.remove(i, 1);
    return text;
}

// The column header a table or tree shows, if it shows one.
const QHeaderView *ColumnHeader(const QWidget &widget)
{
    const QHeaderView *header = nullptr;
    if (const auto *table = qobject_cast<const QTableView *>(&widget))
        header = table->horizontalHeader();
    else if (const auto *tree = qobject_cast<const QTreeView *>(&widget))
        header = tree->header();
    return header && header->model() && !header->isHidden() ? header : nullptr;
}

// Where (the widget's class and object name, or the menu's path) and what it shows, for each
// text the catalogue translates.
class TWalk {
public:
    explicit TWalk(const TCatalogue &catalogue) : Catalogue(catalogue) {}

    const TCatalogue &Catalogue;
    QStringList Untranslated;

    void Add(const QString &text, const QString &where)
    {
        if (!text.trimmed().isEmpty() && Catalogue.Translated.contains(text))
            Untranslated << where + QStringLiteral(": ") + text;
    }

    void Actions(const QList<QAction *> &actions, const QString &where)
    {
        for (const QAction *action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QString path = where + QStringLiteral(" > ") + action->text();
            Add(action->text(), where);
            if (action->toolTip() != DefaultToolTip(action->text()))
                Add(action->toolTip(), path);
            if (const QMenu *menu = action->menu())
                Actions(menu->actions(), path);
        }
    }

    void Widget(QWidget &widget, const QString &where)
    {
        if (widget.isWindow())
            Add(widget.windowTitle(), where + QStringLiteral(" title"));
        Add(widget.toolTip(), where + QStringLiteral(" tool tip"));
        if (const auto *label = qobject_cast<QLabel *>(&widget))
            Add(label->text(), where);
        if (const auto *button = qobject_cast<QAbstractButton *>(&widget))
            Add(button->text(), where);
        if (const auto *group = qobject_cast<QGroupBox *>(&widget))
            Add(group->title(), where);
        if (const auto *edit = qobject_cast<QLineEdit *>(&widget))
            Add(edit->placeholderText(), where + QStringLiteral(" placeholder"));
        if (const auto *combo = qobject_cast<QComboBox *>(&widget))
            for (int i = 0; i < combo->count(); ++i)
                Add(combo->itemText(i), where);
        if (const auto *tabs = qobject_cast<QTabWidget *>(&widget))
            for (int i = 0; i < tabs->count(); ++i)
                Add(tabs->tabText(i), where);
        if (const QHeaderView *header = ColumnHeader(widget))
            for (int column = 0; column < header->count(); ++column)
                if (!header->isSectionHidden(column))
                    Add(header->model()->headerData(column, Qt::Horizontal).toString(), where + QStringLiteral(" header"));
        // The menu bar's menus, a tool button's menu and the context menu's actions.
        if (!qobject_cast<QMenu *>(&widget))
            Actions(widget.actions(), where);
    }
};

std::optional<QString> CutOff(const QWidget &widget)
{
    int needs = 0;
    int has = widget.width();
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        const bool picture = !label->pixmap().isNull() || label->movie();
        if (label->wordWrap() || picture || Qt::mightBeRichText(label->text()))
            return std::nullopt;
        text = label->buddy() ? QString(label->text()).remove(u'&') : label->text();
        for (const QString &line : text.split(u'\n'))
            needs = std::max(needs, label->fontMetrics().horizontalAdvance(line));
        has = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
    } else if (const auto *push = qobject_cast<const QPushButton *>(&widget)) {
        text = push->text();
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = text;
        option.icon = push->icon();
        option.iconSize = push->iconSize();
        needs = push->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
        if (!push->icon().isNull())
            needs += push->iconSize().width() + 4;
        has = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(&widget)) {
        text = button->text();
        needs = button->sizeHint().width();
    } else if (const auto *combo = qobject_cast<const QComboBox *>(&widget)) {
        text = combo->currentText();
        needs = combo->sizeHint().width();
    }
    if (text.trimmed().isEmpty() || needs <= has)
        return std::nullopt;
    return QStringLiteral("%1: %2 (needs %3 px, has %4)").arg(WidgetName(widget), text).arg(needs).arg(has);
}

QList<QWidget *> ShownWidgets(QWidget &window)
{
    if (!window.isVisible())
        window.show();
    QList<QWidget *> widgets{&window};
    for (QWidget *child : window.findChildren<QWidget *>())
        if (child->isVisibleTo(&window) && !child->isWindow())
            widgets << child;
    return widgets;
}

// The accelerator's letter, lower case: what follows the first single '&'.
std::optional<QChar> Accelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return std::nullopt;
}

void CollectRepeated(const QList<QAction *> &actions, const QString &where, QStringList &repeated)
{
    QMap<QChar, QStringList> byKey;
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (const std::optional<QChar> key = Accelerator(action->text()))
            byKey[*key] << action->text();
        if (const QMenu *menu = action->menu())
            CollectRepeated(menu->actions(), where + QStringLiteral(" > ") + action->text(), repeated);
    }
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            repeated << QStringLiteral("%1: &%2 in %3").arg(where, it.key(), it.value().join(QStringLiteral(", ")));
}

} // namespace

QStringList UntranslatedTexts(QWidget &window, const TCatalogue &catalogue)
{
    TWalk walk(catalogue);
    for (QWidget *widget : ShownWidgets(window))
        walk.Widget(*widget, WidgetName(*widget));
    return walk.Untranslated;
}

QStringList RepeatedAccelerators(QWidget &window)
{
    QStringList repeated;
    for (QWidget *widget : ShownWidgets(window))
        if (!qobject_cast<QMenu *>(widget))
            CollectRepeated(widget->actions(), WidgetName(*widget), repeated);
    return repeated;
}

QStringList CutOffTexts(QWidget &window)
{
    QStringList cut;
    for (QWidget *widget : ShownWidgets(window))
        if (const std::optional<QString> text = CutOff(*widget))
            cut << *text;
    return cut;
}
