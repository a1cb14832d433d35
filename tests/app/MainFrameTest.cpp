#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"

#include "app/MainFrame.h"
#include "app/MainView.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    toolbox::ConfigSection& Placement() { return root.GetSection("MainFrame"); }
    std::int32_t Stored(const char* name) { return Placement().GetParameter(name).AsLong(); }
    bool IsStored(const char* name) { return Placement().GetParameter(name).GetType() != toolbox::ParameterType::None; }
    void Store(int x, int y, int width, int height)
    {
        Placement().GetParameter("XPos").SetLong(x);
        Placement().GetParameter("YPos").SetLong(y);
        Placement().GetParameter("XSize").SetLong(width);
        Placement().GetParameter("YSize").SetLong(height);
    }

    toolbox::ConfigSection root { "Root" };
};

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("-") : action->text());
    return texts;
}

} // namespace

TEST_F(MainFrameTest, OpensAtFiftyFiftyWithFiveHundredByThreeHundredOnTheFirstStart)
{
    MainFrame frame(root);
    frame.show();
    EXPECT_EQ(frame.pos(), QPoint(50, 50));
    EXPECT_EQ(frame.size(), QSize(500, 300));
    EXPECT_EQ(Stored("XPos"), 50);
    EXPECT_EQ(Stored("YPos"), 50);
    EXPECT_EQ(Stored("XSize"), 500);
    EXPECT_EQ(Stored("YSize"), 300);
}

TEST_F(MainFrameTest, RestoresTheStoredPlacement)
{
    Store(120, 80, 640, 420);
    MainFrame frame(root);
    frame.show();
    EXPECT_EQ(frame.pos(), QPoint(120, 80));
    EXPECT_EQ(frame.size(), QSize(640, 420));
}

TEST_F(MainFrameTest, StoresEveryMoveAndResize)
{
    MainFrame frame(root);
    frame.show();
    frame.move(200, 120);
    frame.resize(610, 350);
    EXPECT_EQ(Stored("XPos"), 200);
    EXPECT_EQ(Stored("YPos"), 120);
    EXPECT_EQ(Stored("XSize"), 610);
    EXPECT_EQ(Stored("YSize"), 350);
    EXPECT_FALSE(Placement().GetParameter("Maximized").AsBool());
}

TEST_F(MainFrameTest, WhatItStoresIsWhatTheNextFrameRestores)
{
    {
        MainFrame first(root);
        first.show();
        first.move(233, 144);
        first.resize(555, 333);
        first.close();
    }
    MainFrame second(root);
    second.show();
    EXPECT_EQ(second.pos(), QPoint(233, 144));
    EXPECT_EQ(second.size(), QSize(555, 333));
}

TEST_F(MainFrameTest, MaximizingStoresTheFlagAndKeepsTheLastNormalPlacement)
{
    MainFrame frame(root);
    frame.show();
    frame.move(210, 130);
    frame.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(frame.isMaximized());
    EXPECT_TRUE(Placement().GetParameter("Maximized").AsBool());
    EXPECT_EQ(Stored("XPos"), 210);
    EXPECT_EQ(Stored("YPos"), 130);
    EXPECT_EQ(Stored("XSize"), 500);
    EXPECT_EQ(Stored("YSize"), 300);
}

TEST_F(MainFrameTest, MinimizingStoresNothing)
{
    MainFrame frame(root);
    frame.show();
    frame.move(170, 90);
    frame.showMinimized();
    QApplication::processEvents();
    frame.move(400, 400);
    if (!frame.isMinimized())
        GTEST_SKIP() << "this platform does not minimize windows";
    EXPECT_EQ(Stored("XPos"), 170);
    EXPECT_EQ(Stored("YPos"), 90);
}

TEST_F(MainFrameTest, MovesAPlacementThatLiesOnNoScreenOntoThePrimaryScreen)
{
    Store(-30000, -30000, 500, 300);
    MainFrame frame(root);
    frame.show();
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(frame.geometry()));
    EXPECT_EQ(frame.size(), QSize(500, 300));
}

