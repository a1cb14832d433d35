#pragma once

#include <cstdint>
#include <limits>

// Minutes are stored and shown in 32 bits, but sums and differences of
// typed-in values can leave that range; they are computed in 64 bits and
// brought back only where a value is stored or shown.
namespace Minutes {

constexpr std::int64_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Highest = std::numeric_limits<std::int32_t>::max();

constexpr bool Fits(std::int64_t minutes)
{
    return minutes >= Lowest && minutes <= Highest;
}

// The nearest 32-bit value.
constexpr std::int32_t Clamped(std::int64_t minutes)
{
    return static_cast<std::int32_t>(minutes < Lowest ? Lowest : (minutes > Highest ? Highest : minutes));
}

} // namespace Minutes
