#include "AllocationFailure.h"
#include "CountedValue.h"

#include "toolbox/ArrayList.h"

#include <gtest/gtest.h>

#include <vector>

using toolbox::ArrayList;

namespace {

// Counts live instances so that every test can check that each element is
// destroyed exactly once.
struct Tracked {
    static inline int alive = 0;
    int key;
    explicit Tracked(int key = 0)
        : key(key)
    {
        ++alive;
    }
    ~Tracked() { --alive; }
};

int CompareKeys(Tracked* a, Tracked* b)
{
    return a->key < b->key ? -1 : (a->key > b->key ? 1 : 0);
}

class ArrayListTest : public ::testing::Test {
protected:
    void SetUp() override { Tracked::alive = 0; }
    void TearDown() override { EXPECT_EQ(Tracked::alive, 0); }
};

// Lists whose capacity changes meet exhausted memory or shrink from far
// above the minimum.
class ArrayListShrinkTest : public CountedValueTest {
protected:
    // Fills the list to `grownTo` elements, then removes from the end down
    // to `leftOver`, deleting what it removes.
    static void GrowThenShrink(ArrayList<CountedValue>& list, int grownTo, int leftOver)
    {
        for (int i = 0; i < grownTo; ++i)
            list.Add(new CountedValue(i));
        while (list.GetCount() > leftOver)
            list.DeleteLast();
    }

    static bool HoldsKeysInOrder(const ArrayList<CountedValue>& list, int first)
    {
        for (int i = 0; i < list.GetCount(); ++i) {
            if (list.Get(i)->GetKey() != first + i)
                return false;
        }
        return true;
    }
};

} // namespace

TEST_F(ArrayListTest, ConstructorRaisesSmallCapacityAndResetsInvalidPercentages)
{
    ArrayList<Tracked> list(4, 70, 50);
    EXPECT_EQ(list.GetCapacity(), 8);
    EXPECT_EQ(list.GetMinimumCapacity(), 8);
    EXPECT_EQ(list.GetMinimumFillPercent(), 30);
    EXPECT_EQ(list.GetTargetFillPercent(), 60);
}

TEST_F(ArrayListTest, GrowsThroughTheDocumentedCapacities)
{
    ArrayList<Tracked> list;
    int expected[][2] = { { 16, 16 }, { 17, 28 }, { 28, 28 }, { 29, 48 }, { 49, 81 }, { 82, 136 } };
    int added = 0;
    for (auto& [elements, capacity] : expected) {
        while (added < elements) {
            list.Add(new Tracked(added));
            ++added;
        }
        EXPECT_EQ(list.GetCapacity(), capacity) << "after " << elements << " elements";
    }
}

TEST_F(ArrayListTest, ShrinksInStepsButNeverBelowTheMinimum)
{
    ArrayList<Tracked> list;
    for (int i = 0; i < 17; ++i)
        list.Add(new Tracked(i));
    ASSERT_EQ(list.GetCapacity(), 28);
    int previous = list.GetCapacity();
    while (list.GetCount() > 0) {
        list.DeleteLast();
        EXPECT_LE(list.GetCapacity(), previous);
        EXPECT_GE(list.GetCapacity(), 16);
        previous = list.GetCapacity();
    }
    EXPECT_EQ(list.GetCapacity(), 16);
}

TEST_F(ArrayListTest, RemoveAllOnAWellFilledListKeepsItsCapacity)
{
    ArrayList<Tracked> list;
    for (int i = 0; i < 20; ++i)
        list.Add(new Tracked(i));
    list.DeleteAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCapacity(), 28);
}

TEST_F(ArrayListTest, InsertAcceptsOnlyPositionsUpToCount)
{
    ArrayList<Tracked> list;
    list.Add(new Tracked(1));
    auto* appended = new Tracked(2);
    list.Insert(appended, 1);
    EXPECT_EQ(list.GetLast(), appended);

    Tracked beyond(3), before(4);
    list.Insert(&beyond, 3);
    list.Insert(&before, -1);
    EXPECT_EQ(list.GetCount(), 2);

    auto* front = new Tracked(0);
    list.Insert(front, 0);
    EXPECT_EQ(list.GetFirst(), front);
    EXPECT_EQ(list.Get(1)->key, 1);
}

TEST_F(ArrayListTest, OutOfRangeAccessGivesNull)
{
    ArrayList<Tracked> list;
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetLast(), nullptr);
    EXPECT_EQ(list.PopLast(), nullptr);
    EXPECT_EQ(list.RemoveAt(0), nullptr);
    EXPECT_FALSE(list.DeleteAt(-1));
    EXPECT_FALSE(list.DeleteLast());
    list.Add(new Tracked);
    EXPECT_EQ(list.Get(1), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
}

