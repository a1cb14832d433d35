#pragma once

// While an AllocationFailure lives, the nothrow forms of operator new succeed
// the given number of times and then return null, as when memory is
// exhausted. Only one may be alive at a time.
class AllocationFailure {
public:
    explicit AllocationFailure(int successfulAllocations);
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;
    ~AllocationFailure();

    // Whether an allocation has been refused.
    bool Struck() const;
};
