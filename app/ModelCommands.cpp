#include "model/EditHistory.h"
#include "model/ModelSnapshot.h"
#include "model/PendingStep.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "model/TreeItem.h"
#include "toolbox/String.h"

#include "app/Document.h"
#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/triext/MessageBox.h"

#include <QApplication>

#include <memory>

namespace {

// The window the user works in owns the message boxes.
QWidget* OwnerOf(MainView& view)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return view.window();
}

// The name of a step in the Edit menu, such as "Delete Ben".
toolbox::String StepLabel(const char* action, const TreeItem& entity)
{
    toolbox::String label(action);
    label.Append(entity.GetName());
    return label;
}

} // namespace

ModelCommands::ModelCommands(PlanningModel& model, MainView& view, Document& document, PropertyEditor* editor)
    : model(model)
    , view(view)
    , document(document)
    , editor(editor)
{
}

TreeItem* ModelCommands::GetSelectedEntity() const
{
    return view.GetSelectedEntity();
}

Person* ModelCommands::FindSelectedPerson() const
{
    for (QTreeWidgetItem* node = view.currentItem(); node; node = node->parent()) {
        TreeItem* entity = MainView::GetEntity(node);
        if (entity && entity->GetKind() == TreeItemKind::Person)
            return static_cast<Person*>(entity);
    }
    return nullptr;
}

Person* ModelCommands::RequireSelectedPerson() const
{
    Person* person = FindSelectedPerson();
    if (!person)
        MessageBox::Show(OwnerOf(view), "Please select a person first.", MessageBox::Icon::Stop);
    return person;
}

bool ModelCommands::EditProperties(TreeItem& entity)
{
    if (!editor)
        return false;
    return entity.EditProperties(model, *editor, view);
}

void ModelCommands::Delete()
{
    TreeItem* entity = GetSelectedEntity();
    if (!entity)
        return;
    MessageBox::Answer answer = MessageBox::Show(OwnerOf(view),
        "Sure to delete the currently selected item?\nThis operation cannot be undone.", MessageBox::Icon::Warning,
        MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes)
        return;
    const QList<int> place = MainView::PathOf(view.currentItem());
    PendingStep step(history, model, StepLabel("Delete ", *entity).GetText(), entity);
    entity->Delete(model);
    document.UpdateAllViews();
    view.SelectNearest(place);
    step.Finish(view.GetSelectedEntity());
}

void ModelCommands::DuplicateProfile()
{
    TreeItem* entity = GetSelectedEntity();
    if (!entity || entity->GetKind() != TreeItemKind::Profile)
        return;
    auto* profile = static_cast<Profile*>(entity);
    PendingStep step(history, model, StepLabel("Duplicate ", *profile).GetText(), profile);
    // The copy keeps the name and stays last until its person's profiles are sorted again.
    Profile& copy = profile->GetOwner()->AddProfile(profile->Duplicate());
    document.UpdateAllViews();
    view.SelectEntity(copy);
    step.Finish(&copy);
}

void ModelCommands::Properties()
{
    TreeItem* entity = GetSelectedEntity();
    if (!entity)
        return;
    PendingStep step(history, model, StepLabel("Properties of ", *entity).GetText(), entity);
    EditProperties(*entity);
    step.Finish(entity);
}

void ModelCommands::InsertPerson()
{
    auto person = std::make_unique<Person>();
    PendingStep step(history, model, "Insert Person", person.get());
    if (!EditProperties(*person))
        return;
    Person& added = model.InsertPerson(std::move(person));
    document.UpdateAllViews();
    view.SelectEntity(added);
    step.Finish(&added);
}

void ModelCommands::InsertResource()
{
    auto resource = std::make_unique<Resource>();
    PendingStep step(history, model, "Insert Resource", resource.get());
    if (!EditProperties(*resource))
        return;
    Resource& added = model.InsertResource(std::move(resource));
    document.UpdateAllViews();
    view.SelectEntity(added);
    step.Finish(&added);
}

void ModelCommands::InsertTask()
{
    Person* person = RequireSelectedPerson();
    if (!person)
        return;
    auto task = std::make_unique<Task>(person);
    PendingStep step(history, model, "Insert Task", task.get());
    if (!EditProperties(*task))
        return;
    Task& added = person->InsertTask(std::move(task));
    document.UpdateAllViews();
    view.SelectEntity(added);
    step.Finish(&added);
}

void ModelCommands::InsertProfile()
{
    Person* person = RequireSelectedPerson();
    if (!person)
        return;
    auto profile = std::make_unique<Profile>(person);
    PendingStep step(history, model, "Insert Profile", profile.get());
    if (!EditProperties(*profile))
        return;
    Profile& added = person->InsertProfile(std::move(profile));
    document.UpdateAllViews();
    view.SelectEntity(added);
    step.Finish(&added);
}

void ModelCommands::Undo()
{
    if (history)
        ShowRestored(history->Undo(model));
}

void ModelCommands::Redo()
{
    if (history)
        ShowRestored(history->Redo(model));
}

void ModelCommands::ShowRestored(const ModelSnapshot* restored)
{
    if (!restored)
        return;
    // The tree still points at the entities the restore destroyed.
    document.UpdateAllViews();
    view.SelectAt(restored->GetFocus());
}
