#include "app/triext/ElidedTextToolTip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

ElidedTextToolTip::ElidedTextToolTip(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void ElidedTextToolTip::ShowIn(QAbstractItemView& view)
{
    view.setItemDelegate(new ElidedTextToolTip(&view));
}

bool ElidedTextToolTip::helpEvent(
    QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    // A row with a tooltip of its own keeps it.
    if (!event || !view || event->type() != QEvent::ToolTip || index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (!index.isValid() || !IsCut(option, index, *view)) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(), option.rect);
    return true;
}

bool ElidedTextToolTip::IsCut(
    const QStyleOptionViewItem& option, const QModelIndex& index, const QAbstractItemView& view) const
{
    const int shownWidth = option.rect.intersected(view.viewport()->rect()).width();
    return sizeHint(option, index).width() > shownWidth;
}
