#pragma once

#include "app/CommandId.h"

#include <QMainWindow>

#include <map>

class QAction;
class QMenu;
class QToolBar;
class MainView;

namespace toolbox {
class ConfigSection;
}

// The main window: menu, accelerators, the "Tools" toolbar, a status bar
// with one pane and the tree view. It keeps its placement in the "MainFrame"
// section of the configuration whenever it moves, is resized or changes
// state, and restores it when it is created.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(toolbox::ConfigSection& rootSection);
    ~MainFrame() override;

    MainView* GetView() const { return view; }
    QToolBar* GetToolBar() const { return toolBar; }
    // The action of a command of the menu, the accelerators or the toolbar.
    QAction* GetAction(CommandId id) const;

    // Names the steps that Undo and Redo would act on in their menu entries
    // and tooltips; a null label disables the command.
    void ShowEditSteps(const char* undoLabel, const char* redoLabel);

    // Writes the placement as the window shows it now (nothing while minimized).
    void SavePlacement();

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* AddCommand(CommandId id, const QString& menuText, const QString& prompt);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void RestorePlacement();

    toolbox::ConfigSection& rootSection;
    MainView* view = nullptr;
    QToolBar* toolBar = nullptr;
    QMenu* viewMenu = nullptr;
    std::map<CommandId, QAction*> commands;
    QString idlePrompt;
};
