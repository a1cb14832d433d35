#include "ModelFakes.h"

#include "model/Person.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <cstdint>

TreeNodeHandle FakeTreeView::InsertNode(const char* label, int iconIndex, TreeItem* entity, TreeNodeHandle parent)
{
    nodes.push_back(Node { label, iconIndex, entity, parent });
    return HandleOf(nodes.size() - 1);
}

void FakeTreeView::SetNodeText(TreeNodeHandle node, const char* label)
{
    auto index = reinterpret_cast<std::uintptr_t>(node) - 1;
    nodes.at(index).label = label;
    ++renameCount;
}

TreeNodeHandle FakeTreeView::HandleOf(std::size_t index)
{
    return reinterpret_cast<TreeNodeHandle>(static_cast<std::uintptr_t>(index + 1));
}

const FakeTreeView::Node& FakeTreeView::NodeAt(TreeNodeHandle handle) const
{
    return nodes.at(reinterpret_cast<std::uintptr_t>(handle) - 1);
}

EditOutcome FakePropertyEditor::EditPerson(Person& person)
{
    return Answer(person, "person");
}

EditOutcome FakePropertyEditor::EditResource(Resource& resource)
{
    return Answer(resource, "resource");
}

EditOutcome FakePropertyEditor::EditTask(Task& task)
{
    return Answer(task, "task");
}

EditOutcome FakePropertyEditor::EditProfile(Profile& profile)
{
    return Answer(profile, "profile");
}

EditOutcome FakePropertyEditor::Answer(TreeItem& entity, const char* dialog)
{
    lastDialog = dialog;
    if (onEdit)
        onEdit(entity);
    return answer;
}
