#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"

#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/triext/ImageList.h"
#include "app/triext/NameText.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

const char* const sectionName = "MainFrame";

// The part of a prompt before the line break goes to the status bar, the
// part after it to the toolbar button's tooltip.
QString StatusPart(const QString& prompt)
{
    return prompt.section('\n', 0, 0);
}

QString TooltipPart(const QString& prompt)
{
    return prompt.section('\n', 1);
}

// What follows "Undo" or "Redo": " Delete Ben", or nothing without a step.
QString StepName(const char* label)
{
    return label ? ' ' + NameText::ToDisplay(label) : QString();
}

// A name shown in a menu entry keeps its ampersands as they are.
QString MenuEscaped(const QString& text)
{
    return QString(text).replace('&', "&&");
}

} // namespace

MainFrame::MainFrame(toolbox::ConfigSection& rootSection)
    : rootSection(rootSection)
    , idlePrompt("Ready")
{
    setWindowTitle("Ordovan - Compute your time plans");
    setWindowIcon(ImageList::GetApplicationIcon());
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);
    view = new MainView(this);
    setCentralWidget(view);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    RestorePlacement();
}

MainFrame::~MainFrame() = default;

QAction* MainFrame::GetAction(CommandId id) const
{
    auto found = commands.find(id);
    return found == commands.end() ? nullptr : found->second;
}

QAction* MainFrame::AddCommand(CommandId id, const QString& menuText, const QString& prompt)
{
    auto* action = new QAction(menuText, this);
    action->setStatusTip(StatusPart(prompt));
    action->setToolTip(TooltipPart(prompt));
    action->setData(static_cast<int>(id));
    commands[id] = action;
    // Every shortcut acts anywhere in the main window, as accelerators do.
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void MainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    QAction* options = AddCommand(CommandId::FileOptions, "O&ptions...\tF10", "Set up the application.\nSetup");
    options->setShortcut(Qt::Key_F10);
    options->setEnabled(false);
    file->addAction(options);
    file->addSeparator();
    QAction* exitAction = AddCommand(CommandId::AppExit, "E&xit\tAlt+X", "Quit the application.\nExit");
    exitAction->setShortcut(Qt::ALT | Qt::Key_X);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    file->addAction(exitAction);

    QMenu* edit = menuBar()->addMenu("&Edit");
    QAction* undo = AddCommand(CommandId::EditUndo, "U&ndo\tCtrl+Z", "Undo the last change.\nUndo");
    undo->setShortcut(Qt::CTRL | Qt::Key_Z);
    undo->setIcon(ImageList::GetUndoIcon());
    edit->addAction(undo);
    QAction* redo = AddCommand(CommandId::EditRedo, "&Redo\tCtrl+Y", "Redo the last change undone.\nRedo");
    redo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    redo->setIcon(ImageList::GetRedoIcon());
    edit->addAction(redo);
    ShowEditSteps(nullptr, nullptr);
    edit->addSeparator();
    QAction* duplicate = AddCommand(CommandId::EditDuplicateProfile, "D&uplicate profile\tCtrl+D",
        "Duplicate the selected profile.\nDuplicate profile");
    duplicate->setShortcut(Qt::CTRL | Qt::Key_D);
    edit->addAction(duplicate);
    edit->addSeparator();
    QAction* erase = AddCommand(CommandId::EditDelete, "&Delete\tDel", "Erase the selection.\nErase");
    erase->setShortcut(Qt::Key_Delete);
    erase->setIcon(ImageList::GetDeleteIcon());
    edit->addAction(erase);
    edit->addSeparator();
    QAction* properties = AddCommand(CommandId::EditProperties, "Pr&operties...\tEnter",
        "Open a dialog for the currently selected item.\nEdit properties");
    properties->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    edit->addAction(properties);

    QMenu* insert = menuBar()->addMenu("&Insert");
    insert->addAction(AddCommand(CommandId::InsertPerson, "&Person...", "Insert a new person.\nInsert person"));
    insert->addAction(AddCommand(CommandId::InsertResource, "&Resource...", "Insert a new resource.\nInsert resource"));
    insert->addSeparator();
    insert->addAction(AddCommand(CommandId::InsertTask, "&Task...", "Insert a new task.\nInsert task"));
    insert->addAction(AddCommand(CommandId::InsertProfile, "Pro&file...", "Insert a new profile.\nInsert profile"));
    GetAction(CommandId::InsertPerson)->setIcon(ImageList::GetIcon(ImageList::Person));
    GetAction(CommandId::InsertResource)->setIcon(ImageList::GetIcon(ImageList::Resource));
    GetAction(CommandId::InsertTask)->setIcon(ImageList::GetIcon(ImageList::Task));
    GetAction(CommandId::InsertProfile)->setIcon(ImageList::GetIcon(ImageList::Profile));

    QMenu* plan = menuBar()->addMenu("&Plan");
    QAction* compute = AddCommand(
        CommandId::PlanCompute, "&Compute...\tF8", "Compute a list of plans for a set of profiles.\nCompute plans");
    compute->setShortcut(Qt::Key_F8);
    compute->setIcon(ImageList::GetIcon(ImageList::Plan));
    plan->addAction(compute);
    QAction* findBest = AddCommand(CommandId::PlanFindBest, "Find &best plans...\tCtrl+F8",
        "Find the plans with the least total delay for a set of profiles, or why there is none.\nFind best plans");
    findBest->setShortcut(Qt::CTRL | Qt::Key_F8);
    findBest->setIcon(ImageList::GetBestPlansIcon());
    plan->addAction(findBest);

    // The bar toggles are created with the bars; the menu is filled later.
    viewMenu = menuBar()->addMenu("&View");

    QMenu* help = menuBar()->addMenu("&Help");
    QAction* helpAction = AddCommand(CommandId::Help, "&Help...\tF1", "Open the help of Ordovan.\nHelp");
    helpAction->setShortcut(Qt::Key_F1);
    help->addAction(helpAction);
    help->addAction(AddCommand(CommandId::TermsAndConditions, "&Terms and Conditions",
        "Open the Terms and Conditions.\nTerms and Conditions"));
    help->addAction(AddCommand(CommandId::WebSite, "&Web Site of Ordovan", "Open the web site of Ordovan.\nWeb Site"));
    help->addSeparator();
    QAction* about
        = AddCommand(CommandId::AppAbout, "&About Ordovan...\tShift-F1", "Display program information.\nAbout");
    about->setShortcut(Qt::SHIFT | Qt::Key_F1);
    about->setIcon(ImageList::GetAboutIcon());
    help->addAction(about);
}

