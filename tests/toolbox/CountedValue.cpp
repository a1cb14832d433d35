#include "CountedValue.h"

CountedValue::CountedValue(int key)
    : key(key)
    , serial(constructed++)
{
}

CountedValue::~CountedValue()
{
    ++destroyed;
    ++destructions[serial];
}

void CountedValue::Reset()
{
    constructed = 0;
    destroyed = 0;
    destructions.clear();
}

int CountedValue::TimesDestroyed(int serial)
{
    auto found = destructions.find(serial);
    return found == destructions.end() ? 0 : found->second;
}

bool CountedValue::NoneDestroyedTwice()
{
    for (const auto& [serial, times] : destructions) {
        if (times > 1)
            return false;
    }
    return true;
}
