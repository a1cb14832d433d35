#include "model/EditHistory.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Task.h"

#include "app/CommandId.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "dialogs/EntityList.h"
#include "dialogs/ProfileDialog.h"

#include "ModelBuilder.h"
#include "ScratchRun.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

// The journeys run in the real window: keys go to the tree, the commands
// open real message boxes and dialogs, and each is driven from inside its
// own modal loop.
class UndoJourneyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBox::SetHandler(nullptr);
        scratch.WriteDataFile([](ModelBuilder& build) {
            Person* anna = build.AddPerson("Anna");
            Task* shower = build.AddTask(anna, "Shower", 15);
            build.AddTask(anna, "Breakfast", 20);
            build.AddProfile(anna, "Morning", 7 * 60, { shower });
            build.AddPerson("Ben");
        });
        application = scratch.Construct();
        ASSERT_TRUE(application->InitInstance());
    }

    MainView& View() { return *application->GetMainView(); }
    QAction& Action(CommandId id) { return *application->GetMainFrame()->GetAction(id); }
    Person* Anna()
    {
        return QByteArray(application->GetPersons().Get(0)->GetName()) == "Anna" ? application->GetPersons().Get(0)
                                                                                 : nullptr;
    }

    // Runs the journey inside the application's own event loop.
    void Journey(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, [this, steps] {
            steps();
            application->exit(0);
        });
        application->exec();
    }

    // The next modal window is handed to `drive` once its own loop runs. One
    // still open a while later is closed, so that a failing journey ends.
    static void WhenModalOpens(const std::function<void(QWidget&)>& drive)
    {
        QTimer::singleShot(0, [drive] {
            QPointer<QDialog> modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_FALSE(modal.isNull());
            drive(*modal);
            QTimer::singleShot(5000, modal.data(), [modal] {
                ADD_FAILURE() << "a modal window was left open";
                modal->done(QDialog::Rejected);
            });
        });
    }

    // A key on the tree. The offscreen platform does not hand the activation
    // back to the main window when a modal window closes, as window systems do.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(application->GetMainFrame());
        QTest::keyClick(&View(), key, modifiers);
    }

    void Select(TreeItem* entity) { View().setCurrentItem(MainView::ToNode(entity->GetTreeNode())); }

    ScratchRun scratch;
    std::unique_ptr<Ordovan> application;
};

} // namespace

TEST_F(UndoJourneyTest, UndoBringsBackADeletedPersonSelectedAndRedoDeletesItAgain)
{
    EXPECT_FALSE(Action(CommandId::EditUndo).isEnabled());
    Journey([this] {
        Select(Anna());
        WhenModalOpens([](QWidget& box) {
            EXPECT_TRUE(box.isVisible());
            QTest::mouseClick(qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes), Qt::LeftButton);
        });
        Press(Qt::Key_Delete);
        ASSERT_EQ(Anna(), nullptr);
        EXPECT_EQ(Action(CommandId::EditUndo).text(), "U&ndo Delete Anna\tCtrl+Z");

        Press(Qt::Key_Z, Qt::ControlModifier);
        Person* anna = Anna();
        ASSERT_NE(anna, nullptr);
        EXPECT_EQ(anna->GetTasks().GetCount(), 2);
        EXPECT_EQ(anna->GetProfiles().Get(0)->GetPrecedenceRelations().Get(0)->GetTask(), anna->GetTasks().Get(1));
        EXPECT_EQ(View().GetSelectedEntity(), anna);
        EXPECT_FALSE(Action(CommandId::EditUndo).isEnabled());
        EXPECT_EQ(Action(CommandId::EditRedo).text(), "&Redo Delete Anna\tCtrl+Y");

        Press(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Anna(), nullptr);
        Press(Qt::Key_Z, Qt::ControlModifier);
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Anna(), nullptr);
    });
}

TEST_F(UndoJourneyTest, AProfileEditedWithListChangesIsUndoneInOneStep)
{
    Journey([this] {
        Select(Anna()->GetProfiles().Get(0));
        WhenModalOpens([](QWidget& window) {
            auto* dialog = qobject_cast<ProfileDialog*>(&window);
            ASSERT_NE(dialog, nullptr);
            EntityList* available = dialog->GetAvailableTasksList();
            QTreeWidgetItem* breakfast = available->topLevelItem(0);
            ASSERT_EQ(breakfast->text(0), "Breakfast");
            QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, available->visualItemRect(breakfast).center());
            QTest::mouseClick(dialog->GetAddExecutedButton(), Qt::LeftButton);
            // The rest follows once the dialog's loop has run again, as for a
            // person who reads the lists before going on.
            QTimer::singleShot(0, dialog, [dialog] {
                ASSERT_EQ(QApplication::activeModalWidget(), dialog) << "the dialog ended when it was forced";
                dialog->GetHoursEdit()->selectAll();
                QTest::keyClicks(dialog->GetHoursEdit(), "09");
                QTest::mouseClick(dialog->GetOkButton(), Qt::LeftButton);
            });
        });
        Press(Qt::Key_Return);
        Profile* edited = Anna()->GetProfiles().Get(0);
        ASSERT_EQ(edited->GetPrecedenceRelations().GetCount(), 2);
        EXPECT_EQ(edited->GetEndTime(), 9 * 60);

        Press(Qt::Key_Z, Qt::ControlModifier);
        Profile* restored = Anna()->GetProfiles().Get(0);
        EXPECT_EQ(restored->GetPrecedenceRelations().GetCount(), 1);
        EXPECT_EQ(restored->GetEndTime(), 7 * 60);
        EXPECT_EQ(View().GetSelectedEntity(), restored);
        EXPECT_FALSE(application->GetHistory().CanUndo());
    });
}