void MainFrame::CreateToolBar()
{
    toolBar = new QToolBar("Tools", this);
    toolBar->setObjectName("Tools");
    toolBar->setIconSize(QSize(ImageList::IconSize, ImageList::IconSize));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->addAction(GetAction(CommandId::InsertPerson));
    toolBar->addAction(GetAction(CommandId::InsertResource));
    toolBar->addSeparator();
    toolBar->addAction(GetAction(CommandId::InsertTask));
    toolBar->addAction(GetAction(CommandId::InsertProfile));
    toolBar->addSeparator();
    toolBar->addAction(GetAction(CommandId::EditDelete));
    toolBar->addSeparator();
    toolBar->addAction(GetAction(CommandId::PlanCompute));
    toolBar->addAction(GetAction(CommandId::PlanFindBest));
    toolBar->addSeparator();
    toolBar->addAction(GetAction(CommandId::AppAbout));
    toolBar->addSeparator();
    toolBar->addAction(GetAction(CommandId::EditUndo));
    toolBar->addAction(GetAction(CommandId::EditRedo));
    addToolBar(Qt::TopToolBarArea, toolBar);

    QAction* toggle = toolBar->toggleViewAction();
    toggle->setText("&Toolbar");
    toggle->setStatusTip("Show or hide the toolbar.");
    toggle->setToolTip("Toggle tool bar");
    commands[CommandId::ViewToolbar] = toggle;
    viewMenu->addAction(toggle);
}

void MainFrame::CreateStatusBar()
{
    statusBar()->setSizeGripEnabled(true);
    statusBar()->showMessage(idlePrompt);

    QAction* toggle
        = AddCommand(CommandId::ViewStatusBar, "&Status bar", "Show or hide the status bar.\nToggle status bar");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    viewMenu->addAction(toggle);
    viewMenu->addSeparator();
    QAction* refresh = AddCommand(CommandId::ViewRefresh, "&Refresh\tF5", "Refresh the view.\nRefresh");
    refresh->setShortcut(Qt::Key_F5);
    connect(refresh, &QAction::triggered, view, &MainView::OnRefresh);
    viewMenu->addAction(refresh);
}

void MainFrame::ShowEditSteps(const char* undoLabel, const char* redoLabel)
{
    QAction* undo = GetAction(CommandId::EditUndo);
    undo->setText("U&ndo" + MenuEscaped(StepName(undoLabel)) + "\tCtrl+Z");
    undo->setToolTip("Undo" + StepName(undoLabel));
    undo->setEnabled(undoLabel != nullptr);
    QAction* redo = GetAction(CommandId::EditRedo);
    redo->setText("&Redo" + MenuEscaped(StepName(redoLabel)) + "\tCtrl+Y");
    redo->setToolTip("Redo" + StepName(redoLabel));
    redo->setEnabled(redoLabel != nullptr);
}

bool MainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        auto* tip = static_cast<QStatusTipEvent*>(event);
        statusBar()->showMessage(tip->tip().isEmpty() ? idlePrompt : tip->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainFrame::RestorePlacement()
{
    toolbox::ConfigSection& frame = rootSection.GetSection(sectionName);
    QRect stored(
        frame.GetLong("XPos", 50), frame.GetLong("YPos", 50), frame.GetLong("XSize", 500), frame.GetLong("YSize", 300));
    bool visible = false;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(stored))
            visible = true;
    }
    if (!visible && QGuiApplication::primaryScreen()) {
        // A window that lies on no screen could never be reached.
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        stored.setSize(stored.size().boundedTo(area.size()));
        stored.moveTopLeft(area.topLeft());
    }
    resize(stored.size());
    move(stored.topLeft());
}

void MainFrame::SavePlacement()
{
    toolbox::ConfigSection& frame = rootSection.GetSection(sectionName);
    if (isMaximized()) {
        frame.GetParameter("Maximized").SetBool(true);
        return;
    }
    if (isMinimized())
        return;
    frame.GetParameter("XPos").SetLong(x());
    frame.GetParameter("YPos").SetLong(y());
    frame.GetParameter("XSize").SetLong(width());
    frame.GetParameter("YSize").SetLong(height());
    frame.GetParameter("Maximized").SetBool(false);
}

void MainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    SavePlacement();
}

void MainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    SavePlacement();
}

void MainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        SavePlacement();
}
