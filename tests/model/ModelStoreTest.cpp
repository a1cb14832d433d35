#include "BuiltModel.h"
#include "ModelDescription.h"

#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <gtest/gtest.h>

#include <string>

using toolbox::Config;
using toolbox::ConfigSection;

namespace {

std::string Text(const Config& config)
{
    toolbox::ConfigTextWriter writer;
    EXPECT_TRUE(config.WriteTo(writer));
    return writer.GetText();
}

class ModelStoreTest : public ::testing::Test {
protected:
    ConfigSection& Root() { return config.GetRootSection(); }
    ConfigSection& PersonSection(const char* name) { return Root().GetSection("Persons").GetSection(name); }

    // Loads the text into a fresh model.
    void LoadText(const char* text)
    {
        ASSERT_TRUE(config.Parse(text));
        ModelStore::Load(loaded, Root());
    }

    void SaveAndReload()
    {
        ModelStore::Save(built.model, Root());
        std::string text = Text(config);
        Config reread;
        ASSERT_TRUE(reread.Parse(text.c_str()));
        ModelStore::Load(loaded, reread.GetRootSection());
    }

    Config config;
    BuiltModel built;
    PlanningModel loaded;
};

} // namespace

TEST_F(ModelStoreTest, EmptyTreeGivesEmptyModelAndLeavesBothSections)
{
    ModelStore::Load(loaded, Root());
    EXPECT_EQ(0, loaded.GetPersons().GetCount());
    EXPECT_EQ(0, loaded.GetResources().GetCount());
    EXPECT_EQ("<Persons>\r\n</Persons>\r\n\r\n<Resources>\r\n</Resources>\r\n", Text(config));
}

TEST_F(ModelStoreTest, MissingNumbersLoadWithTheirDefaultsAndAreAddedToTheTree)
{
    LoadText("<Resources><Car></Car></Resources>"
             "<Persons><Ann><Tasks><Drive></Drive><Walk></Walk></Tasks>"
             "<Profiles><Day><PrecedenceRelations><Drive><PrecedentTasks><Walk></Walk></PrecedentTasks></Drive>"
             "</PrecedenceRelations></Day></Profiles></Ann></Persons>");
    EXPECT_EQ(1, loaded.GetResources().Get(0)->GetAmount());
    Person* ann = loaded.GetPersons().Get(0);
    EXPECT_EQ(0, ann->GetTasks().Get(0)->GetDuration());
    Profile* day = ann->GetProfiles().Get(0);
    EXPECT_EQ(0, day->GetEndTime());
    PrecedentTask* walkFirst = day->GetPrecedenceRelations().Get(0)->GetPrecedents().Get(0);
    EXPECT_EQ(0, walkFirst->GetMinimumTime());
    EXPECT_EQ(32767, walkFirst->GetMaximumTime());
    EXPECT_EQ(1, Root().GetSection("Resources").GetSection("Car").GetParameterCount());
    EXPECT_EQ(toolbox::ParameterType::Long,
        PersonSection("Ann").GetSection("Profiles").GetSection("Day").GetParameter("EndTime").GetType());
}

TEST_F(ModelStoreTest, NumbersAreReadFromTheirLeadingDigits)
{
    LoadText("<Resources><Car><Amount>3 cars</></Car></Resources>"
             "<Persons><Ann><Tasks><Drive><Duration>-45</></Drive></Tasks></Ann></Persons>");
    EXPECT_EQ(3, loaded.GetResources().Get(0)->GetAmount());
    EXPECT_EQ(-45, loaded.GetPersons().Get(0)->GetTasks().Get(0)->GetDuration());
}

TEST_F(ModelStoreTest, EntitiesComeBackSortedByName)
{
    LoadText("<Resources><b></b><C></C><a></a></Resources>"
             "<Persons><Zoe><Tasks><y></y><X></X></Tasks><Profiles><n></n><M></M></Profiles></Zoe><amy></amy>"
             "</Persons>");
    EXPECT_STREQ("a", loaded.GetResources().Get(0)->GetName());
    EXPECT_STREQ("b", loaded.GetResources().Get(1)->GetName());
    EXPECT_STREQ("C", loaded.GetResources().Get(2)->GetName());
    EXPECT_STREQ("amy", loaded.GetPersons().Get(0)->GetName());
    Person* zoe = loaded.GetPersons().Get(1);
    EXPECT_STREQ("X", zoe->GetTasks().Get(0)->GetName());
    EXPECT_STREQ("M", zoe->GetProfiles().Get(0)->GetName());
}

