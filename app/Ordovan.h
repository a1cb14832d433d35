#pragma once

#include "app/triext/TriExtApp.h"

#include <memory>

namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class Document;
class EditHistory;
class MainFrame;
class MainView;
class ModelCommands;
class PlanningModel;
class PropertyEditor;
class QUrl;
class Person;
class Resource;
class TreeItem;

// The application class: owns the model (the persons and the resources),
// builds it from the configuration store when constructed and writes it back
// when destroyed, creates the main window in InitInstance and carries the
// commands of the application. It is the one global object of the program,
// reached through GetInstance().
class Ordovan : public mfctriext::TriExtApp {
    Q_OBJECT
public:
    Ordovan(int& argc, char** argv, const char* programFile = nullptr);
    ~Ordovan() override;

    // The global application pointer; null when the running application is
    // not an Ordovan (in tests of single dialogs).
    static Ordovan* GetInstance();
    static const char* GetProductName() { return "Ordovan"; }

    toolbox::ArrayList<Person>& GetPersons();
    toolbox::ArrayList<Resource>& GetResources();
    PlanningModel& GetModel();
    // The steps of this run that Undo and Redo walk.
    EditHistory& GetHistory();

    // Creates the document, the main window and the tree view, shows the
    // window and, on the first start, the About box. False ends the program;
    // so does another run that holds the data file, after saying so.
    bool InitInstance();

    MainFrame* GetMainFrame() const;
    MainView* GetMainView() const;
    Document* GetDocument() const;

    // The window the user works in: the active modal dialog or the main window.
    QWidget* GetActiveOwner() const;

    // The properties dialog of an entity, as Edit / Properties opens it.
    bool EditProperties(TreeItem& entity);
    // Tests answer the properties dialogs through an editor of their own.
    void SetPropertyEditor(std::unique_ptr<PropertyEditor> editor);

    // The model commands of the main window; null before InitInstance.
    ModelCommands* GetCommands() const;

    // Ends the program through the same path as File / Exit, also from
    // within a modal dialog; for the termination signals.
    void QuitRegularly();

public slots:
    void OnAppAbout();
    void OnHelp();
    void OnTermsAndConditions();
    void OnWebSite();
    void OnEditUndo();
    void OnEditRedo();
    void OnEditDelete();
    void OnEditDuplicateProfile();
    void OnEditProperties();
    void OnInsertPerson();
    void OnInsertResource();
    void OnInsertTask();
    void OnInsertProfile();
    void OnPlanCompute();
    void OnPlanFindBest();

private:
    bool ProcessCommandLine();
    // Hands a help document or the web site to the desktop, and says so
    // when the file is missing or no program takes it.
    void OpenDocument(const QUrl& url);
    void ConnectCommands();
    // After every step, undo and redo: the Edit menu names the next steps,
    // and the recovery file gets the model as it is now.
    void OnModelEdited();

    bool quitRequested = false;
    std::unique_ptr<PlanningModel> model;
    std::unique_ptr<EditHistory> history;
    std::unique_ptr<PropertyEditor> propertyEditor;
    std::unique_ptr<Document> document;
    std::unique_ptr<MainFrame> mainFrame;
    std::unique_ptr<ModelCommands> commands;
};
