#include "toolbox/HashMap.h"

#include "CountedValue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

using toolbox::HashMap;
using toolbox::PointeredListItem;

namespace {

// Keys that are multiples of 8 hash to k * 1009, so with 16 buckets key k
// lands in bucket k % 16 and with 34 buckets in bucket 23 * k % 34.
const void* KeyOf(std::uintptr_t k)
{
    return reinterpret_cast<const void*>(k * 8);
}

std::vector<std::uintptr_t> KeyNumbers(const HashMap<CountedValue>& map)
{
    std::vector<std::uintptr_t> numbers;
    auto keys = map.ListKeys();
    for (PointeredListItem* item : *keys)
        numbers.push_back(reinterpret_cast<std::uintptr_t>(item->GetPointer()) / 8);
    return numbers;
}

void Fill(HashMap<CountedValue>& map, int first, int count)
{
    for (int k = first; k < first + count; ++k)
        map.Put(KeyOf(k), new CountedValue(k));
}

class HashMapTest : public CountedValueTest { };

} // namespace

TEST_F(HashMapTest, ConstructorReplacesUnusableSettingsWithTheDefaults)
{
    HashMap<CountedValue> zero(0, 9);
    EXPECT_EQ(zero.GetBucketCount(), 16);
    EXPECT_EQ(zero.GetMinimumBuckets(), 16);
    EXPECT_EQ(zero.GetLoadFactorPercent(), 50);
    HashMap<CountedValue> custom(5, 10);
    EXPECT_EQ(custom.GetBucketCount(), 5);
    EXPECT_EQ(custom.GetLoadFactorPercent(), 10);
}

TEST_F(HashMapTest, HugeBucketArraysCountAsExhaustedMemory)
{
    EXPECT_THROW(HashMap<CountedValue>(1 << 30), toolbox::EOutOfMemory);
}

TEST_F(HashMapTest, HashShiftsOutThreeBitsAndWrapsAt32Bits)
{
    HashMap<CountedValue> map;
    EXPECT_EQ(map.Hash(KeyOf(3)), 3u * 1009u);
    if constexpr (sizeof(std::uintptr_t) == 8) {
        EXPECT_EQ(map.Hash(KeyOf((std::uintptr_t { 1 } << 32) + 1)), 1009u);
    }
}

TEST_F(HashMapTest, GetFindsWhatPutStoredAndNullOtherwise)
{
    HashMap<CountedValue> map;
    auto* value = new CountedValue;
    map.Put(KeyOf(4), value);
    EXPECT_EQ(map.Get(KeyOf(4)), value);
    EXPECT_EQ(map.Get(KeyOf(20)), nullptr);
    EXPECT_EQ(map.GetCount(), 1);
}

TEST_F(HashMapTest, PutOfAPresentKeyFreesTheOldValueOnceAndKeepsTheCount)
{
    HashMap<CountedValue> map;
    auto* old = new CountedValue;
    int oldSerial = old->GetSerial();
    map.Put(KeyOf(1), old);
    auto* replacement = new CountedValue;
    map.Put(KeyOf(1), replacement);
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.Get(KeyOf(1)), replacement);
    EXPECT_EQ(CountedValue::TimesDestroyed(oldSerial), 1);
}

TEST_F(HashMapTest, PutOfTheStoredValueAgainKeepsItAlive)
{
    HashMap<CountedValue> map;
    auto* value = new CountedValue;
    map.Put(KeyOf(1), value);
    map.Put(KeyOf(1), value);
    EXPECT_EQ(CountedValue::TimesDestroyed(value->GetSerial()), 0);
    EXPECT_EQ(map.Get(KeyOf(1)), value);
}

TEST_F(HashMapTest, TakeHandsTheValueToTheCaller)
{
    HashMap<CountedValue> map;
    auto* value = new CountedValue;
    map.Put(KeyOf(2), value);
    CountedValue* taken = map.Take(KeyOf(2));
    EXPECT_EQ(taken, value);
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.Get(KeyOf(2)), nullptr);
    EXPECT_EQ(map.Take(KeyOf(2)), nullptr);
    EXPECT_EQ(CountedValue::Alive(), 1);
    delete taken;
}

