#include "toolbox/NewOwned.h"

#include "AllocationFailure.h"
#include "CountedValue.h"
#include "toolbox/ArrayList.h"
#include "toolbox/StringKeyHashMap.h"

#include <gtest/gtest.h>

#include <memory>

using toolbox::AddOwned;
using toolbox::ArrayList;
using toolbox::EOutOfMemory;
using toolbox::PutOwned;
using toolbox::StringKeyHashMap;

namespace {

class OwnedHandOver : public CountedValueTest { };

// A list filled to its capacity, so that the next Add has to grow it.
void FillToCapacity(ArrayList<CountedValue>& list)
{
    while (list.GetCount() < list.GetCapacity())
        AddOwned(list, std::make_unique<CountedValue>());
}

} // namespace

TEST_F(OwnedHandOver, AddOwnedAnswersTheObjectTheListNowOwns)
{
    ArrayList<CountedValue> list;
    CountedValue& added = AddOwned(list, std::make_unique<CountedValue>(7));
    EXPECT_EQ(list.GetLast(), &added);
    EXPECT_EQ(added.GetKey(), 7);
}

TEST_F(OwnedHandOver, AnObjectTheListCannotTakeIsFreed)
{
    ArrayList<CountedValue> list;
    FillToCapacity(list);
    const int held = list.GetCount();
    {
        AllocationFailure failure(0);
        EXPECT_THROW(AddOwned(list, std::make_unique<CountedValue>()), EOutOfMemory);
    }
    EXPECT_EQ(CountedValue::Alive(), held);
}

TEST_F(OwnedHandOver, PutOwnedAnswersTheValueTheMapNowOwns)
{
    StringKeyHashMap<CountedValue> map;
    CountedValue& put = PutOwned(map, "key", std::make_unique<CountedValue>(1));
    EXPECT_EQ(map.Get("key"), &put);
}

TEST_F(OwnedHandOver, AValueTheMapCannotTakeIsFreed)
{
    StringKeyHashMap<CountedValue> map;
    {
        AllocationFailure failure(0);
        EXPECT_THROW(PutOwned(map, "key", std::make_unique<CountedValue>()), EOutOfMemory);
    }
    EXPECT_EQ(map.Get("key"), nullptr);
    EXPECT_EQ(CountedValue::Alive(), 0);
}
