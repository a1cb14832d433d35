#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PlanComputation.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(SampleHouseholdTest, PlanComputeFindsPlansForOneProfileOfEachPerson)
{
    PlanComputation computation;
    for (Person* person : model.GetPersons())
        computation.GetChosenProfiles().Add(person->GetProfiles().GetLast());
    for (std::uint32_t seed : { 1u, 7u, 20261208u }) {
        std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans = computation.ComputePlans(seed);
        ASSERT_NE(plans, nullptr);
        EXPECT_GT(plans->GetCount(), 0) << seed;
    }
    computation.GetChosenProfiles().RemoveAll();
}