TEST_F(HashMapTest, RemoveFreesTheValueAndIgnoresAbsentKeys)
{
    HashMap<CountedValue> map;
    Fill(map, 0, 2);
    map.Remove(KeyOf(0));
    map.Remove(KeyOf(9));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(CountedValue::Alive(), 1);
    EXPECT_NE(map.Get(KeyOf(1)), nullptr);
}

TEST_F(HashMapTest, NullValuesAreStoredAndSkippedWhenFreed)
{
    HashMap<CountedValue> map;
    map.Put(KeyOf(1), nullptr);
    EXPECT_EQ(map.GetCount(), 1);
    map.Remove(KeyOf(1));
    map.Put(KeyOf(2), nullptr);
    map.Clear();
    EXPECT_EQ(map.GetCount(), 0);
}

TEST_F(HashMapTest, GrowsTo34BucketsAtTheSeventeenthEntryAnd70AtTheThirtyFifth)
{
    HashMap<CountedValue> map;
    Fill(map, 0, 16);
    EXPECT_EQ(map.GetBucketCount(), 16);
    Fill(map, 16, 1);
    EXPECT_EQ(map.GetBucketCount(), 34);
    Fill(map, 17, 17);
    EXPECT_EQ(map.GetBucketCount(), 34);
    Fill(map, 34, 1);
    EXPECT_EQ(map.GetBucketCount(), 70);
    for (int k = 0; k < 35; ++k)
        ASSERT_EQ(map.Get(KeyOf(k))->GetKey(), k);
}

TEST_F(HashMapTest, ClearFreesEveryValueOnceAndReturnsTo16Buckets)
{
    HashMap<CountedValue> map;
    Fill(map, 0, 17);
    map.Clear();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.GetBucketCount(), 16);
    EXPECT_EQ(CountedValue::Alive(), 0);
    EXPECT_EQ(map.Get(KeyOf(3)), nullptr);
}

TEST_F(HashMapTest, ClearKeysOnlyLeavesTheValuesToTheirOwner)
{
    std::vector<CountedValue> owned(3);
    HashMap<CountedValue> map;
    for (int k = 0; k < 3; ++k)
        map.Put(KeyOf(k), &owned[k]);
    map.ClearKeysOnly();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(CountedValue::Alive(), 3);
}

TEST_F(HashMapTest, RemovingEntriesNeverShrinksButTheNextPutDoes)
{
    HashMap<CountedValue> map;
    Fill(map, 0, 17);
    for (int k = 0; k < 16; ++k) {
        map.Remove(KeyOf(k));
        ASSERT_EQ(map.GetBucketCount(), 34);
    }
    Fill(map, 100, 1);
    EXPECT_EQ(map.GetBucketCount(), 16);
    EXPECT_EQ(map.Get(KeyOf(16))->GetKey(), 16);
    EXPECT_EQ(map.Get(KeyOf(100))->GetKey(), 100);
}

TEST_F(HashMapTest, IteratesBucketByBucketAndInsertionOrderWithinABucket)
{
    HashMap<CountedValue> map;
    for (int k : { 17, 2, 1, 0 })
        Fill(map, k, 1);
    EXPECT_EQ(KeyNumbers(map), (std::vector<std::uintptr_t> { 0, 17, 1, 2 }));
    auto values = map.ListValues();
    EXPECT_EQ(static_cast<CountedValue*>(values->GetHead()->GetPointer()), map.Get(KeyOf(0)));
    EXPECT_EQ(values->GetCount(), 4);
}

TEST_F(HashMapTest, RehashKeepsTheOldBucketOrderNotTheInsertionOrder)
{
    // 35 and 1 share bucket 23 of 34; 1 sits in an earlier bucket of 16
    // although 35 was put first.
    HashMap<CountedValue> map;
    Fill(map, 35, 1);
    Fill(map, 1, 1);
    Fill(map, 2, 15);
    ASSERT_EQ(map.GetBucketCount(), 34);
    std::vector<std::uintptr_t> order = KeyNumbers(map);
    auto one = std::find(order.begin(), order.end(), 1u);
    ASSERT_NE(one + 1, order.end());
    EXPECT_EQ(*(one + 1), 35u);
}

TEST_F(HashMapTest, DestructionFreesEveryValueOnce)
{
    {
        HashMap<CountedValue> map;
        Fill(map, 0, 40);
    }
    for (int serial = 0; serial < 40; ++serial)
        EXPECT_EQ(CountedValue::TimesDestroyed(serial), 1) << serial;
}