TEST_F(MainFrameTest, ShrinksAnOffScreenPlacementThatIsLargerThanTheScreen)
{
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Store(screen.right() + 5000, 0, screen.width() + 400, screen.height() + 400);
    MainFrame frame(root);
    EXPECT_LE(frame.width(), screen.width());
    EXPECT_LE(frame.height(), screen.height());
}

TEST_F(MainFrameTest, CarriesTheProgramTitle)
{
    MainFrame frame(root);
    EXPECT_EQ(frame.windowTitle(), "Ordovan - Compute your time plans");
}

TEST_F(MainFrameTest, HasTheMenusWithTheirEntriesInOrder)
{
    MainFrame frame(root);
    QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), 6);
    QStringList titles;
    for (QAction* menu : menus)
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({ "&File", "&Edit", "&Insert", "&Plan", "&View", "&Help" }));
    EXPECT_EQ(MenuTexts(menus[0]->menu()), QStringList({ "O&ptions...\tF10", "-", "E&xit\tAlt+X" }));
    EXPECT_EQ(MenuTexts(menus[1]->menu()),
        QStringList({ "U&ndo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "D&uplicate profile\tCtrl+D", "-", "&Delete\tDel", "-",
            "Pr&operties...\tEnter" }));
    EXPECT_EQ(
        MenuTexts(menus[2]->menu()), QStringList({ "&Person...", "&Resource...", "-", "&Task...", "Pro&file..." }));
    EXPECT_EQ(MenuTexts(menus[3]->menu()), QStringList({ "&Compute...\tF8", "Find &best plans...\tCtrl+F8" }));
    EXPECT_EQ(MenuTexts(menus[4]->menu()), QStringList({ "&Toolbar", "&Status bar", "-", "&Refresh\tF5" }));
    EXPECT_EQ(MenuTexts(menus[5]->menu()),
        QStringList(
            { "&Help...\tF1", "&Terms and Conditions", "&Web Site of Ordovan", "-", "&About Ordovan...\tShift-F1" }));
}

