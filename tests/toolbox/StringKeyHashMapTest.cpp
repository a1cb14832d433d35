#include "toolbox/StringKeyHashMap.h"

#include "AllocationFailure.h"
#include "CountedValue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using toolbox::PointeredListItem;
using toolbox::StringKeyHashMap;

namespace {

std::vector<std::string> Keys(const StringKeyHashMap<CountedValue>& map)
{
    std::vector<std::string> keys;
    auto list = map.ListKeys();
    for (PointeredListItem* item : *list)
        keys.emplace_back(static_cast<const char*>(item->GetPointer()));
    return keys;
}

std::string Name(int i)
{
    return "key" + std::to_string(i);
}

// A map that logs the values its own FreeValue sees, to show that clearing
// at destruction uses the most derived hooks.
class LoggingMap : public StringKeyHashMap<CountedValue> {
public:
    explicit LoggingMap(std::vector<int>& freedKeys)
        : freedKeys(freedKeys)
    {
    }
    ~LoggingMap() override { ClearForDestruction(); }

protected:
    void FreeValue(CountedValue* value) override
    {
        if (value)
            freedKeys.push_back(value->GetKey());
        delete value;
    }

private:
    std::vector<int>& freedKeys;
};

class StringKeyHashMapTest : public CountedValueTest { };

} // namespace

TEST_F(StringKeyHashMapTest, HashOfAbcIs2842AndSelectsBucketTenOfSixteen)
{
    StringKeyHashMap<CountedValue> map;
    EXPECT_EQ(map.Hash("abc"), 97u * 11 + 98u * 7 + 99u * 11);
    // "a" hashes to 1067, bucket 11: so "abc" comes first although put last.
    map.Put("a", new CountedValue);
    map.Put("abc", new CountedValue);
    EXPECT_EQ(Keys(map), (std::vector<std::string> { "abc", "a" }));
}

TEST_F(StringKeyHashMapTest, HashCountsBytesFrom0x80AsNegative)
{
    StringKeyHashMap<CountedValue> map;
    EXPECT_EQ(map.Hash("\x80"), static_cast<std::uint32_t>(-128 * 11));
    EXPECT_EQ(map.Hash(""), 0u);
}

TEST_F(StringKeyHashMapTest, HashUsesEveryByteUpTo31Bytes)
{
    StringKeyHashMap<CountedValue> map;
    std::string key(31, 'x');
    std::uint32_t original = map.Hash(key.c_str());
    key[30] = 'y';
    EXPECT_NE(map.Hash(key.c_str()), original);
}

TEST_F(StringKeyHashMapTest, HashOfA32ByteKeySkipsTheOddBytes)
{
    StringKeyHashMap<CountedValue> map;
    std::string key(32, 'x');
    std::uint32_t original = map.Hash(key.c_str());
    key[31] = 'y';
    EXPECT_EQ(map.Hash(key.c_str()), original);
    key[30] = 'y';
    EXPECT_NE(map.Hash(key.c_str()), original);
}

TEST_F(StringKeyHashMapTest, KeysAreCaseSensitive)
{
    StringKeyHashMap<CountedValue> map;
    auto* upper = new CountedValue;
    map.Put("Persons", upper);
    EXPECT_EQ(map.Get("Persons"), upper);
    EXPECT_EQ(map.Get("persons"), nullptr);
    map.Put("persons", new CountedValue);
    EXPECT_EQ(map.GetCount(), 2);
}

TEST_F(StringKeyHashMapTest, StoresItsOwnCopyOfTheKey)
{
    StringKeyHashMap<CountedValue> map;
    char buffer[] = "Resources";
    auto* value = new CountedValue;
    map.Put(buffer, value);
    std::strcpy(buffer, "Changed!!");
    EXPECT_EQ(map.Get("Resources"), value);
    EXPECT_EQ(map.Get(buffer), nullptr);
}

TEST_F(StringKeyHashMapTest, ReplacingAValueKeepsTheFirstKeyCopy)
{
    StringKeyHashMap<CountedValue> map;
    map.Put("Name", new CountedValue);
    const void* firstCopy = map.ListKeys()->GetHead()->GetPointer();
    auto* replacement = new CountedValue;
    map.Put(std::string("Name").c_str(), replacement);
    EXPECT_EQ(map.ListKeys()->GetHead()->GetPointer(), firstCopy);
    EXPECT_EQ(map.Get("Name"), replacement);
    EXPECT_EQ(CountedValue::Alive(), 1);
}

