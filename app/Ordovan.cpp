#include "dialogs/ComputePlansCommand.h"
#include "dialogs/DialogPropertyEditor.h"
#include "dialogs/FindBestPlansCommand.h"
#include "model/EditHistory.h"
#include "model/ModelStore.h"
#include "model/PlanningModel.h"
#include "model/PropertyEditor.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/Path.h"

#include "app/AboutDialog.h"
#include "app/DesktopOpener.h"
#include "app/Document.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include <QAction>
#include <QDir>
#include <QUrl>

namespace {

const char* const webSiteAddress = "https://ordovan.quillfeather.example/";
// The installed menu entry's name without ".desktop"; Wayland compositors
// match windows to their entry and icon by it.
const char* const desktopEntryId = "io.github.quillfeather.Ordovan";

QString ToText(const toolbox::Path& path)
{
    return QString::fromLocal8Bit(path.ToString().get());
}

} // namespace

Ordovan::Ordovan(int& argc, char** argv, const char* programFile)
    : TriExtApp(argc, argv, programFile)
    , model(std::make_unique<PlanningModel>())
    , history(std::make_unique<EditHistory>())
    , propertyEditor(std::make_unique<DialogPropertyEditor>(*model))
{
    setDesktopFileName(desktopEntryId);
    ModelStore::Load(*model, GetConfig());
}

Ordovan::~Ordovan()
{
    // The windows show the model, so they go first.
    history->SetChangeHandler(nullptr);
    commands.reset();
    mainFrame.reset();
    document.reset();
    ModelStore::Save(*model, GetConfig());
    model.reset();
}

Ordovan* Ordovan::GetInstance()
{
    return qobject_cast<Ordovan*>(QCoreApplication::instance());
}

toolbox::ArrayList<Person>& Ordovan::GetPersons()
{
    return model->GetPersons();
}

toolbox::ArrayList<Resource>& Ordovan::GetResources()
{
    return model->GetResources();
}

PlanningModel& Ordovan::GetModel()
{
    return *model;
}

EditHistory& Ordovan::GetHistory()
{
    return *history;
}

MainFrame* Ordovan::GetMainFrame() const
{
    return mainFrame.get();
}

MainView* Ordovan::GetMainView() const
{
    return mainFrame ? mainFrame->GetView() : nullptr;
}

Document* Ordovan::GetDocument() const
{
    return document.get();
}

QWidget* Ordovan::GetActiveOwner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return mainFrame.get();
}

bool Ordovan::InitInstance()
{
    if (IsAnotherInstanceRunning()) {
        ReportAnotherInstance();
        return false;
    }
    bool maximized = GetConfig().GetSection("MainFrame").GetBool("Maximized", false);
    if (!ProcessCommandLine())
        return false;
    document = std::make_unique<Document>();
    mainFrame = std::make_unique<MainFrame>(GetConfig());
    mainFrame->GetView()->SetModel(model.get());
    document->AddView(mainFrame->GetView());
    commands = std::make_unique<ModelCommands>(*model, *mainFrame->GetView(), *document, propertyEditor.get());
    commands->SetHistory(history.get());
    history->SetChangeHandler([this] { OnModelEdited(); });
    ConnectCommands();
    connect(mainFrame->GetView(), &MainView::PropertiesRequested, this, &Ordovan::OnEditProperties);
    document->UpdateAllViews();
    if (maximized)
        mainFrame->showMaximized();
    else
        mainFrame->showNormal();
    mainFrame->raise();
    mainFrame->activateWindow();
    if (IsFirstRun())
        OnAppAbout();
    return !quitRequested;
}

bool Ordovan::ProcessCommandLine()
{
    // The program opens no documents: a file named on the command line
    // cannot be opened, and the program ends. The word after "/log" belongs
    // to the logger.
    QStringList words = arguments();
    for (int i = 1; i < words.size(); ++i) {
        if (words[i] == "/log") {
            ++i;
            continue;
        }
        if (words[i].startsWith('/') || words[i].startsWith('-'))
            continue;
        MessageBox::Show(nullptr, QString("Failed to open document \"%1\".").arg(words[i]), MessageBox::Icon::Stop);
        return false;
    }
    return true;
}

