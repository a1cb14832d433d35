#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanComputation.h"
#include "planning/TaskExecution.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// The defaults shipped beside the program, as a newcomer's first start reads them.
class SampleHouseholdTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(ORDOVAN_SAMPLE_FILE);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        text = file.readAll();
        ASSERT_TRUE(config.Parse(text.constData()));
        ModelStore::Load(model, config.GetRootSection());
    }

    // Plans for `chosen`, in that order, from one of several fixed seeds.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> Plan(const std::vector<Profile*>& chosen, std::uint32_t seed)
    {
        PlanComputation computation;
        for (Profile* profile : chosen)
            computation.ChooseProfile(*profile);
        return computation.ComputePlans(seed);
    }

    // Every way of choosing one profile for each person.
    std::vector<std::vector<Profile*>> OneProfilePerPerson()
    {
        std::vector<std::vector<Profile*>> choices { {} };
        for (Person* person : model.GetPersons()) {
            std::vector<std::vector<Profile*>> extended;
            for (const std::vector<Profile*>& choice : choices) {
                for (Profile* profile : person->GetProfiles()) {
                    extended.push_back(choice);
                    extended.back().push_back(profile);
                }
            }
            choices = extended;
        }
        return choices;
    }

    Person* Named(const char* name)
    {
        for (Person* person : model.GetPersons()) {
            if (std::strcmp(person->GetName(), name) == 0)
                return person;
        }
        return nullptr;
    }

    static const PersonalPlan* PlanOf(const CompletePlan& plan, const Person* person)
    {
        for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
            if (personal->GetProfile()->GetOwner() == person)
                return personal;
        }
        return nullptr;
    }

    static std::int32_t EndOf(const TaskExecution& execution)
    {
        return execution.GetStartTime() + execution.GetTask()->GetDuration();
    }

    static constexpr std::uint32_t seeds[] = { 1u, 7u, 20261208u };

    QByteArray text;
    toolbox::Config config;
    PlanningModel model;
};

} // namespace

TEST_F(SampleHouseholdTest, HoldsFourPersonsABathroomACarAndAKitchen)
{
    ASSERT_EQ(model.GetPersons().GetCount(), 4);
    ASSERT_EQ(model.GetResources().GetCount(), 3);
    EXPECT_STREQ(model.GetResources().Get(0)->GetName(), "Bathroom");
    EXPECT_STREQ(model.GetResources().Get(1)->GetName(), "Car");
    EXPECT_STREQ(model.GetResources().Get(2)->GetName(), "Kitchen");
}

TEST_F(SampleHouseholdTest, EveryTaskOfEveryProfileIsKnownAndEveryProfileHasPrecedences)
{
    for (Person* person : model.GetPersons()) {
        ASSERT_GT(person->GetProfiles().GetCount(), 0) << person->GetName();
        for (Profile* profile : person->GetProfiles()) {
            int precedents = 0;
            ASSERT_GE(profile->GetPrecedenceRelations().GetCount(), 2) << person->GetName();
            for (PrecedenceRelation* relation : profile->GetPrecedenceRelations())
                precedents += relation->GetPrecedents().GetCount();
            EXPECT_GT(precedents, 0) << profile->GetName();
            EXPECT_GT(profile->GetEndTime(), 7 * 60);
        }
    }
}

TEST_F(SampleHouseholdTest, IsStoredExactlyAsTheProgramWritesIt)
{
    toolbox::Config written;
    ModelStore::Save(model, written.GetRootSection());
    QTemporaryDir folder;
    QByteArray path = folder.filePath("sample.cfg").toLocal8Bit();
    ASSERT_TRUE(written.SaveFile(path.constData()));
    QFile file(QString::fromLocal8Bit(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), text);
}

TEST_F(SampleHouseholdTest, EveryProfileAloneGetsPlans)
{
    for (Person* person : model.GetPersons()) {
        for (Profile* profile : person->GetProfiles()) {
            for (std::uint32_t seed : seeds)
                EXPECT_GT(Plan({ profile }, seed)->GetCount(), 0) << person->GetName() << " " << profile->GetName();
        }
    }
}

TEST_F(SampleHouseholdTest, EveryChoiceOfOneProfilePerPersonGetsPlans)
{
    for (const std::vector<Profile*>& choice : OneProfilePerPerson()) {
        for (std::uint32_t seed : seeds)
            EXPECT_GT(Plan(choice, seed)->GetCount(), 0) << choice.front()->GetName() << ", seed " << seed;
    }
}

TEST_F(SampleHouseholdTest, TheSchoolRunLeavesOnlyWhenTheChildrenAreDone)
{
    const Person* ben = Named("Ben");
    ASSERT_NE(ben, nullptr);
    for (const std::vector<Profile*>& choice : OneProfilePerPerson()) {
        for (std::uint32_t seed : seeds) {
            const std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans = Plan(choice, seed);
            for (const CompletePlan* plan : *plans) {
                const TaskExecution* schoolRun = PlanOf(*plan, ben)->GetExecutions().GetLast();
                ASSERT_STREQ(schoolRun->GetTask()->GetName(), "Drive children to school");
                for (const char* child : { "Clara", "Leo" }) {
                    for (const TaskExecution* execution : PlanOf(*plan, Named(child))->GetExecutions())
                        EXPECT_LE(EndOf(*execution), schoolRun->GetStartTime()) << child;
                }
            }
        }
    }
}
