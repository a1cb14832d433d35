#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Shows a row's whole text as its tooltip when the view had to cut it short
// with "…"; a row shown in full has no tooltip, and a row with a tooltip of
// its own shows that one.
class ElidedTextToolTip : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ElidedTextToolTip(QObject* parent = nullptr);

    // Gives `view` a delegate of this kind, which lives as long as the view.
    static void ShowIn(QAbstractItemView& view);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // Whether the row at `index`, laid out in `option`, does not fit the part
    // of the view that shows it.
    bool IsCut(const QStyleOptionViewItem& option, const QModelIndex& index, const QAbstractItemView& view) const;
};
