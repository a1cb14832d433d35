#include "model/EditHistory.h"
#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/Config.h"

#include "ModalJourney.h"
#include "ModelBuilder.h"
#include "ScratchProgram.h"
#include "app/CommandId.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/Ordovan.h"
#include "dialogs/BestPlansProgressDialog.h"
#include "dialogs/CompletePlansDialog.h"
#include "dialogs/ComputePlansDialog.h"
#include "dialogs/JourneySteps.h"
#include "dialogs/MessageBoxRecorder.h"
#include "dialogs/PersonalPlanDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/TaskDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/RowDoubleClick.h"
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

// Each command that opens a dialog from the main window, run as a person
// runs it: the program starts from its data file, the command is given from
// inside the program's event loop, the dialog is driven from inside its own,
// and what the person entered is in the file the program saves at exit.
namespace {

template <typename Entity> Entity* Named(toolbox::ArrayList<Entity>& list, const char* name)
{
    for (Entity* entity : list) {
        if (std::strcmp(entity->GetName(), name) == 0)
            return entity;
    }
    return nullptr;
}

class MainWindowJourneyTest : public ::testing::Test {
protected:
    MainWindowJourneyTest()
    {
        PlanningModel model;
        ModelBuilder build(model);
        Resource* bathroom = build.AddResource("Bathroom");
        Resource* car = build.AddResource("Car");
        Resource* kitchen = build.AddResource("Kitchen");
        Person* anna = build.AddPerson("Anna");
        Task* shower = build.AddTask(anna, "Shower", 15, { bathroom });
        Task* breakfast = build.AddTask(anna, "Breakfast", 20, { kitchen });
        Task* drive = build.AddTask(anna, "Drive", 25, { car });
        Profile* workday = build.AddProfile(anna, "Workday", 8 * 60, { shower, breakfast, drive });
        ModelBuilder::Precede(workday, shower, breakfast);
        ModelBuilder::Precede(workday, breakfast, drive);
        build.AddPerson("Ben");
        program.WriteDataFile(model);
    }

    // Starts the program, gives `body` a turn of its event loop, and ends it regularly.
    void RunProgram(const std::function<void(Ordovan&)>& body)
    {
        ASSERT_TRUE(program.Run([&body](Ordovan& application) {
            QTimer::singleShot(0, &application, [&] {
                // Keys reach the window's accelerators once it is active.
                EXPECT_TRUE(QTest::qWaitForWindowActive(application.GetMainFrame()));
                body(application);
                application.exit(0);
            });
            application.exec();
        }));
    }

    // The model as the program saved it at exit.
    void LoadSaved(PlanningModel& saved)
    {
        toolbox::Config config;
        ASSERT_TRUE(config.LoadFile(program.DataFile().toLocal8Bit().constData()));
        ModelStore::Load(saved, config.GetRootSection());
    }

    static QTreeWidgetItem* NodeOf(const TreeItem* entity)
    {
        return entity ? MainView::ToNode(entity->GetTreeNode()) : nullptr;
    }