TEST_F(ModelStoreTest, ReferenceInOtherLetterCaseMatchesNothing)
{
    LoadText("<Resources><Car></Car></Resources>"
             "<Persons><Ann><Tasks><Drive><RequiredResources><car></car><Car></Car></RequiredResources></Drive>"
             "</Tasks></Ann></Persons>");
    const auto& required = loaded.GetPersons().Get(0)->GetTasks().Get(0)->GetRequiredResources();
    ASSERT_EQ(1, required.GetCount());
    EXPECT_EQ(loaded.GetResources().Get(0), required.Get(0));
}

TEST_F(ModelStoreTest, RelationAndPrecedentNamingNoTaskOfThePersonAreDropped)
{
    LoadText("<Persons>"
             "<Ann><Tasks><Cook></Cook></Tasks><Profiles><Day><PrecedenceRelations>"
             "<Shop><PrecedentTasks></PrecedentTasks></Shop>"
             "<Cook><PrecedentTasks><Dance></Dance><Shop></Shop></PrecedentTasks></Cook>"
             "</PrecedenceRelations></Day></Profiles></Ann>"
             "<Bob><Tasks><Shop></Shop><Dance></Dance></Tasks></Bob>"
             "</Persons>");
    Profile* day = loaded.GetPersons().Get(0)->GetProfiles().Get(0);
    ASSERT_EQ(1, day->GetPrecedenceRelations().GetCount());
    PrecedenceRelation* cook = day->GetPrecedenceRelations().Get(0);
    EXPECT_STREQ("Cook", cook->GetTask()->GetName());
    EXPECT_EQ(0, cook->GetPrecedents().GetCount());
}

TEST_F(ModelStoreTest, LoadReplacesTheModelThatWasThere)
{
    built.AddPerson("Old");
    LoadText("<Persons><New></New></Persons>");
    ModelStore::Load(built.model, Root());
    ASSERT_EQ(1, built.model.GetPersons().GetCount());
    EXPECT_STREQ("New", built.model.GetPersons().Get(0)->GetName());
}

TEST_F(ModelStoreTest, SaveWritesEveryLayoutSectionEvenWhenEmpty)
{
    Resource* car = built.AddResource("Car", 2);
    Person* ann = built.AddPerson("Ann");
    Task* drive = built.AddTask(ann, "Drive", 20);
    drive->GetRequiredResources().Add(car);
    Task* walk = built.AddTask(ann, "Walk", 5);
    Profile* day = built.AddProfile(ann, "Day", 480);
    built.Execute(day, walk);
    built.Precede(built.Execute(day, drive), walk, 3, 40);
    ModelStore::Save(built.model, Root());
    EXPECT_EQ("<Persons>\r\n"
              "\t<Ann>\r\n"
              "\t\t<Profiles>\r\n"
              "\t\t\t<Day>\r\n"
              "\t\t\t\t<EndTime>480</>\r\n"
              "\r\n"
              "\t\t\t\t<PrecedenceRelations>\r\n"
              "\t\t\t\t\t<Drive>\r\n"
              "\t\t\t\t\t\t<PrecedentTasks>\r\n"
              "\t\t\t\t\t\t\t<Walk>\r\n"
              "\t\t\t\t\t\t\t\t<MaximumTime>40</>\r\n"
              "\t\t\t\t\t\t\t\t<MinimumTime>3</>\r\n"
              "\t\t\t\t\t\t\t</Walk>\r\n"
              "\t\t\t\t\t\t</PrecedentTasks>\r\n"
              "\t\t\t\t\t</Drive>\r\n"
              "\r\n"
              "\t\t\t\t\t<Walk>\r\n"
              "\t\t\t\t\t\t<PrecedentTasks>\r\n"
              "\t\t\t\t\t\t</PrecedentTasks>\r\n"
              "\t\t\t\t\t</Walk>\r\n"
              "\t\t\t\t</PrecedenceRelations>\r\n"
              "\t\t\t</Day>\r\n"
              "\t\t</Profiles>\r\n"
              "\r\n"
              "\t\t<Tasks>\r\n"
              "\t\t\t<Drive>\r\n"
              "\t\t\t\t<Duration>20</>\r\n"
              "\r\n"
              "\t\t\t\t<RequiredResources>\r\n"
              "\t\t\t\t\t<Car>\r\n"
              "\t\t\t\t\t</Car>\r\n"
              "\t\t\t\t</RequiredResources>\r\n"
              "\t\t\t</Drive>\r\n"
              "\r\n"
              "\t\t\t<Walk>\r\n"
              "\t\t\t\t<Duration>5</>\r\n"
              "\r\n"
              "\t\t\t\t<RequiredResources>\r\n"
              "\t\t\t\t</RequiredResources>\r\n"
              "\t\t\t</Walk>\r\n"
              "\t\t</Tasks>\r\n"
              "\t</Ann>\r\n"
              "</Persons>\r\n"
              "\r\n"
              "<Resources>\r\n"
              "\t<Car>\r\n"
              "\t\t<Amount>2</>\r\n"
              "\t</Car>\r\n"
              "</Resources>\r\n",
        Text(config));
}

