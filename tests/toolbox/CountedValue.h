#pragma once

#include <gtest/gtest.h>

#include <map>

// A container element that records its constructions and destructions, so
// container tests can check that every element is destroyed exactly once.
class CountedValue {
public:
    explicit CountedValue(int key = 0);
    CountedValue(const CountedValue&) = delete;
    CountedValue& operator=(const CountedValue&) = delete;
    virtual ~CountedValue();

    int GetKey() const { return key; }
    int GetSerial() const { return serial; }

    static void Reset();
    static int Alive() { return constructed - destroyed; }
    static int Constructed() { return constructed; }
    // How often the value with this serial number has been destroyed.
    static int TimesDestroyed(int serial);
    // Whether no value has been destroyed more than once.
    static bool NoneDestroyedTwice();

private:
    static inline int constructed = 0;
    static inline int destroyed = 0;
    static inline std::map<int, int> destructions;

    int key;
    int serial;
};

// A fixture that checks, after each test, that every CountedValue made was
// destroyed exactly once.
class CountedValueTest : public ::testing::Test {
protected:
    void SetUp() override { CountedValue::Reset(); }
    void TearDown() override
    {
        EXPECT_EQ(CountedValue::Alive(), 0);
        EXPECT_TRUE(CountedValue::NoneDestroyedTwice());
    }
};
