#include "toolbox/PointeredList.h"

#include "AllocationFailure.h"
#include "CountedValue.h"

#include "toolbox/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using toolbox::PointeredList;
using toolbox::PointeredListItem;

namespace {

std::vector<std::string> Texts(const PointeredList& list)
{
    std::vector<std::string> texts;
    for (PointeredListItem* item : list)
        texts.emplace_back(static_cast<const char*>(item->GetPointer()));
    return texts;
}

} // namespace

TEST(PointeredListTest, DeletingTheListLeavesThePointedObjectsAlive)
{
    CountedValue::Reset();
    CountedValue first;
    CountedValue second;
    {
        PointeredList list;
        list.AddPointer(&first);
        list.AddPointer(&second);
        EXPECT_EQ(list.GetCount(), 2);
        EXPECT_EQ(list.GetHead()->GetPointer(), &first);
    }
    EXPECT_EQ(CountedValue::Alive(), 2);
}

TEST(PointeredListTest, FindPointerFindsTheItemOfThatVeryObject)
{
    int a = 1;
    int b = 1;
    PointeredList list;
    list.AddPointer(&a);
    list.AddPointer(&b);
    EXPECT_EQ(list.FindPointer(&b), list.GetTail());
    EXPECT_EQ(list.FindPointer(nullptr), nullptr);
}

TEST(PointeredListTest, SortsTextsCaseInsensitivelyKeepingEqualNamesInOrder)
{
    char beta[] = "beta";
    char upperAlpha[] = "Alpha";
    char gamma[] = "Gamma";
    char lowerAlpha[] = "alpha";
    PointeredList list;
    for (char* text : { beta, upperAlpha, gamma, lowerAlpha })
        list.AddPointer(text);
    list.Sort(PointeredList::CompareStringsIgnoringCase);
    EXPECT_EQ(Texts(list), (std::vector<std::string> { "Alpha", "alpha", "beta", "Gamma" }));
}

TEST(PointeredListTest, AddPointerUnderExhaustionThrowsAndKeepsTheList)
{
    int value = 0;
    PointeredList list;
    list.AddPointer(&value);
    {
        AllocationFailure failure(0);
        EXPECT_THROW(list.AddPointer(&value), toolbox::EOutOfMemory);
        EXPECT_TRUE(failure.Struck());
    }
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead(), list.GetTail());
}