TEST_F(ModelStoreTest, SaveReplacesBothSectionsAndKeepsTheOthers)
{
    LoadText("<MainFrame><XPos>5</></MainFrame>"
             "<Resources><Gone></Gone></Resources><Persons><Left><Tasks></Tasks></Left></Persons>");
    built.AddPerson("Stays");
    ModelStore::Save(built.model, Root());
    EXPECT_EQ(5, Root().GetSection("MainFrame").GetLong("XPos", 0));
    EXPECT_EQ(0, Root().GetSection("Resources").GetSectionCount());
    ASSERT_EQ(1, Root().GetSection("Persons").GetSectionCount());
    EXPECT_EQ(2, PersonSection("Stays").GetSectionCount());
}

TEST_F(ModelStoreTest, RenamedTaskIsStoredUnderItsNewNameEverywhere)
{
    Person* ann = built.AddPerson("Ann");
    Task* shop = built.AddTask(ann, "Shop", 30);
    Task* cook = built.AddTask(ann, "Cook", 60);
    Profile* day = built.AddProfile(ann, "Day");
    built.Execute(day, shop);
    built.Precede(built.Execute(day, cook), shop);
    shop->SetName("Market");
    SaveAndReload();
    EXPECT_EQ(Describe(built.model), Describe(loaded));
    EXPECT_EQ(std::string::npos, Text(config).find("Shop"));
}

TEST_F(ModelStoreTest, UnchangedModelSurvivesSaveAndLoad)
{
    Resource* car = built.AddResource("Car", 1);
    Resource* oven = built.AddResource("Oven", 4);
    Person* ann = built.AddPerson("Ann");
    Person* bob = built.AddPerson("bob");
    Task* cook = built.AddTask(ann, "Cook", 45);
    cook->GetRequiredResources().Add(oven);
    cook->GetRequiredResources().Add(car);
    Task* eat = built.AddTask(ann, "Eat", 20);
    Task* drive = built.AddTask(bob, "Drive", 15);
    drive->GetRequiredResources().Add(car);
    Profile* evening = built.AddProfile(ann, "Evening", 1110);
    built.Execute(evening, cook);
    built.Precede(built.Execute(evening, eat), cook, 0, 10);
    built.Execute(built.AddProfile(bob, "Morning", 480), drive);
    built.AddProfile(bob, "Empty", 0);
    SaveAndReload();
    EXPECT_EQ(Describe(built.model), Describe(loaded));
}

