#pragma once

#include "model/ModelTreeView.h"

#include <QList>
#include <QTreeWidget>

class ItemPath;
class PlanningModel;
class TreeItem;

// The tree of the whole model: "Persons" with each person's "Tasks" and
// "Profiles", then "Resources". It is rebuilt from the model whenever the
// model changes shape; each node may carry the entity it shows. A node's
// handle, as the model keeps it, is its QTreeWidgetItem, valid until the
// next rebuild.
class MainView : public QTreeWidget, public ModelTreeView {
    Q_OBJECT
public:
    explicit MainView(QWidget* parent = nullptr);

    // The model the tree shows; none shows an empty tree.
    void SetModel(PlanningModel* model);

    void RebuildTree();
    // Appends an expanded node under `parent` (the top level when null).
    TreeNodeHandle InsertNode(const char* label, int iconIndex, TreeItem* entity, TreeNodeHandle parent) override;
    void SetNodeText(TreeNodeHandle node, const char* label) override;

    static QTreeWidgetItem* ToNode(TreeNodeHandle handle) { return static_cast<QTreeWidgetItem*>(handle); }
    static TreeItem* GetEntity(const QTreeWidgetItem* node);
    // The entity of the current node; null when nothing is selected or the
    // node is a root or group node.
    TreeItem* GetSelectedEntity() const;

    // Makes the entity's node the current one and scrolls it into view.
    void SelectEntity(const TreeItem& entity);
    // Selects the entity at the path, or the nearest one above it, or else
    // the top folder the path starts in; nothing for the empty path.
    void SelectAt(const ItemPath& path);
    // The row of the node and of each of its ancestors, from the top level down.
    static QList<int> PathOf(const QTreeWidgetItem* node);
    // Makes the node at `path` current, or, when the tree has changed below
    // it, the nearest node left: the previous sibling, else the parent.
    void SelectNearest(const QList<int>& path);

signals:
    // A double-click asks for the properties of the selected entity.
    void PropertiesRequested();

public slots:
    void OnRefresh();

private:
    PlanningModel* model = nullptr;
};
