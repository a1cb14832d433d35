#pragma once

#include "model/ModelTreeView.h"
#include "model/PropertyEditor.h"

#include <functional>
#include <string>
#include <vector>

// Records every node the model inserts; handles are 1, 2, 3... in order.
class FakeTreeView : public ModelTreeView {
public:
    struct Node {
        std::string label;
        int iconIndex;
        TreeItem* entity;
        TreeNodeHandle parent;
    };

    TreeNodeHandle InsertNode(const char* label, int iconIndex, TreeItem* entity, TreeNodeHandle parent) override;
    void SetNodeText(TreeNodeHandle node, const char* label) override;

    static TreeNodeHandle HandleOf(std::size_t index);
    const Node& NodeAt(TreeNodeHandle handle) const;

    std::vector<Node> nodes;
    int renameCount = 0;
};

// Answers every dialog with the preset outcome after letting `onEdit`
// play the user's changes on the entity.
class FakePropertyEditor : public PropertyEditor {
public:
    explicit FakePropertyEditor(EditOutcome answer)
        : answer(answer)
    {
    }

    EditOutcome EditPerson(Person& person) override;
    EditOutcome EditResource(Resource& resource) override;
    EditOutcome EditTask(Task& task) override;
    EditOutcome EditProfile(Profile& profile) override;

    std::function<void(TreeItem&)> onEdit;
    std::string lastDialog;

private:
    EditOutcome Answer(TreeItem& entity, const char* dialog);

    EditOutcome answer;
};
