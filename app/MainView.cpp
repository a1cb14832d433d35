#include "model/ItemPath.h"
#include "model/PlanningModel.h"
#include "model/TreeItem.h"

#include "app/MainView.h"
#include "app/triext/ElidedTextToolTip.h"
#include "app/triext/ImageList.h"
#include "app/triext/NameText.h"
#include "app/triext/TreeLineStyle.h"

#include <algorithm>

namespace {

const int entityRole = Qt::UserRole;

} // namespace

MainView::MainView(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(ImageList::IconSize, ImageList::IconSize));
    setFrameShape(QFrame::StyledPanel);
    TreeLineStyle::DrawLinesIn(*this);
    ElidedTextToolTip::ShowIn(*this);
    // The double-click opens the properties and leaves the node as it was.
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &MainView::PropertiesRequested);
}

void MainView::SetModel(PlanningModel* newModel)
{
    model = newModel;
}

void MainView::RebuildTree()
{
    clear();
    if (model)
        model->InsertIntoTree(*this);
}

TreeNodeHandle MainView::InsertNode(const char* label, int iconIndex, TreeItem* entity, TreeNodeHandle parent)
{
    QTreeWidgetItem* parentNode = ToNode(parent);
    auto* node = parentNode ? new QTreeWidgetItem(parentNode) : new QTreeWidgetItem(this);
    node->setText(0, NameText::ToDisplay(label));
    node->setIcon(0, ImageList::GetIcon(iconIndex));
    node->setData(0, entityRole, QVariant::fromValue(static_cast<void*>(entity)));
    node->setExpanded(true);
    return node;
}

void MainView::SetNodeText(TreeNodeHandle node, const char* label)
{
    if (QTreeWidgetItem* shown = ToNode(node))
        shown->setText(0, NameText::ToDisplay(label));
}

TreeItem* MainView::GetEntity(const QTreeWidgetItem* node)
{
    if (!node)
        return nullptr;
    return static_cast<TreeItem*>(node->data(0, entityRole).value<void*>());
}

TreeItem* MainView::GetSelectedEntity() const
{
    return GetEntity(currentItem());
}

void MainView::SelectEntity(const TreeItem& entity)
{
    if (QTreeWidgetItem* node = ToNode(entity.GetTreeNode())) {
        setCurrentItem(node);
        scrollToItem(node);
    }
}

QList<int> MainView::PathOf(const QTreeWidgetItem* node)
{
    QList<int> path;
    for (auto* item = const_cast<QTreeWidgetItem*>(node); item; item = item->parent()) {
        const QTreeWidgetItem* parent = item->parent();
        path.prepend(parent ? parent->indexOfChild(item) : item->treeWidget()->indexOfTopLevelItem(item));
    }
    return path;
}

void MainView::SelectNearest(const QList<int>& path)
{
    QTreeWidgetItem* nearest = nullptr;
    for (int row : path) {
        const int count = nearest ? nearest->childCount() : topLevelItemCount();
        if (count == 0)
            break;
        const int kept = std::min(row, count - 1);
        nearest = nearest ? nearest->child(kept) : topLevelItem(kept);
    }
    if (nearest) {
        setCurrentItem(nearest);
        scrollToItem(nearest);
    }
}

void MainView::SelectAt(const ItemPath& path)
{
    if (!model || path.IsEmpty())
        return;
    if (TreeItem* entity = path.FindNearest(*model)) {
        SelectEntity(*entity);
    } else if (QTreeWidgetItem* folder = topLevelItem(path.GetTopKind() == TreeItemKind::Resource ? 1 : 0)) {
        setCurrentItem(folder);
        scrollToItem(folder);
    }
}

void MainView::OnRefresh()
{
    RebuildTree();
}
