#include "AllocationFailure.h"

#include <cstddef>
#include <new>

namespace {

// -1 while no AllocationFailure is alive.
int allowedAllocations = -1;
bool struck = false;

bool Refuse()
{
    if (allowedAllocations < 0)
        return false;
    if (allowedAllocations == 0) {
        struck = true;
        return true;
    }
    --allowedAllocations;
    return false;
}

} // namespace

AllocationFailure::AllocationFailure(int successfulAllocations)
{
    allowedAllocations = successfulAllocations < 0 ? 0 : successfulAllocations;
    struck = false;
}

AllocationFailure::~AllocationFailure()
{
    allowedAllocations = -1;
}

bool AllocationFailure::Struck() const
{
    return struck;
}

// The replacements go through the throwing forms, so that sanitizers pair
// every allocation with the matching delete.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (Refuse())
        return nullptr;
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (Refuse())
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}
