#include "planning/PlanRandom.h"

#include <gtest/gtest.h>

TEST(PlanRandom, SeedOneGivesTheClassicFifteenBitSequence)
{
    PlanRandom random(1);
    const int expected[] = { 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358 };
    for (int value : expected)
        EXPECT_EQ(random.Draw(), value);
}

TEST(PlanRandom, DrawAdvancesTheStateBeforeReadingBitsSixteenToThirty)
{
    PlanRandom random(0);
    const unsigned state = 0u * 214013u + 2531011u;
    EXPECT_EQ(random.Draw(), static_cast<int>((state >> 16) & 0x7FFF));
}

TEST(PlanRandom, ReseedingRestartsTheSequence)
{
    PlanRandom random(12345);
    int first = random.Draw();
    int second = random.Draw();
    random.Seed(12345);
    EXPECT_EQ(random.Draw(), first);
    EXPECT_EQ(random.Draw(), second);
}

TEST(PlanRandom, DrawsStayWithinFifteenBitsForLargeSeeds)
{
    PlanRandom random(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int value = random.Draw();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, PlanRandom::MaximumDraw);
    }
}

TEST(PlanRandom, ChooseTakesTheDrawModuloTheCount)
{
    PlanRandom random(77);
    PlanRandom mirror(77);
    for (int count = 1; count < 10; ++count)
        EXPECT_EQ(random.Choose(count), mirror.Draw() % count);
}