TEST_F(StringKeyHashMapTest, ANullKeyIsNeverFoundButItsValueIsStillFreed)
{
    StringKeyHashMap<CountedValue> map;
    map.Put(nullptr, new CountedValue);
    EXPECT_EQ(map.Get(nullptr), nullptr);
    EXPECT_EQ(map.Take(nullptr), nullptr);
    EXPECT_EQ(map.GetCount(), 1);
}

TEST_F(StringKeyHashMapTest, TakeAndRemoveAcrossManyKeysLeaveTheRestIntact)
{
    StringKeyHashMap<CountedValue> map;
    for (int i = 0; i < 50; ++i)
        map.Put(Name(i).c_str(), new CountedValue(i));
    for (int i = 0; i < 50; i += 2)
        map.Remove(Name(i).c_str());
    CountedValue* taken = map.Take(Name(1).c_str());
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->GetKey(), 1);
    delete taken;
    EXPECT_EQ(map.GetCount(), 24);
    for (int i = 3; i < 50; i += 2)
        ASSERT_EQ(map.Get(Name(i).c_str())->GetKey(), i);
    EXPECT_EQ(map.Get(Name(0).c_str()), nullptr);
}

TEST_F(StringKeyHashMapTest, DestructionFreesEveryValueThroughTheDerivedHook)
{
    std::vector<int> freed;
    {
        LoggingMap map(freed);
        for (int i = 0; i < 20; ++i)
            map.Put(Name(i).c_str(), new CountedValue(i));
    }
    std::sort(freed.begin(), freed.end());
    ASSERT_EQ(freed.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(freed[i], i);
}

TEST_F(StringKeyHashMapTest, ExhaustionDuringAGrowingPutLeavesTheMapAsItWas)
{
    StringKeyHashMap<CountedValue> map;
    for (int i = 0; i < 16; ++i)
        map.Put(Name(i).c_str(), new CountedValue(i));
    std::vector<std::string> before = Keys(map);
    bool succeeded = false;
    int attempts = 0;
    for (int allowed = 0; !succeeded; ++allowed, ++attempts) {
        auto* value = new CountedValue(16);
        {
            AllocationFailure failure(allowed);
            try {
                map.Put("key16", value);
                succeeded = true;
            } catch (const toolbox::EOutOfMemory&) {
            }
        }
        if (succeeded)
            break;
        delete value;
        ASSERT_EQ(map.GetCount(), 16) << allowed;
        ASSERT_EQ(map.GetBucketCount(), 16) << allowed;
        ASSERT_EQ(Keys(map), before) << allowed;
        ASSERT_EQ(map.Get("key16"), nullptr);
    }
    // Refusing each allocation in turn reached into the rehash: two arrays
    // and two items for every entry.
    EXPECT_GE(attempts, 2 + 2 * 17);
    EXPECT_EQ(map.GetBucketCount(), 34);
    EXPECT_EQ(map.Get("key16")->GetKey(), 16);
}

TEST_F(StringKeyHashMapTest, ExhaustionDuringAShrinkingReplacementKeepsTheOldValue)
{
    StringKeyHashMap<CountedValue> map;
    for (int i = 0; i < 17; ++i)
        map.Put(Name(i).c_str(), new CountedValue(i));
    for (int i = 1; i < 17; ++i)
        map.Remove(Name(i).c_str());
    CountedValue* old = map.Get("key0");
    auto* value = new CountedValue(100);
    {
        AllocationFailure failure(2);
        EXPECT_THROW(map.Put("key0", value), toolbox::EOutOfMemory);
        EXPECT_TRUE(failure.Struck());
    }
    EXPECT_EQ(map.Get("key0"), old);
    EXPECT_EQ(map.GetBucketCount(), 34);
    map.Put("key0", value);
    EXPECT_EQ(map.Get("key0"), value);
    EXPECT_EQ(map.GetBucketCount(), 16);
}

TEST_F(StringKeyHashMapTest, ExhaustionWhileListingLeaksNothing)
{
    StringKeyHashMap<CountedValue> map;
    for (int i = 0; i < 5; ++i)
        map.Put(Name(i).c_str(), new CountedValue(i));
    AllocationFailure failure(3);
    EXPECT_THROW(map.ListValues(), toolbox::EOutOfMemory);
}
