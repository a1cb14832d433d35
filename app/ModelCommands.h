#pragma once

class Document;
class MainView;
class Person;
class PlanningModel;
class PropertyEditor;
class TreeItem;

// The commands that change the model from the main window: insert, delete,
// duplicate and properties. Each acts on the node selected in the tree view
// and decides for itself what to do with it; none has an enabling rule.
class ModelCommands {
public:
    ModelCommands(PlanningModel& model, MainView& view, Document& document, PropertyEditor* editor);

    void SetPropertyEditor(PropertyEditor* newEditor) { editor = newEditor; }

    void Delete();
    void DuplicateProfile();
    void Properties();
    void InsertPerson();
    void InsertResource();
    void InsertTask();
    void InsertProfile();

    // The entity's properties dialog; true when it ended with OK.
    bool EditProperties(TreeItem& entity);
    // The entity of the selected node, or null.
    TreeItem* GetSelectedEntity() const;
    // The person at the selected node or above it, or null.
    Person* FindSelectedPerson() const;

private:
    // Shows "Please select a person first." when there is none.
    Person* RequireSelectedPerson() const;

    PlanningModel& model;
    MainView& view;
    Document& document;
    PropertyEditor* editor;
};
