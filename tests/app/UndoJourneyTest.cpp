#include "model/EditHistory.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Task.h"

#include "app/CommandId.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/EntityList.h"
#include "dialogs/PersonDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/TaskDialog.h"

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

// Anna with two tasks and a morning that runs the shower; Ben without any.
void Household(ModelBuilder& build)
{
    Person* anna = build.AddPerson("Anna");
    Task* shower = build.AddTask(anna, "Shower", 15);
    build.AddTask(anna, "Breakfast", 20);
    build.AddProfile(anna, "Morning", 7 * 60, { shower });
    build.AddPerson("Ben");
}

// The journeys run in the real window: keys go to the tree, the commands
// open real message boxes and dialogs, and each is driven from inside its
// own modal loop.
class UndoJourneyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBox::SetHandler(nullptr);
        MessageBox::ResetRecord();
        ModalRunner::ClearHandlers();
        scratch.WriteDataFile(Household);
        application = scratch.Construct();
        ASSERT_TRUE(application->InitInstance());
    }

    void TearDown() override { application.reset(); }

    MainFrame& Frame() { return *application->GetMainFrame(); }
    MainView& View() { return *application->GetMainView(); }
    PlanningModel& Model() { return application->GetModel(); }

    // Runs the journey inside the application's own event loop.
    void Journey(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, [this, steps] {
            View().setFocus();
            steps();
            application->exit(0);
        });
        application->exec();
    }

    // The next modal window is handed to `drive` once its own loop runs. A
    // window still open a while later is closed, so that a failing journey ends.
    static void WhenModalOpens(const std::function<void(QWidget&)>& drive)
    {
        QTimer::singleShot(0, [drive] {
            QPointer<QDialog> modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_FALSE(modal.isNull());
            drive(*modal);
            QTimer::singleShot(5000, modal.data(), [modal] {
                if (modal->isVisible()) {
                    ADD_FAILURE() << "a modal window was left open";
                    modal->done(QDialog::Rejected);
                }
            });
        });
    }

    // A key on the tree. The offscreen platform does not hand the activation
    // back to the main window when a modal window closes, as window systems do.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(&Frame());
        QTest::keyClick(&View(), static_cast<Qt::Key>(key), modifiers);
    }

    void Select(TreeItem* entity)
    {
        ASSERT_NE(entity, nullptr);
        View().setCurrentItem(MainView::ToNode(entity->GetTreeNode()));
    }

    Person* FindPerson(const char* name)
    {
        for (Person* person : Model().GetPersons()) {
            if (QByteArray(person->GetName()) == name)
                return person;
        }
        return nullptr;
    }

    QString ActionText(CommandId id) { return Frame().GetAction(id)->text(); }
    bool IsEnabled(CommandId id) { return Frame().GetAction(id)->isEnabled(); }

    ScratchRun scratch;
    std::unique_ptr<Ordovan> application;
};

void ClickButton(QWidget& window, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(&window);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

void ClickRow(EntityList& list, const char* text)
{
    for (int row = 0; row < list.GetRowCount(); ++row) {
        if (list.GetTextAt(row) == text) {
            QTreeWidgetItem* item = list.topLevelItem(row);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(item).center());
            return;
        }
    }
    ADD_FAILURE() << "no row " << text;
}

} // namespace

