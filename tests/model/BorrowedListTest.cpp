#include "model/BorrowedList.h"

#include <gtest/gtest.h>

namespace {

// Counts its destructions, so a test sees whether the list destroyed it.
struct Element {
    ~Element() { ++destroyed; }
    static inline int destroyed = 0;
};

class BorrowedListTest : public ::testing::Test {
protected:
    void SetUp() override { Element::destroyed = 0; }

    Element first;
    Element second;
    Element third;
};

} // namespace

TEST_F(BorrowedListTest, NeitherEmptyingNorDestroyingTheListDestroysAnElement)
{
    {
        BorrowedList<Element> list;
        list.Add(&first);
        list.Add(&second);
        list.RemoveAll();
        EXPECT_EQ(list.GetCount(), 0);
        list.Add(&third);
    }
    EXPECT_EQ(Element::destroyed, 0);
}

TEST_F(BorrowedListTest, RemoveTakesOutTheFirstEntryOfTheElementAndHandsItBack)
{
    BorrowedList<Element> list;
    list.Add(&first);
    list.Add(&second);
    list.Add(&first);

    EXPECT_EQ(list.Remove(&first), &first);

    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.Get(0), &second);
    EXPECT_EQ(list.Get(1), &first);
    EXPECT_EQ(Element::destroyed, 0);
}

TEST_F(BorrowedListTest, RemovingAnAbsentElementChangesNothing)
{
    BorrowedList<Element> list;
    list.Add(&first);
    EXPECT_EQ(list.Remove(&second), nullptr);
    EXPECT_EQ(list.RemoveAt(5), nullptr);
    EXPECT_EQ(list.GetCount(), 1);
}
