#include "app/triext/TreeLineStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QTreeView>

namespace {

// Half the side of the square left free around an expand button.
constexpr int ButtonHalfSide = 5;

} // namespace

TreeLineStyle::TreeLineStyle() = default;

void TreeLineStyle::DrawLinesIn(QTreeView& tree)
{
    auto* style = new TreeLineStyle;
    style->setParent(&tree);
    tree.setStyle(style);
}

void TreeLineStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_IndicatorBranch && option && painter)
        DrawConnectingLines(*option, *painter);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TreeLineStyle::DrawConnectingLines(const QStyleOption& option, QPainter& painter)
{
    // One branch cell: a line comes down from the top when the node or a
    // later sibling hangs below, goes on to the bottom when a later sibling
    // follows, and turns right towards the node's own icon. An expand
    // button in the middle keeps the lines clear of itself.
    const QRect& cell = option.rect;
    const QPoint middle = cell.center();
    const bool hasItem = option.state & State_Item;
    const bool hasSibling = option.state & State_Sibling;
    const int gap = (option.state & State_Children) ? ButtonHalfSide : 0;
    const QBrush dots(option.palette.color(QPalette::Dark), Qt::Dense4Pattern);
    const bool rightToLeft = option.direction == Qt::RightToLeft;

    if (hasItem || hasSibling)
        painter.fillRect(middle.x(), cell.top(), 1, middle.y() - gap - cell.top(), dots);
    if (hasSibling)
        painter.fillRect(middle.x(), middle.y() + gap, 1, cell.bottom() - middle.y() - gap + 1, dots);
    if (hasItem) {
        if (rightToLeft)
            painter.fillRect(cell.left(), middle.y(), middle.x() - gap - cell.left(), 1, dots);
        else
            painter.fillRect(middle.x() + gap, middle.y(), cell.right() - middle.x() - gap + 1, 1, dots);
    }
}
