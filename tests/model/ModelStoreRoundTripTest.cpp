#include "BuiltModel.h"
#include "ModelDescription.h"

#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Generates valid models: every reference points into the model, a profile
// executes a task at most once, and precedents are tasks the profile runs.
class ModelGenerator {
public:
    ModelGenerator(unsigned seed, std::vector<std::string> namePool)
        : random(seed)
        , names(std::move(namePool))
    {
    }

    void Fill(BuiltModel& built)
    {
        std::vector<Resource*> resources;
        for (int i = Below(5); i > 0; --i)
            resources.push_back(built.AddResource(Name().c_str(), Below(2000) - 1000));
        for (int p = Below(4); p > 0; --p) {
            Person* person = built.AddPerson(Name().c_str());
            std::vector<Task*> tasks;
            for (int t = Below(6); t > 0; --t) {
                Task* task = built.AddTask(person, Name().c_str(), Below(600) - 60);
                for (Resource* resource : Some(resources))
                    task->GetRequiredResources().Add(resource);
                tasks.push_back(task);
            }
            for (int f = Below(4); f > 0; --f)
                AddProfile(built, person, tasks);
        }
    }

private:
    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); }
    std::string Name() { return names[Below(static_cast<int>(names.size()))]; }

    template <typename T> std::vector<T*> Some(const std::vector<T*>& all)
    {
        std::vector<T*> chosen;
        for (T* item : all) {
            if (Below(3) == 0)
                chosen.push_back(item);
        }
        std::shuffle(chosen.begin(), chosen.end(), random);
        return chosen;
    }

    void AddProfile(BuiltModel& built, Person* person, const std::vector<Task*>& tasks)
    {
        Profile* profile = built.AddProfile(person, Name().c_str(), Below(1440));
        std::vector<Task*> executed = Some(tasks);
        for (Task* task : executed) {
            PrecedenceRelation* relation = built.Execute(profile, task);
            for (Task* earlier : Some(executed)) {
                if (earlier != task)
                    built.Precede(relation, earlier, Below(30), Below(2) == 0 ? 32767 : 30 + Below(300));
            }
        }
    }

    std::mt19937 random;
    std::vector<std::string> names;
};

std::string SaveToText(const PlanningModel& model)
{
    toolbox::Config config;
    ModelStore::Save(model, config.GetRootSection());
    toolbox::ConfigTextWriter writer;
    EXPECT_TRUE(config.WriteTo(writer));
    return writer.GetText();
}

void LoadFromText(const std::string& text, PlanningModel& model)
{
    toolbox::Config config;
    ASSERT_TRUE(config.Parse(text.c_str()));
    ModelStore::Load(model, config.GetRootSection());
}

// The name with every trailing " (n)" taken off, so that an original name and
// the numbered name it was stored under compare equal.
std::string WithoutNumber(const char* name)
{
    std::string text = name;
    for (;;) {
        std::size_t open = text.rfind(" (");
        if (open == std::string::npos || text.back() != ')')
            return text;
        text.erase(open);
    }
}

template <typename T> bool NamesAreUnique(const toolbox::ArrayList<T>& list)
{
    std::set<std::string> seen;
    for (int i = 0; i < list.GetCount(); ++i) {
        if (!seen.insert(list.Get(i)->GetName()).second)
            return false;
    }
    return true;
}

bool AllNamesUnique(const PlanningModel& model)
{
    bool unique = NamesAreUnique(model.GetResources()) && NamesAreUnique(model.GetPersons());
    for (int i = 0; i < model.GetPersons().GetCount(); ++i) {
        Person* person = model.GetPersons().Get(i);
        unique = unique && NamesAreUnique(person->GetTasks()) && NamesAreUnique(person->GetProfiles());
    }
    return unique;
}

} // namespace

TEST(ModelStoreRoundTripTest, ModelsWithDistinctNamesComeBackEqual)
{
    for (unsigned seed = 1; seed <= 150; ++seed) {
        std::vector<std::string> pool;
        for (int i = 0; i < 400; ++i)
            pool.push_back("n" + std::to_string(i) + (i % 3 == 0 ? " <x>/\\y" : ""));
        std::shuffle(pool.begin(), pool.end(), std::mt19937(seed));
        BuiltModel built;
        // Taking names from the front of a shuffled pool keeps them distinct.
        ModelGenerator(seed, std::vector<std::string>(pool.begin(), pool.begin() + 1)).Fill(built);
        std::size_t next = 0;
        auto rename = [&](TreeItem* item) { item->SetName(pool[next++].c_str()); };
        for (int r = 0; r < built.model.GetResources().GetCount(); ++r)
            rename(built.model.GetResources().Get(r));
        for (int p = 0; p < built.model.GetPersons().GetCount(); ++p) {
            Person* person = built.model.GetPersons().Get(p);
            rename(person);
            for (int t = 0; t < person->GetTasks().GetCount(); ++t)
                rename(person->GetTasks().Get(t));
            for (int f = 0; f < person->GetProfiles().GetCount(); ++f)
                rename(person->GetProfiles().Get(f));
        }
        PlanningModel loaded;
        LoadFromText(SaveToText(built.model), loaded);
        EXPECT_EQ(Describe(built.model), Describe(loaded)) << "seed " << seed;
    }
}

TEST(ModelStoreRoundTripTest, ModelsWithEqualNamesKeepEveryEntityAndReference)
{
    const std::vector<std::string> pool { "A", "a", "A (2)", "", "Morning", " x " };
    for (unsigned seed = 1; seed <= 300; ++seed) {
        BuiltModel built;
        ModelGenerator(seed, pool).Fill(built);
        std::string text = SaveToText(built.model);
        PlanningModel loaded;
        LoadFromText(text, loaded);
        EXPECT_TRUE(AllNamesUnique(loaded)) << "seed " << seed;
        EXPECT_EQ(Describe(built.model, WithoutNumber), Describe(loaded, WithoutNumber)) << "seed " << seed;
        // Once stored apart, the names come back exactly.
        PlanningModel reloaded;
        LoadFromText(SaveToText(loaded), reloaded);
        EXPECT_EQ(Describe(loaded), Describe(reloaded)) << "seed " << seed;
    }
}
