#pragma once

#include <QList>
#include <QTreeWidget>

class TreeItem;

// A one-column list of model entities as the property dialogs show them: no
// header, rows kept in ascending order of their text, several rows
// selectable, the selection shown even without focus, and each row carrying
// its entity. The list only refers to the entities; it never owns them.
class EntityList : public QTreeWidget {
    Q_OBJECT
public:
    EntityList(const QString& columnTitle, int columnWidth, QWidget* parent = nullptr);

    void Clear();
    // Inserts the row at its place in the text order, after rows of equal text.
    void AddRow(TreeItem* entity, const QString& text, int iconIndex);

    int GetRowCount() const;
    TreeItem* GetEntityAt(int row) const;
    QString GetTextAt(int row) const;
    int FindRow(const TreeItem* entity) const;

    bool HasSelection() const;
    // Selected entities from the top row down.
    QList<TreeItem*> GetSelectedEntities() const;
    TreeItem* GetFirstSelectedEntity() const;
    // Adds the entity's row to the selection; false when it has no row.
    bool SelectEntity(const TreeItem* entity);

    // The order of the rows: case-insensitive first, so that "apple" and
    // "Banana" read as in a dictionary, then exact for a stable tie-break.
    static bool IsTextBefore(const QString& left, const QString& right);

signals:
    void RowDoubleClicked();
};
