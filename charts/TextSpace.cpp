#include "charts/TextSpace.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int LineEditSideMargin = 2; // what a line edit keeps free beside its text

} // namespace

TTextFits FitsInside(const QWidget &widget)
{
    int width = widget.contentsRect().width();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        width -= 2 * label->margin() + std::max(label->indent(), 0);
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
        const QMargins margins = edit->textMargins();
        width -= margins.left() + margins.right() + 2 * LineEditSideMargin;
    }
    return FitsWidth(widget.fontMetrics(), width);
}
