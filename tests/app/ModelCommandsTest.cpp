#include "ModelBuilder.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "app/Document.h"
#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"

#include <QTest>

#include <string>

#include <gtest/gtest.h>

namespace {

// Answers every properties dialog as a user would: optionally types a new
// name, then closes with OK or Cancel.
class ScriptedEditor : public PropertyEditor {
public:
    EditOutcome EditPerson(Person& person) override { return Answer(person); }
    EditOutcome EditResource(Resource& resource) override { return Answer(resource); }
    EditOutcome EditTask(Task& task) override { return Answer(task); }
    EditOutcome EditProfile(Profile& profile) override { return Answer(profile); }

    EditOutcome outcome = EditOutcome::Ok;
    std::string typedName;
    int shown = 0;
    TreeItem* lastEdited = nullptr;

private:
    EditOutcome Answer(TreeItem& entity)
    {
        ++shown;
        lastEdited = &entity;
        if (outcome == EditOutcome::Ok && !typedName.empty())
            entity.SetName(typedName.c_str());
        return outcome;
    }
};

struct ShownBox {
    QString text;
    MessageBox::Icon icon;
    MessageBox::Buttons buttons;
};

class ModelCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBox::ResetRecord();
        MessageBox::SetHandler(
            [this](QWidget*, const QString& text, MessageBox::Icon icon, MessageBox::Buttons buttons) {
                boxes.push_back({ text, icon, buttons });
                return answer;
            });
        document.AddView(&view);
        view.SetModel(&model);
        bathroom = build.AddResource("Bathroom");
        car = build.AddResource("Car");
        anna = build.AddPerson("Anna");
        shower = build.AddTask(anna, "Shower", 0, { bathroom });
        breakfast = build.AddTask(anna, "Breakfast");
        anna->SortTasks();
        morning = build.AddProfile(anna, "Morning", 0, { shower, breakfast });
        build.Precede(morning, shower, breakfast);
        ben = build.AddPerson("Ben");
        drive = build.AddTask(ben, "Drive", 0, { car });
        document.UpdateAllViews();
    }

    void TearDown() override
    {
        MessageBox::SetHandler(nullptr);
        MessageBox::ResetRecord();
    }

    // The node reached from the top level through these labels, or null.
    QTreeWidgetItem* Node(std::initializer_list<const char*> labels)
    {
        QTreeWidgetItem* node = nullptr;
        for (const char* label : labels) {
            QTreeWidgetItem* found = nullptr;
            int count = node ? node->childCount() : view.topLevelItemCount();
            for (int i = 0; i < count && !found; ++i) {
                QTreeWidgetItem* child = node ? node->child(i) : view.topLevelItem(i);
                if (child->text(0) == label)
                    found = child;
            }
            if (!found)
                return nullptr;
            node = found;
        }
        return node;
    }
    QStringList Children(QTreeWidgetItem* node)
    {
        QStringList labels;
        for (int i = 0; node && i < node->childCount(); ++i)
            labels << node->child(i)->text(0);
        return labels;
    }
    void Select(std::initializer_list<const char*> labels)
    {
        QTreeWidgetItem* node = Node(labels);
        ASSERT_NE(node, nullptr);
        view.setCurrentItem(node);
    }
    int CountNodes()
    {
        int count = 0;
        for (QTreeWidgetItemIterator it(&view); *it; ++it)
            ++count;
        return count;
    }

    PlanningModel model;
    ModelBuilder build { model };
    MainView view;
    Document document;
    ScriptedEditor editor;
    ModelCommands commands { model, view, document, &editor };
    std::vector<ShownBox> boxes;
    MessageBox::Answer answer = MessageBox::Answer::Yes;
    Resource* bathroom = nullptr;
    Resource* car = nullptr;
    Person* anna = nullptr;
    Person* ben = nullptr;
    Task* shower = nullptr;
    Task* breakfast = nullptr;
    Task* drive = nullptr;
    Profile* morning = nullptr;
};

bool SameIcon(const QIcon& left, const QIcon& right)
{
    return left.pixmap(QSize(16, 16)).toImage() == right.pixmap(QSize(16, 16)).toImage();
}