TEST_F(ModelStoreTest, EqualProfileNamesNoLongerMergeWhenStored)
{
    Person* ann = built.AddPerson("Ann");
    Task* wash = built.AddTask(ann, "Wash", 10);
    Task* dress = built.AddTask(ann, "Dress", 5);
    Profile* morning = built.AddProfile(ann, "Morning", 450);
    built.Execute(morning, wash);
    std::unique_ptr<Profile> copy = morning->Duplicate();
    copy->SetEndTime(500);
    built.Execute(copy.get(), dress);
    ann->AddProfile(std::move(copy));
    SaveAndReload();
    ConfigSection& profiles = PersonSection("Ann").GetSection("Profiles");
    EXPECT_EQ(2, profiles.GetSectionCount());
    EXPECT_EQ(450, profiles.GetSection("Morning").GetLong("EndTime", 0));
    EXPECT_EQ(500, profiles.GetSection("Morning (2)").GetLong("EndTime", 0));
    Person* reloaded = loaded.GetPersons().Get(0);
    ASSERT_EQ(2, reloaded->GetProfiles().GetCount());
    EXPECT_EQ(1, reloaded->GetProfiles().Get(0)->GetPrecedenceRelations().GetCount());
    EXPECT_EQ(2, reloaded->GetProfiles().Get(1)->GetPrecedenceRelations().GetCount());
}

TEST_F(ModelStoreTest, ReferencesToTheSecondOfEqualNamesUseItsStoredName)
{
    built.AddResource("Car", 1);
    Resource* secondCar = built.AddResource("Car", 7);
    Person* ann = built.AddPerson("Ann");
    Task* first = built.AddTask(ann, "Go", 10);
    Task* second = built.AddTask(ann, "Go", 20);
    second->GetRequiredResources().Add(secondCar);
    Profile* day = built.AddProfile(ann, "Day");
    built.Execute(day, first);
    built.Precede(built.Execute(day, second), first, 1, 2);
    ModelStore::Save(built.model, Root());
    ConfigSection& tasks = PersonSection("Ann").GetSection("Tasks");
    std::unique_ptr<toolbox::PointeredList> required
        = tasks.GetSection("Go (2)").GetSection("RequiredResources").GetSubsectionNames();
    ASSERT_EQ(1, required->GetCount());
    EXPECT_STREQ("Car (2)", static_cast<const char*>(required->GetHead()->GetPointer()));
    EXPECT_EQ(0, tasks.GetSection("Go").GetSection("RequiredResources").GetSectionCount());
    ConfigSection& relations
        = PersonSection("Ann").GetSection("Profiles").GetSection("Day").GetSection("PrecedenceRelations");
    EXPECT_EQ(
        1, relations.GetSection("Go (2)").GetSection("PrecedentTasks").GetSection("Go").GetLong("MinimumTime", 0));
    SaveAndReload();
    auto suffixless = [](const char* name) {
        std::string text = name;
        std::size_t suffix = text.find(" (");
        return suffix == std::string::npos ? text : text.substr(0, suffix);
    };
    EXPECT_EQ(Describe(built.model), Describe(loaded, suffixless));
}

TEST_F(ModelStoreTest, SuffixSkipsNumbersThatAreNamesOfTheirOwn)
{
    built.AddResource("A", 1);
    built.AddResource("A", 2);
    built.AddResource("A (2)", 3);
    built.AddResource("A", 4);
    ModelStore::Save(built.model, Root());
    ConfigSection& resources = Root().GetSection("Resources");
    EXPECT_EQ(4, resources.GetSectionCount());
    EXPECT_EQ(1, resources.GetSection("A").GetLong("Amount", 0));
    EXPECT_EQ(2, resources.GetSection("A (3)").GetLong("Amount", 0));
    EXPECT_EQ(3, resources.GetSection("A (2)").GetLong("Amount", 0));
    EXPECT_EQ(4, resources.GetSection("A (4)").GetLong("Amount", 0));
}

TEST_F(ModelStoreTest, EqualNamesUnderDifferentParentsNeedNoSuffix)
{
    Person* ann = built.AddPerson("Ann");
    Person* bob = built.AddPerson("Bob");
    built.AddTask(ann, "Wash");
    built.AddTask(bob, "Wash");
    built.AddProfile(ann, "Wash");
    ModelStore::Save(built.model, Root());
    EXPECT_EQ(1, PersonSection("Ann").GetSection("Tasks").GetSectionCount());
    EXPECT_EQ(1, PersonSection("Bob").GetSection("Tasks").GetSectionCount());
    EXPECT_EQ(1, PersonSection("Ann").GetSection("Profiles").GetSectionCount());
    EXPECT_EQ(std::string::npos, Text(config).find("(2)"));
}
