#include "dialogs/EntityList.h"

#include "app/triext/ElidedTextToolTip.h"
#include "app/triext/ImageList.h"

#include <QHeaderView>
#include <QPalette>

namespace {

constexpr int EntityRole = Qt::UserRole;

TreeItem* EntityOf(const QTreeWidgetItem* row)
{
    return row ? reinterpret_cast<TreeItem*>(row->data(0, EntityRole).value<quintptr>()) : nullptr;
}

} // namespace

EntityList::EntityList(const QString& columnTitle, int columnWidth, QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderLabels({ columnTitle });
    setHeaderHidden(true);
    setColumnWidth(0, columnWidth);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(ImageList::IconSize, ImageList::IconSize));
    setFocusPolicy(Qt::StrongFocus);
    ElidedTextToolTip::ShowIn(*this);

    // The rows chosen for the next button press stay visible while the
    // button has the focus.
    QPalette shown = palette();
    shown.setColor(QPalette::Inactive, QPalette::Highlight, shown.color(QPalette::Active, QPalette::Highlight));
    shown.setColor(
        QPalette::Inactive, QPalette::HighlightedText, shown.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(shown);

    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit RowDoubleClicked(); });
}

void EntityList::Clear()
{
    clear();
}

void EntityList::AddRow(TreeItem* entity, const QString& text, int iconIndex)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, text);
    row->setIcon(0, ImageList::GetIcon(iconIndex));
    row->setData(0, EntityRole, QVariant::fromValue(reinterpret_cast<quintptr>(entity)));
    int position = topLevelItemCount();
    while (position > 0 && IsTextBefore(text, topLevelItem(position - 1)->text(0)))
        --position;
    insertTopLevelItem(position, row);
}

int EntityList::GetRowCount() const
{
    return topLevelItemCount();
}

TreeItem* EntityList::GetEntityAt(int row) const
{
    return EntityOf(topLevelItem(row));
}

QString EntityList::GetTextAt(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(0) : QString();
}

int EntityList::FindRow(const TreeItem* entity) const
{
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (EntityOf(topLevelItem(row)) == entity)
            return row;
    }
    return -1;
}

bool EntityList::HasSelection() const
{
    return GetFirstSelectedEntity() != nullptr;
}

QList<TreeItem*> EntityList::GetSelectedEntities() const
{
    QList<TreeItem*> selected;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected())
            selected.append(EntityOf(item));
    }
    return selected;
}

TreeItem* EntityList::GetFirstSelectedEntity() const
{
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected())
            return EntityOf(item);
    }
    return nullptr;
}

bool EntityList::SelectEntity(const TreeItem* entity)
{
    const int row = FindRow(entity);
    if (row < 0)
        return false;
    topLevelItem(row)->setSelected(true);
    return true;
}

bool EntityList::IsTextBefore(const QString& left, const QString& right)
{
    const int folded = QString::compare(left, right, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(left, right, Qt::CaseSensitive) < 0;
}