// A double-click as the platform delivers it: press, release, double-click, release.
void DoubleClick(MainView& view, QTreeWidgetItem* node)
{
    QPoint centre = view.visualItemRect(node).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

TEST_F(ModelCommandsTest, TreeShowsPersonsWithTheirGroupsThenResources)
{
    ASSERT_EQ(view.topLevelItemCount(), 2);
    EXPECT_EQ(view.topLevelItem(0)->text(0), "Persons");
    EXPECT_EQ(view.topLevelItem(1)->text(0), "Resources");
    EXPECT_EQ(Children(Node({ "Persons" })), QStringList({ "Anna", "Ben" }));
    EXPECT_EQ(Children(Node({ "Persons", "Anna" })), QStringList({ "Tasks", "Profiles" }));
    EXPECT_EQ(Children(Node({ "Persons", "Anna", "Tasks" })), QStringList({ "Breakfast", "Shower" }));
    EXPECT_EQ(Children(Node({ "Persons", "Anna", "Profiles" })), QStringList({ "Morning" }));
    EXPECT_EQ(Children(Node({ "Resources" })), QStringList({ "Bathroom", "Car" }));
}

TEST_F(ModelCommandsTest, TreeNodesCarryTheirIconsAndEntitiesAndAreAllExpanded)
{
    EXPECT_TRUE(SameIcon(Node({ "Persons" })->icon(0), ImageList::GetIcon(ImageList::Folder)));
    EXPECT_TRUE(SameIcon(Node({ "Persons", "Anna" })->icon(0), ImageList::GetIcon(ImageList::Person)));
    EXPECT_TRUE(SameIcon(Node({ "Persons", "Anna", "Tasks", "Shower" })->icon(0), ImageList::GetIcon(ImageList::Task)));
    EXPECT_TRUE(
        SameIcon(Node({ "Persons", "Anna", "Profiles", "Morning" })->icon(0), ImageList::GetIcon(ImageList::Profile)));
    EXPECT_TRUE(SameIcon(Node({ "Resources", "Car" })->icon(0), ImageList::GetIcon(ImageList::Resource)));
    EXPECT_EQ(MainView::GetEntity(Node({ "Persons", "Anna" })), anna);
    EXPECT_EQ(MainView::GetEntity(Node({ "Persons", "Anna", "Tasks" })), nullptr);
    EXPECT_EQ(MainView::GetEntity(Node({ "Resources" })), nullptr);
    EXPECT_EQ(MainView::ToNode(shower->GetTreeNode()), Node({ "Persons", "Anna", "Tasks", "Shower" }));
    for (QTreeWidgetItemIterator it(&view); *it; ++it)
        EXPECT_TRUE((*it)->isExpanded() || (*it)->childCount() == 0) << (*it)->text(0).toStdString();
}

TEST_F(ModelCommandsTest, TreeShowsANameThatIsNotUtf8AsLatin1)
{
    ben->SetName("J\xfcrgen");
    document.UpdateAllViews();
    EXPECT_NE(Node({ "Persons", "J\xc3\xbcrgen" }), nullptr);
}

TEST_F(ModelCommandsTest, DeleteWithNothingSelectedAsksNothing)
{
    view.setCurrentItem(nullptr);
    commands.Delete();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(model.GetPersons().GetCount(), 2);
}

TEST_F(ModelCommandsTest, DeleteOnRootAndGroupNodesAsksNothing)
{
    for (auto path : { std::initializer_list<const char*> { "Persons" }, { "Resources" },
             { "Persons", "Anna", "Tasks" }, { "Persons", "Anna", "Profiles" } }) {
        Select(path);
        commands.Delete();
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(anna->GetTasks().GetCount(), 2);
    EXPECT_EQ(anna->GetProfiles().GetCount(), 1);
}

TEST_F(ModelCommandsTest, DeleteAnsweredNoLeavesModelAndTreeAsTheyWere)
{
    answer = MessageBox::Answer::No;
    Select({ "Persons", "Ben" });
    int nodes = CountNodes();
    commands.Delete();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Sure to delete the currently selected item?\nThis operation cannot be undone.");
    EXPECT_EQ(boxes[0].icon, MessageBox::Icon::Warning);
    EXPECT_EQ(boxes[0].buttons, MessageBox::Buttons::YesNo);
    EXPECT_EQ(model.GetPersons().GetCount(), 2);
    EXPECT_EQ(CountNodes(), nodes);
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Ben" }));
}

TEST_F(ModelCommandsTest, DeletingAResourceTakesItOutOfTheTasksAndRebuildsTheTree)
{
    Select({ "Resources", "Bathroom" });
    view.collapseAll();
    commands.Delete();
    EXPECT_EQ(model.GetResources().GetCount(), 1);
    EXPECT_EQ(shower->GetRequiredResources().GetCount(), 0);
    EXPECT_EQ(Children(Node({ "Resources" })), QStringList({ "Car" }));
    EXPECT_TRUE(Node({ "Persons", "Anna", "Tasks" })->isExpanded());
}

TEST_F(ModelCommandsTest, DeletingATaskTakesItOutOfEveryProfile)
{
    Select({ "Persons", "Anna", "Tasks", "Shower" });
    commands.Delete();
    ASSERT_EQ(morning->GetPrecedenceRelations().GetCount(), 1);
    PrecedenceRelation* remaining = morning->GetPrecedenceRelations().Get(0);
    EXPECT_EQ(remaining->GetTask(), breakfast);
    EXPECT_EQ(remaining->GetPrecedents().GetCount(), 0);
    EXPECT_EQ(Children(Node({ "Persons", "Anna", "Tasks" })), QStringList({ "Breakfast" }));
}

TEST_F(ModelCommandsTest, DuplicatingAProfileTwiceGivesThreeOfOneNameWithTheCopiesLast)
{
    build.AddProfile(anna, "Weekend");
    document.UpdateAllViews();
    Select({ "Persons", "Anna", "Profiles", "Morning" });
    commands.DuplicateProfile();
    Select({ "Persons", "Anna", "Profiles", "Morning" });
    commands.DuplicateProfile();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(
        Children(Node({ "Persons", "Anna", "Profiles" })), QStringList({ "Morning", "Weekend", "Morning", "Morning" }));
    Profile* copy = anna->GetProfiles().GetLast();
    ASSERT_NE(copy, morning);
    EXPECT_EQ(copy->GetPrecedenceRelations().GetCount(), 2);
    EXPECT_EQ(copy->GetPrecedenceRelations().Get(1)->GetPrecedents().Get(0)->GetTask(), shower);
}

TEST_F(ModelCommandsTest, DuplicateOnAnythingButAProfileDoesNothing)
{
    int nodes = CountNodes();
    view.setCurrentItem(nullptr);
    commands.DuplicateProfile();
    for (auto path : { std::initializer_list<const char*> { "Persons", "Anna" },
             { "Persons", "Anna", "Tasks", "Shower" }, { "Resources", "Car" }, { "Persons", "Anna", "Profiles" } }) {
        Select(path);
        commands.DuplicateProfile();
    }
    EXPECT_EQ(anna->GetProfiles().GetCount(), 1);
    EXPECT_EQ(CountNodes(), nodes);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ModelCommandsTest, PropertiesWithNothingOrAGroupSelectedOpensNothing)
{
    view.setCurrentItem(nullptr);
    commands.Properties();
    Select({ "Persons", "Anna", "Tasks" });
    commands.Properties();
    EXPECT_EQ(editor.shown, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ModelCommandsTest, InsertPersonCancelledLeavesNoTrace)
{
    editor.outcome = EditOutcome::Cancel;
    int nodes = CountNodes();
    commands.InsertPerson();
    EXPECT_EQ(editor.shown, 1);
    EXPECT_EQ(model.GetPersons().GetCount(), 2);
    EXPECT_EQ(CountNodes(), nodes);
}

TEST_F(ModelCommandsTest, InsertPersonOpensOnTheDefaultNameAndAddsItSorted)
{
    editor.typedName = "Aaron";
    commands.InsertPerson();
    ASSERT_EQ(model.GetPersons().GetCount(), 3);
    EXPECT_STREQ(model.GetPersons().Get(0)->GetName(), "Aaron");
    EXPECT_EQ(Children(Node({ "Persons" })), QStringList({ "Aaron", "Anna", "Ben" }));
    EXPECT_EQ(Children(Node({ "Persons", "Aaron" })), QStringList({ "Tasks", "Profiles" }));
}

TEST_F(ModelCommandsTest, InsertResourceAddsAResourceWithAmountOne)
{
    editor.typedName = "Kitchen";
    commands.InsertResource();
    EXPECT_EQ(Children(Node({ "Resources" })), QStringList({ "Bathroom", "Car", "Kitchen" }));
    EXPECT_EQ(model.GetResources().Get(2)->GetAmount(), 1);
}

TEST_F(ModelCommandsTest, InsertTaskFindsThePersonFromATaskNodeOrItsProfilesGroup)
{
    editor.typedName = "Dress";
    Select({ "Persons", "Ben", "Tasks", "Drive" });
    commands.InsertTask();
    Select({ "Persons", "Ben", "Profiles" });
    editor.typedName = "Coffee";
    commands.InsertTask();
    EXPECT_EQ(Children(Node({ "Persons", "Ben", "Tasks" })), QStringList({ "Coffee", "Dress", "Drive" }));
    EXPECT_EQ(ben->GetTasks().Get(0)->GetOwner(), ben);
    EXPECT_EQ(anna->GetTasks().GetCount(), 2);
}

TEST_F(ModelCommandsTest, InsertTaskUnderResourcesAsksForAPersonAndCreatesNothing)
{
    Select({ "Resources", "Car" });
    commands.InsertTask();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select a person first.");
    EXPECT_EQ(boxes[0].icon, MessageBox::Icon::Stop);
    EXPECT_EQ(boxes[0].buttons, MessageBox::Buttons::Ok);
    EXPECT_EQ(editor.shown, 0);
}

TEST_F(ModelCommandsTest, InsertProfileWithNothingSelectedAsksForAPerson)
{
    view.setCurrentItem(nullptr);
    commands.InsertProfile();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select a person first.");
    EXPECT_EQ(anna->GetProfiles().GetCount(), 1);
}

TEST_F(ModelCommandsTest, InsertProfileCancelledDestroysTheNewProfile)
{
    editor.outcome = EditOutcome::Cancel;
    Select({ "Persons", "Anna" });
    commands.InsertProfile();
    EXPECT_EQ(editor.shown, 1);
    EXPECT_EQ(anna->GetProfiles().GetCount(), 1);
    EXPECT_EQ(Children(Node({ "Persons", "Anna", "Profiles" })), QStringList({ "Morning" }));
}

TEST_F(ModelCommandsTest, RenameShowsAtOnceAndMovesOnlyAtTheNextRefresh)
{
    Select({ "Persons", "Anna" });
    editor.typedName = "Zoe";
    commands.Properties();
    EXPECT_EQ(Children(Node({ "Persons" })), QStringList({ "Zoe", "Ben" }));
    view.OnRefresh();
    EXPECT_EQ(Children(Node({ "Persons" })), QStringList({ "Ben", "Zoe" }));
}

TEST_F(ModelCommandsTest, DoubleClickOpensThePropertiesOfAnEntityAndKeepsItsExpansion)
{
    QObject::connect(&view, &MainView::PropertiesRequested, [this] { commands.Properties(); });
    view.show();
    QTreeWidgetItem* anna = Node({ "Persons", "Anna" });
    view.setCurrentItem(anna);
    DoubleClick(view, anna);
    EXPECT_EQ(editor.shown, 1);
    EXPECT_TRUE(anna->isExpanded());
    QTreeWidgetItem* group = Node({ "Persons", "Anna", "Tasks" });
    view.setCurrentItem(group);
    DoubleClick(view, group);
    EXPECT_EQ(editor.shown, 1);
    EXPECT_TRUE(group->isExpanded());
}

TEST_F(ModelCommandsTest, InsertLeavesTheSelectionOnTheNewItem)
{
    Select({ "Persons", "Ben" });
    editor.typedName = "Coffee";
    commands.InsertTask();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Ben", "Tasks", "Coffee" }));
    editor.typedName = "Aaron";
    commands.InsertPerson();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Aaron" }));
    editor.typedName = "Garage";
    commands.InsertResource();
    EXPECT_EQ(view.currentItem(), Node({ "Resources", "Garage" }));
}

TEST_F(ModelCommandsTest, DuplicateLeavesTheSelectionOnTheCopy)
{
    Select({ "Persons", "Anna", "Profiles", "Morning" });
    commands.DuplicateProfile();
    EXPECT_EQ(MainView::GetEntity(view.currentItem()), anna->GetProfiles().GetLast());
    EXPECT_NE(view.currentItem(), Node({ "Persons", "Anna", "Profiles", "Morning" }));
}

TEST_F(ModelCommandsTest, DeleteLeavesTheSelectionOnTheNextItemElseThePreviousElseTheParent)
{
    Select({ "Persons", "Anna", "Tasks", "Breakfast" });
    commands.Delete();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Anna", "Tasks", "Shower" }));

    build.AddTask(anna, "Walk");
    anna->SortTasks();
    document.UpdateAllViews();
    Select({ "Persons", "Anna", "Tasks", "Walk" });
    commands.Delete();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Anna", "Tasks", "Shower" }));

    Select({ "Persons", "Anna", "Profiles", "Morning" });
    commands.Delete();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Anna", "Profiles" }));

    Select({ "Persons", "Ben" });
    commands.Delete();
    EXPECT_EQ(view.currentItem(), Node({ "Persons", "Anna" }));
}