TEST_F(MainFrameTest, BindsTheAcceleratorsToTheirCommands)
{
    MainFrame frame(root);
    EXPECT_EQ(frame.GetAction(CommandId::EditDuplicateProfile)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(frame.GetAction(CommandId::EditDelete)->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(frame.GetAction(CommandId::AppAbout)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    EXPECT_EQ(frame.GetAction(CommandId::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(frame.GetAction(CommandId::ViewRefresh)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(frame.GetAction(CommandId::PlanCompute)->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(frame.GetAction(CommandId::PlanFindBest)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F8));
    EXPECT_TRUE(frame.GetAction(CommandId::EditProperties)->shortcuts().contains(QKeySequence(Qt::Key_Return)));
    EXPECT_TRUE(frame.GetAction(CommandId::EditProperties)->shortcuts().contains(QKeySequence(Qt::Key_Enter)));
    EXPECT_EQ(frame.GetAction(CommandId::AppExit)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}

TEST_F(MainFrameTest, OptionsIsGreyedAndF10TriggersNothing)
{
    MainFrame frame(root);
    frame.show();
    QAction* options = frame.GetAction(CommandId::FileOptions);
    EXPECT_FALSE(options->isEnabled());
    int triggered = 0;
    for (QAction* action : frame.actions())
        QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    QTest::keyClick(frame.GetView(), Qt::Key_F10);
    EXPECT_EQ(triggered, 0);
}

TEST_F(MainFrameTest, RefreshKeyAndExitKeyReachTheirCommands)
{
    MainFrame frame(root);
    frame.show();
    QApplication::setActiveWindow(&frame);
    frame.GetView()->setFocus();
    int refreshed = 0;
    QObject::connect(frame.GetAction(CommandId::ViewRefresh), &QAction::triggered, [&refreshed] { ++refreshed; });
    QTest::keyClick(frame.GetView(), Qt::Key_F5);
    EXPECT_EQ(refreshed, 1);
    QTest::keyClick(frame.GetView(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(MainFrameTest, ToolbarIsTitledToolsAndDocksAnywhere)
{
    MainFrame frame(root);
    QToolBar* tools = frame.GetToolBar();
    EXPECT_EQ(tools->windowTitle(), "Tools");
    EXPECT_EQ(tools->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(tools->isFloatable());
    EXPECT_TRUE(tools->isMovable());
    EXPECT_EQ(tools->iconSize(), QSize(16, 16));
    EXPECT_EQ(frame.toolBarArea(tools), Qt::TopToolBarArea);
    QList<QAction*> buttons = tools->actions();
    ASSERT_EQ(buttons.size(), 15);
    EXPECT_EQ(buttons[0], frame.GetAction(CommandId::InsertPerson));
    EXPECT_EQ(buttons[1], frame.GetAction(CommandId::InsertResource));
    EXPECT_TRUE(buttons[2]->isSeparator());
    EXPECT_EQ(buttons[3], frame.GetAction(CommandId::InsertTask));
    EXPECT_EQ(buttons[4], frame.GetAction(CommandId::InsertProfile));
    EXPECT_EQ(buttons[6], frame.GetAction(CommandId::EditDelete));
    EXPECT_EQ(buttons[8], frame.GetAction(CommandId::PlanCompute));
    EXPECT_EQ(buttons[9], frame.GetAction(CommandId::PlanFindBest));
    EXPECT_EQ(buttons[11], frame.GetAction(CommandId::AppAbout));
    EXPECT_EQ(buttons[13], frame.GetAction(CommandId::EditUndo));
    EXPECT_EQ(buttons[14], frame.GetAction(CommandId::EditRedo));
}

TEST_F(MainFrameTest, SplitsEachPromptIntoStatusTipAndTooltip)
{
    MainFrame frame(root);
    QAction* insertPerson = frame.GetAction(CommandId::InsertPerson);
    EXPECT_EQ(insertPerson->statusTip(), "Insert a new person.");
    EXPECT_EQ(insertPerson->toolTip(), "Insert person");
    EXPECT_EQ(frame.GetAction(CommandId::EditDelete)->statusTip(), "Erase the selection.");
    EXPECT_EQ(frame.GetAction(CommandId::EditDelete)->toolTip(), "Erase");
    EXPECT_EQ(frame.GetAction(CommandId::PlanCompute)->toolTip(), "Compute plans");
    EXPECT_EQ(frame.GetAction(CommandId::PlanFindBest)->toolTip(), "Find best plans");
}

TEST_F(MainFrameTest, StatusBarShowsReadyWhenNoPromptIsShown)
{
    MainFrame frame(root);
    frame.show();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
    QStatusTipEvent prompt("Insert a new person.");
    QApplication::sendEvent(&frame, &prompt);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Insert a new person.");
    QStatusTipEvent idle("");
    QApplication::sendEvent(&frame, &idle);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
}

TEST_F(MainFrameTest, ViewTogglesHideTheBarsAndCarryCheckMarks)
{
    MainFrame frame(root);
    frame.show();
    QAction* toolbarToggle = frame.GetAction(CommandId::ViewToolbar);
    QAction* statusToggle = frame.GetAction(CommandId::ViewStatusBar);
    EXPECT_TRUE(toolbarToggle->isChecked());
    EXPECT_TRUE(statusToggle->isChecked());
    toolbarToggle->trigger();
    statusToggle->trigger();
    EXPECT_FALSE(frame.GetToolBar()->isVisible());
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(toolbarToggle->isChecked());
    EXPECT_FALSE(statusToggle->isChecked());
}

TEST_F(MainFrameTest, UndoAndRedoNameTheirStepsAndKeepTheAmpersandsOfNames)
{
    MainFrame frame(root);
    frame.ShowEditSteps("Delete Tom & Jerry", nullptr);
    EXPECT_EQ(frame.GetAction(CommandId::EditUndo)->text(), "U&ndo Delete Tom && Jerry\tCtrl+Z");
    EXPECT_EQ(frame.GetAction(CommandId::EditUndo)->toolTip(), "Undo Delete Tom & Jerry");
    EXPECT_FALSE(frame.GetAction(CommandId::EditRedo)->isEnabled());
}