TEST_F(ArrayListTest, RemoveHandsTheElementBackWhileDeleteDestroysIt)
{
    ArrayList<Tracked> list;
    auto* kept = new Tracked(1);
    auto* deleted = new Tracked(2);
    list.Add(kept);
    list.Add(deleted);
    list.Add(nullptr);

    EXPECT_EQ(list.Remove(kept), kept);
    EXPECT_EQ(Tracked::alive, 2);
    EXPECT_TRUE(list.Delete(deleted));
    EXPECT_EQ(Tracked::alive, 1);
    EXPECT_EQ(list.Remove(kept), nullptr);
    EXPECT_FALSE(list.Delete(kept));
    EXPECT_EQ(list.GetCount(), 1);
    delete kept;
}

TEST_F(ArrayListTest, DestructorDeletesEveryElementOnce)
{
    {
        ArrayList<Tracked> list;
        for (int i = 0; i < 50; ++i)
            list.Add(new Tracked(i));
        list.Add(nullptr);
        EXPECT_EQ(Tracked::alive, 50);
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST_F(ArrayListTest, SortIsTheUnstableSelectionSort)
{
    ArrayList<Tracked> list;
    auto* b1 = new Tracked(2);
    auto* b2 = new Tracked(2);
    auto* a = new Tracked(1);
    list.Add(b1);
    list.Add(b2);
    list.Add(a);
    list.Sort(CompareKeys);
    EXPECT_EQ(list.Get(0), a);
    EXPECT_EQ(list.Get(1), b2);
    EXPECT_EQ(list.Get(2), b1);
}

TEST_F(ArrayListTest, DefaultOrderAndContainsUseAddresses)
{
    Tracked pair[2];
    ArrayList<Tracked> list;
    list.Add(&pair[1]);
    list.Add(&pair[0]);
    list.Sort();
    EXPECT_EQ(list.Get(0), &pair[0]);
    EXPECT_TRUE(list.Contains(&pair[1]));
    Tracked other(0);
    EXPECT_FALSE(list.Contains(&other));
    EXPECT_TRUE(list.Contains(&other, CompareKeys));
    list.RemoveAll();
}

TEST_F(ArrayListTest, ACapacityOfTwoToTheThirtyCountsAsExhaustion)
{
    EXPECT_THROW(ArrayList<Tracked>(1 << 30), toolbox::EOutOfMemory);
}

TEST_F(ArrayListShrinkTest, RemoveAllFromAFormerlyLargeListShrinksToTheMinimumWithoutOverrunningIt)
{
    // Removing from the end leaves each of these lists under-filled (a
    // removal shrinks only when the count before it is under 30 %) while it
    // still holds more elements than the 16 slots RemoveAll shrinks to.
    const int grownToAndLeftOver[][2] = { { 49, 24 }, { 82, 40 }, { 137, 68 } };
    for (auto [grownTo, leftOver] : grownToAndLeftOver) {
        ArrayList<CountedValue> list;
        GrowThenShrink(list, grownTo, leftOver);
        ASSERT_LT(leftOver * 100 / list.GetCapacity(), 30) << grownTo;
        std::vector<CountedValue*> held(list.begin(), list.end());
        list.RemoveAll();
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(list.GetCapacity(), 16);
        for (CountedValue* value : held)
            delete value;
    }
}

TEST_F(ArrayListShrinkTest, RemoveAtKeepsTheLargerArrayWhenShrinkingFindsNoMemory)
{
    ArrayList<CountedValue> list;
    GrowThenShrink(list, 17, 8);
    ASSERT_EQ(list.GetCapacity(), 28);
    CountedValue* removed = nullptr;
    {
        AllocationFailure exhausted(0);
        EXPECT_NO_THROW(removed = list.RemoveAt(0));
        EXPECT_TRUE(exhausted.Struck());
    }
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->GetKey(), 0);
    delete removed;
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(list.GetCapacity(), 28);
    EXPECT_TRUE(HoldsKeysInOrder(list, 1));
}

TEST_F(ArrayListShrinkTest, PopLastAndDeleteAllKeepTheLargerArrayWhenShrinkingFindsNoMemory)
{
    ArrayList<CountedValue> list;
    GrowThenShrink(list, 17, 8);
    {
        AllocationFailure exhausted(0);
        CountedValue* last = nullptr;
        EXPECT_NO_THROW(last = list.PopLast());
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->GetKey(), 7);
        delete last;
        EXPECT_NO_THROW(list.DeleteAll());
        EXPECT_TRUE(exhausted.Struck());
    }
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(CountedValue::Alive(), 0);
}

TEST_F(ArrayListShrinkTest, GrowingWithoutMemoryRaisesAndLeavesTheListAsItWas)
{
    ArrayList<CountedValue> list;
    GrowThenShrink(list, 16, 16);
    auto* extra = new CountedValue(16);
    {
        AllocationFailure exhausted(0);
        EXPECT_THROW(list.Add(extra), toolbox::EOutOfMemory);
        EXPECT_THROW(list.Insert(extra, 0), toolbox::EOutOfMemory);
    }
    EXPECT_EQ(list.GetCount(), 16);
    EXPECT_TRUE(HoldsKeysInOrder(list, 0));
    delete extra;
}