TEST_F(UndoJourneyTest, UndoBringsBackADeletedPersonSelectedAndRedoDeletesItAgain)
{
    EXPECT_FALSE(IsEnabled(CommandId::EditUndo));
    EXPECT_FALSE(IsEnabled(CommandId::EditRedo));
    Journey([this] {
        Select(FindPerson("Anna"));
        WhenModalOpens([](QWidget& box) { ClickButton(box, QMessageBox::Yes); });
        Press(Qt::Key_Delete);
        ASSERT_EQ(FindPerson("Anna"), nullptr);
        EXPECT_EQ(ActionText(CommandId::EditUndo), "U&ndo Delete Anna\tCtrl+Z");
        EXPECT_EQ(Frame().GetAction(CommandId::EditUndo)->toolTip(), "Undo Delete Anna");

        Press(Qt::Key_Z, Qt::ControlModifier);
        Person* anna = FindPerson("Anna");
        ASSERT_NE(anna, nullptr);
        EXPECT_EQ(anna->GetTasks().GetCount(), 2);
        ASSERT_EQ(anna->GetProfiles().GetCount(), 1);
        EXPECT_EQ(anna->GetProfiles().Get(0)->GetPrecedenceRelations().Get(0)->GetTask(), anna->GetTasks().Get(1));
        EXPECT_EQ(View().GetSelectedEntity(), anna);
        EXPECT_FALSE(IsEnabled(CommandId::EditUndo));
        EXPECT_EQ(ActionText(CommandId::EditRedo), "&Redo Delete Anna\tCtrl+Y");

        Press(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(FindPerson("Anna"), nullptr);
        EXPECT_FALSE(IsEnabled(CommandId::EditRedo));
        Press(Qt::Key_Z, Qt::ControlModifier);
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(FindPerson("Anna"), nullptr);
    });
}

TEST_F(UndoJourneyTest, AProfileEditedWithListChangesIsUndoneInOneStep)
{
    Journey([this] {
        Person* anna = FindPerson("Anna");
        Select(anna->GetProfiles().Get(0));
        WhenModalOpens([](QWidget& window) {
            auto* dialog = qobject_cast<ProfileDialog*>(&window);
            ASSERT_NE(dialog, nullptr);
            ClickRow(*dialog->GetAvailableTasksList(), "Breakfast");
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
        Profile* edited = FindPerson("Anna")->GetProfiles().Get(0);
        ASSERT_EQ(edited->GetPrecedenceRelations().GetCount(), 2);
        EXPECT_EQ(edited->GetEndTime(), 9 * 60);
        EXPECT_EQ(ActionText(CommandId::EditUndo), "U&ndo Properties of Morning\tCtrl+Z");

        Press(Qt::Key_Z, Qt::ControlModifier);
        Profile* restored = FindPerson("Anna")->GetProfiles().Get(0);
        EXPECT_EQ(restored->GetPrecedenceRelations().GetCount(), 1);
        EXPECT_EQ(restored->GetEndTime(), 7 * 60);
        EXPECT_EQ(View().GetSelectedEntity(), restored);
        EXPECT_FALSE(application->GetHistory().CanUndo());
    });
}

TEST_F(UndoJourneyTest, ACancelledDialogLeavesNoStep)
{
    Journey([this] {
        Select(FindPerson("Ben"));
        WhenModalOpens([](QWidget& window) {
            auto* dialog = qobject_cast<PersonDialog*>(&window);
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->GetNameEdit(), "Benjamin");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        Press(Qt::Key_Return);
        EXPECT_NE(FindPerson("Ben"), nullptr);
        EXPECT_FALSE(IsEnabled(CommandId::EditUndo));
    });
}

TEST_F(UndoJourneyTest, UndoOfAnInsertSelectsThePersonTheTaskWasInsertedFor)
{
    Journey([this] {
        Select(FindPerson("Ben"));
        ModalRunner::SetNextHandler([](QDialog& dialog) {
            auto* taskDialog = qobject_cast<TaskDialog*>(&dialog);
            if (!taskDialog)
                return static_cast<int>(QDialog::Rejected);
            taskDialog->GetNameEdit()->setText("Coffee");
            dialog.accept();
            return static_cast<int>(QDialog::Accepted);
        });
        Frame().GetAction(CommandId::InsertTask)->trigger();
        ASSERT_EQ(FindPerson("Ben")->GetTasks().GetCount(), 1);
        EXPECT_EQ(ActionText(CommandId::EditUndo), "U&ndo Insert Task\tCtrl+Z");
        Frame().GetAction(CommandId::EditUndo)->trigger();
        EXPECT_EQ(FindPerson("Ben")->GetTasks().GetCount(), 0);
        EXPECT_EQ(View().GetSelectedEntity(), FindPerson("Ben"));
        Frame().GetAction(CommandId::EditRedo)->trigger();
        ASSERT_NE(View().GetSelectedEntity(), nullptr);
        EXPECT_STREQ(View().GetSelectedEntity()->GetName(), "Coffee");
    });
}
