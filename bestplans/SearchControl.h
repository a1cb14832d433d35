#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

// What the thread that runs a best-plan search and the thread that watches
// it share, and nothing else: the time allowed, a request to stop, and the
// best total delay found so far. Every member is safe to use from both.
class SearchControl {
public:
    static constexpr std::chrono::milliseconds DefaultTimeLimit { 10'000 };

    explicit SearchControl(std::chrono::milliseconds timeLimit = DefaultTimeLimit);

    std::chrono::milliseconds GetTimeLimit() const { return timeLimit; }

    // The search ends as soon as it can, keeping the best plans found.
    void RequestStop() { stopRequested = true; }
    bool IsStopRequested() const { return stopRequested; }

    void ReportDelay(std::int64_t totalDelay);
    // Empty until the first plan is found.
    std::optional<std::int64_t> GetBestDelay() const;

    // The best delay is known to be the least there is; the search may go
    // on to list further plans.
    void ReportProven() { proven = true; }
    bool IsBestProven() const { return proven; }

private:
    const std::chrono::milliseconds timeLimit;
    std::atomic<bool> stopRequested { false };
    std::atomic<bool> delayFound { false };
    std::atomic<std::int64_t> bestDelay { 0 };
    std::atomic<bool> proven { false };
};