void Ordovan::ConnectCommands()
{
    auto connectCommand = [this](CommandId id, void (Ordovan::*handler)()) {
        connect(mainFrame->GetAction(id), &QAction::triggered, this, handler);
    };
    connectCommand(CommandId::AppAbout, &Ordovan::OnAppAbout);
    connectCommand(CommandId::Help, &Ordovan::OnHelp);
    connectCommand(CommandId::TermsAndConditions, &Ordovan::OnTermsAndConditions);
    connectCommand(CommandId::WebSite, &Ordovan::OnWebSite);
    connectCommand(CommandId::EditUndo, &Ordovan::OnEditUndo);
    connectCommand(CommandId::EditRedo, &Ordovan::OnEditRedo);
    connectCommand(CommandId::EditDelete, &Ordovan::OnEditDelete);
    connectCommand(CommandId::EditDuplicateProfile, &Ordovan::OnEditDuplicateProfile);
    connectCommand(CommandId::EditProperties, &Ordovan::OnEditProperties);
    connectCommand(CommandId::InsertPerson, &Ordovan::OnInsertPerson);
    connectCommand(CommandId::InsertResource, &Ordovan::OnInsertResource);
    connectCommand(CommandId::InsertTask, &Ordovan::OnInsertTask);
    connectCommand(CommandId::InsertProfile, &Ordovan::OnInsertProfile);
    connectCommand(CommandId::PlanCompute, &Ordovan::OnPlanCompute);
    connectCommand(CommandId::PlanFindBest, &Ordovan::OnPlanFindBest);
}

void Ordovan::QuitRegularly()
{
    quitRequested = true;
    if (mainFrame)
        mainFrame->close();
    // Also ends the loop of a modal dialog that may be open.
    exit(0);
}

void Ordovan::OnAppAbout()
{
    AboutDialog about(GetActiveOwner());
    ModalRunner::Run(about);
}

void Ordovan::OnHelp()
{
    std::unique_ptr<toolbox::Path> folder = GetProgramFolderPath();
    folder->Append("docs");
    folder->Append("help");
    OpenDocument(QUrl::fromLocalFile(QDir(ToText(*folder)).filePath("index.html")));
}

void Ordovan::OnTermsAndConditions()
{
    std::unique_ptr<toolbox::Path> folder = GetProgramFolderPath();
    folder->Append("docs");
    OpenDocument(QUrl::fromLocalFile(QDir(ToText(*folder)).filePath("Readme.txt")));
}

void Ordovan::OnWebSite()
{
    OpenDocument(QUrl(webSiteAddress));
}

void Ordovan::OpenDocument(const QUrl& url)
{
    // The name goes on a line of its own, so that a long path is not broken up.
    const bool isFile = url.isLocalFile();
    const QString name = isFile ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    switch (DesktopOpener::Open(url)) {
    case DesktopOpener::Outcome::Opened:
        return;
    case DesktopOpener::Outcome::FileMissing:
        MessageBox::Show(
            GetActiveOwner(), QString("The file\n%1\ncannot be found.").arg(name), MessageBox::Icon::Warning);
        return;
    case DesktopOpener::Outcome::NoProgram:
        MessageBox::Show(GetActiveOwner(),
            QString("No program was found to open the %1\n%2").arg(isFile ? "file" : "web site", name),
            MessageBox::Icon::Warning);
        return;
    }
}

bool Ordovan::EditProperties(TreeItem& entity)
{
    return commands && commands->EditProperties(entity);
}

void Ordovan::SetPropertyEditor(std::unique_ptr<PropertyEditor> editor)
{
    propertyEditor = std::move(editor);
    if (commands)
        commands->SetPropertyEditor(propertyEditor.get());
}

ModelCommands* Ordovan::GetCommands() const
{
    return commands.get();
}

void Ordovan::OnModelEdited()
{
    if (mainFrame)
        mainFrame->ShowEditSteps(history->GetUndoLabel(), history->GetRedoLabel());
    // The store holds the model only from here until the next change; the
    // exit writes it again from the model.
    ModelStore::Save(*model, GetConfig());
    SaveRecovery();
}

void Ordovan::OnEditUndo()
{
    if (commands)
        commands->Undo();
}

void Ordovan::OnEditRedo()
{
    if (commands)
        commands->Redo();
}

void Ordovan::OnEditDelete()
{
    if (commands)
        commands->Delete();
}

void Ordovan::OnEditDuplicateProfile()
{
    if (commands)
        commands->DuplicateProfile();
}

void Ordovan::OnEditProperties()
{
    if (commands)
        commands->Properties();
}

void Ordovan::OnInsertPerson()
{
    if (commands)
        commands->InsertPerson();
}

void Ordovan::OnInsertResource()
{
    if (commands)
        commands->InsertResource();
}

void Ordovan::OnInsertTask()
{
    if (commands)
        commands->InsertTask();
}

void Ordovan::OnInsertProfile()
{
    if (commands)
        commands->InsertProfile();
}

void Ordovan::OnPlanCompute()
{
    ComputePlansCommand(GetActiveOwner(), GetModel());
}

void Ordovan::OnPlanFindBest()
{
    FindBestPlansCommand(GetActiveOwner(), GetModel());
}