    // After the dialog the main window takes clicks again.
    static void ExpectMainWindowTakesClicks(Ordovan& application)
    {
        MainView* view = application.GetMainView();
        QTreeWidgetItem* resources = view->topLevelItem(1);
        ClickNode(view, resources);
        EXPECT_EQ(view->currentItem(), resources);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // The offscreen platform does not hand the activation back to the main
    // window when a modal window closes, as window systems do; the keys of
    // the window's accelerators need it.
    static void ActivateMainWindow(Ordovan& application)
    {
        QApplication::setActiveWindow(application.GetMainFrame());
    }

    ScratchProgram program;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(MainWindowJourneyTest, InsertTaskBuildsATaskWithTwoResourcesThatReachesTheSavedFile)
{
    RunProgram([](Ordovan& application) {
        Person* anna = Named(application.GetPersons(), "Anna");
        ClickNode(application.GetMainView(), NodeOf(anna));
        ModalJourney journey;
        journey
            .Then<TaskDialog>([](TaskDialog& dialog) {
                TypeIntoFocus("Wash car");
                Replace(dialog.GetDurationEdit(), "40");
                ClickRow(dialog.GetAvailableList(), "Car");
                QTest::mouseClick(dialog.GetAddButton(), Qt::LeftButton);
            })
            .Then<TaskDialog>([](TaskDialog& dialog) {
                ExpectOpenAndForced(dialog);
                DoubleClickRow(dialog.GetAvailableList(), RowOf(dialog.GetAvailableList(), "Kitchen"));
            })
            .Then<TaskDialog>([](TaskDialog& dialog) {
                ExpectOpenAndForced(dialog);
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        application.GetMainFrame()->GetAction(CommandId::InsertTask)->trigger();
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();

        Task* added = Named(anna->GetTasks(), "Wash car");
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(application.GetMainView()->currentItem(), NodeOf(added));
        ExpectMainWindowTakesClicks(application);
    });

    PlanningModel saved;
    LoadSaved(saved);
    Task* task = Named(Named(saved.GetPersons(), "Anna")->GetTasks(), "Wash car");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->GetDuration(), 40);
    ASSERT_EQ(task->GetRequiredResources().GetCount(), 2);
    EXPECT_STREQ(task->GetRequiredResources().Get(0)->GetName(), "Car");
    EXPECT_STREQ(task->GetRequiredResources().Get(1)->GetName(), "Kitchen");
}

TEST_F(MainWindowJourneyTest, InsertProfileBuildsAProfileWithTwoTasksAndAPrecedenceThatReachesTheSavedFile)
{
    RunProgram([](Ordovan& application) {
        Person* anna = Named(application.GetPersons(), "Anna");
        ClickNode(application.GetMainView(), NodeOf(anna->GetTasks().Get(0)));
        ModalJourney journey;
        journey
            .Then<ProfileDialog>([](ProfileDialog& dialog) {
                TypeIntoFocus("Day off");
                Replace(dialog.GetHoursEdit(), "9");
                Replace(dialog.GetMinutesEdit(), "30");
                ClickRow(dialog.GetAvailableTasksList(), "Shower");
                ClickRow(dialog.GetAvailableTasksList(), "Breakfast", Qt::ControlModifier);
                QTest::mouseClick(dialog.GetAddExecutedButton(), Qt::LeftButton);
            })
            .Then<ProfileDialog>([](ProfileDialog& dialog) {
                ExpectOpenAndForced(dialog);
                ClickRow(dialog.GetExecutedTasksList(), "Breakfast");
                ClickRow(dialog.GetCandidatePrecedentsList(), "Shower");
                QTest::mouseClick(dialog.GetAddPrecedentButton(), Qt::LeftButton);
            })
            .Then<ProfileDialog>([](ProfileDialog& dialog) {
                ExpectOpenAndForced(dialog);
                EXPECT_EQ(dialog.GetPrecedentTasksList()->GetRowCount(), 1);
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        application.GetMainFrame()->GetAction(CommandId::InsertProfile)->trigger();
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        Profile* added = Named(anna->GetProfiles(), "Day off");
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(application.GetMainView()->currentItem(), NodeOf(added));
        ExpectMainWindowTakesClicks(application);
    });

    PlanningModel saved;
    LoadSaved(saved);
    Profile* profile = Named(Named(saved.GetPersons(), "Anna")->GetProfiles(), "Day off");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->GetEndTime(), 9 * 60 + 30);
    ASSERT_EQ(profile->GetPrecedenceRelations().GetCount(), 2);
    const PrecedenceRelation* breakfast = profile->GetPrecedenceRelations().Get(0);
    EXPECT_STREQ(breakfast->GetTask()->GetName(), "Breakfast");
    ASSERT_EQ(breakfast->GetPrecedents().GetCount(), 1);
    EXPECT_STREQ(breakfast->GetPrecedents().Get(0)->GetTask()->GetName(), "Shower");
}

TEST_F(MainWindowJourneyTest, PropertiesOnATaskRenamesItAndRemovesAResourceInOneRun)
{
    RunProgram([](Ordovan& application) {
        Task* shower = Named(Named(application.GetPersons(), "Anna")->GetTasks(), "Shower");
        MainView* view = application.GetMainView();
        ClickNode(view, NodeOf(shower));
        ModalJourney journey;
        journey
            .Then<TaskDialog>([](TaskDialog& dialog) {
                TypeIntoFocus("Bath");
                ClickRow(dialog.GetRequiredList(), "Bathroom");
                QTest::mouseClick(dialog.GetRemoveButton(), Qt::LeftButton);
            })
            .Then<TaskDialog>([](TaskDialog& dialog) {
                ExpectOpenAndForced(dialog);
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        QTest::keyClick(view, Qt::Key_Return);
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        EXPECT_STREQ(shower->GetName(), "Bath");
        EXPECT_EQ(shower->GetRequiredResources().GetCount(), 0);
        EXPECT_EQ(NodeOf(shower)->text(0), "Bath");
        ExpectMainWindowTakesClicks(application);
    });
}

TEST_F(MainWindowJourneyTest, ComputeShowsThePossiblePlansAndAPersonalPlan)
{
    RunProgram([this](Ordovan& application) {
        ModalJourney journey;
        journey
            .Then<ComputePlansDialog>([](ComputePlansDialog& dialog) {
                QTreeWidgetItem* anna = dialog.GetAvailableTree()->topLevelItem(0);
                ClickNode(dialog.GetAvailableTree(), anna->child(0));
                QTest::mouseClick(dialog.GetAddButton(), Qt::LeftButton);
            })
            .Then<ComputePlansDialog>([](ComputePlansDialog& dialog) {
                EXPECT_EQ(dialog.GetRequiredTree()->topLevelItemCount(), 1);
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            })
            .Then<CompletePlansDialog>([](CompletePlansDialog& dialog) {
                QTreeWidgetItem* firstPlan = dialog.GetPlanTree()->topLevelItem(0);
                ASSERT_NE(firstPlan, nullptr);
                EXPECT_EQ(firstPlan->text(0), "Plan (0 minutes delay)");
                ClickNode(dialog.GetPlanTree(), firstPlan->child(0));
                QTest::mouseClick(dialog.GetShowButton(), Qt::LeftButton);
            })
            .Then<PersonalPlanDialog>([](PersonalPlanDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Personal plan for Anna");
                ASSERT_EQ(dialog.GetTimetable()->topLevelItemCount(), 3);
                EXPECT_EQ(dialog.GetTimetable()->topLevelItem(0)->text(0), "07:00 Shower");
                EXPECT_EQ(dialog.GetTimetable()->topLevelItem(2)->text(0), "07:35 Drive");
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            })
            .Then<CompletePlansDialog>([](CompletePlansDialog& dialog) {
                EXPECT_TRUE(dialog.isVisible());
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        QTest::keyClick(application.GetMainView(), Qt::Key_F8);
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        EXPECT_TRUE(boxes.boxes.empty());
        ExpectMainWindowTakesClicks(application);
    });
}

// A morning rush whose best plan takes long to prove: Stop in the progress
// dialog leads to the best plans found so far.
TEST_F(MainWindowJourneyTest, FindBestPlansRunsFromItsKeyThroughStopToThePlansFound)
{
    RunProgram([this](Ordovan& application) {
        ModelBuilder(application.GetModel()).AddMorningRush(6, 6, 2);
        ModalJourney journey;
        journey
            .Then<ComputePlansDialog>([](ComputePlansDialog& dialog) {
                QTreeWidget* available = dialog.GetAvailableTree();
                for (int person = available->topLevelItemCount() - 1; person >= 0; --person) {
                    QTreeWidgetItem* node = available->topLevelItem(person);
                    if (!node->text(0).startsWith("Person "))
                        continue;
                    ClickNode(available, node->child(0));
                    QTest::mouseClick(dialog.GetAddButton(), Qt::LeftButton);
                }
            })
            .Then<ComputePlansDialog>([](ComputePlansDialog& dialog) {
                EXPECT_EQ(dialog.GetRequiredTree()->topLevelItemCount(), 6);
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            })
            .Then<BestPlansProgressDialog>([](BestPlansProgressDialog& dialog) {
                // Stopped at once, the search still offers the random search's plan.
                EXPECT_TRUE(dialog.isVisible());
                EXPECT_TRUE(dialog.GetElapsedLabel()->text().startsWith("Time passed: "));
                QTest::mouseClick(dialog.GetStopButton(), Qt::LeftButton);
            })
            .ThenOnceShown<CompletePlansDialog>([](CompletePlansDialog& dialog) {
                EXPECT_EQ(dialog.findChildren<QLabel*>().value(0)->text(),
                    "These are the best plans found in the time given.");
                EXPECT_GE(dialog.GetPlanTree()->topLevelItemCount(), 1);
                EXPECT_TRUE(dialog.isVisible());
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        QTest::keyClick(application.GetMainView(), Qt::Key_F8, Qt::ControlModifier);
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        EXPECT_TRUE(boxes.boxes.empty());
        ExpectMainWindowTakesClicks(application);
    });
}

TEST_F(MainWindowJourneyTest, UndoBringsBackADeletedPersonSelectedAndRedoDeletesItAgain)
{
    RunProgram([](Ordovan& application) {
        MainView* view = application.GetMainView();
        QAction* undo = application.GetMainFrame()->GetAction(CommandId::EditUndo);
        EXPECT_FALSE(undo->isEnabled());
        ClickNode(view, NodeOf(Named(application.GetPersons(), "Anna")));
        MessageBox::SetHandler(nullptr);
        ModalJourney journey;
        journey.Then<QMessageBox>(
            [](QMessageBox& box) { QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton); });
        QTest::keyClick(view, Qt::Key_Delete);
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        ASSERT_EQ(Named(application.GetPersons(), "Anna"), nullptr);
        EXPECT_EQ(undo->text(), "U&ndo Delete Anna\tCtrl+Z");

        ActivateMainWindow(application);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        Person* anna = Named(application.GetPersons(), "Anna");
        ASSERT_NE(anna, nullptr);
        EXPECT_EQ(anna->GetTasks().GetCount(), 3);
        EXPECT_EQ(anna->GetProfiles().Get(0)->GetPrecedenceRelations().GetCount(), 3);
        EXPECT_EQ(view->currentItem(), NodeOf(anna));
        EXPECT_FALSE(undo->isEnabled());

        QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Named(application.GetPersons(), "Anna"), nullptr);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Named(application.GetPersons(), "Anna"), nullptr);
    });
}

TEST_F(MainWindowJourneyTest, AProfileEditedWithListChangesIsUndoneInOneStep)
{
    RunProgram([](Ordovan& application) {
        MainView* view = application.GetMainView();
        ClickNode(view, NodeOf(Named(Named(application.GetPersons(), "Anna")->GetProfiles(), "Workday")));
        ModalJourney journey;
        journey
            .Then<ProfileDialog>([](ProfileDialog& dialog) {
                ClickRow(dialog.GetExecutedTasksList(), "Drive");
                QTest::mouseClick(dialog.GetRemoveExecutedButton(), Qt::LeftButton);
            })
            .Then<ProfileDialog>([](ProfileDialog& dialog) {
                ExpectOpenAndForced(dialog);
                Replace(dialog.GetHoursEdit(), "9");
                QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
            });
        QTest::keyClick(view, Qt::Key_Return);
        EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
        Profile* edited = Named(application.GetPersons(), "Anna")->GetProfiles().Get(0);
        EXPECT_EQ(edited->GetPrecedenceRelations().GetCount(), 2);
        EXPECT_EQ(edited->GetEndTime(), 9 * 60);
        EXPECT_EQ(
            application.GetMainFrame()->GetAction(CommandId::EditUndo)->text(), "U&ndo Properties of Workday\tCtrl+Z");

        ActivateMainWindow(application);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        Profile* restored = Named(application.GetPersons(), "Anna")->GetProfiles().Get(0);
        EXPECT_EQ(restored->GetPrecedenceRelations().GetCount(), 3);
        EXPECT_EQ(restored->GetEndTime(), 8 * 60);
        EXPECT_EQ(view->currentItem(), NodeOf(restored));
        EXPECT_FALSE(application.GetHistory().CanUndo());
    });
}
