#pragma once

class Document;
class EditHistory;
class MainView;
class ModelSnapshot;
class Person;
class PlanningModel;
class PropertyEditor;
class TreeItem;

// The commands that change the model from the main window: insert, delete,
// duplicate and properties. Each acts on the node selected in the tree view
// and decides for itself what to do with it; none has an enabling rule.
// With a history, every command that changed the model leaves one step in
// it, which Undo and Redo take back and take again.
class ModelCommands {
public:
    ModelCommands(PlanningModel& model, MainView& view, Document& document, PropertyEditor* editor);

    void SetPropertyEditor(PropertyEditor* newEditor) { editor = newEditor; }
    // Null records nothing.
    void SetHistory(EditHistory* newHistory) { history = newHistory; }

    void Delete();
    void DuplicateProfile();
    void Properties();
    void InsertPerson();
    void InsertResource();
    void InsertTask();
    void InsertProfile();
    void Undo();
    void Redo();

    // The entity's properties dialog; true when it ended with OK.
    bool EditProperties(TreeItem& entity);
    // The entity of the selected node, or null.
    TreeItem* GetSelectedEntity() const;
    // The person at the selected node or above it, or null.
    Person* FindSelectedPerson() const;

private:
    // Shows "Please select a person first." when there is none.
    Person* RequireSelectedPerson() const;
    // Shows the model a step restored, with the entity it touched selected.
    void ShowRestored(const ModelSnapshot* restored);

    PlanningModel& model;
    MainView& view;
    Document& document;
    PropertyEditor* editor;
    EditHistory* history = nullptr;
};
