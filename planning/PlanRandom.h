#pragma once

#include <cassert>
#include <cstdint>

// The search's own 15-bit linear congruential generator, so that a seed
// gives the same draws on every platform.
class PlanRandom {
public:
    static constexpr int MaximumDraw = 0x7FFF;

    explicit PlanRandom(std::uint32_t seed = 1)
        : state(seed)
    {
    }

    void Seed(std::uint32_t seed) { state = seed; }

    // Advances the state, then answers a number from 0 to 32767.
    int Draw()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }

    // One of `count` choices; there must be at least one.
    int Choose(int count)
    {
        assert(count > 0 && "a choice needs something to choose from");
        return Draw() % count;
    }

private:
    std::uint32_t state;
};
