#pragma once

#include <QTreeWidget>

class TreeItem;

// The tree of the whole model: "Persons" with each person's "Tasks" and
// "Profiles", then "Resources". It is rebuilt from the model whenever the
// model changes shape; each node may carry the entity it shows.
class MainView : public QTreeWidget {
    Q_OBJECT
public:
    explicit MainView(QWidget* parent = nullptr);

    void RebuildTree();
    // Appends an expanded node under `parent` (the top level when null).
    QTreeWidgetItem* InsertNode(const QString& label, int iconIndex, TreeItem* entity, QTreeWidgetItem* parent);

    static TreeItem* GetEntity(const QTreeWidgetItem* node);
    // The entity of the current node; null when nothing is selected or the
    // node is a root or group node.
    TreeItem* GetSelectedEntity() const;

public slots:
    void OnRefresh();

private:
    void OnDoubleClick();
};
