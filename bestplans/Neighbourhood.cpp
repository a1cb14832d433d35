#include "bestplans/Neighbourhood.h"

#include "bestplans/PlanProblem.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::size_t FewestProfilesPicked = 3;
constexpr int ExecutionShares = 6;

// The first `count` of the numbers below `total`, in an order shuffled at random.
std::vector<std::size_t> PickSome(std::size_t total, std::size_t count, Gecode::Rnd& random)
{
    std::vector<std::size_t> numbers(total);
    std::iota(numbers.begin(), numbers.end(), 0);
    for (std::size_t index = 0; index < count && index < total; ++index)
        std::swap(numbers[index], numbers[index + random(static_cast<unsigned int>(total - index))]);
    numbers.resize(std::min(count, total));
    return numbers;
}

} // namespace

int Neighbourhood::GetLargestSize(const PlanProblem& problem)
{
    if (problem.GetProfiles().size() >= FewestProfilesPicked)
        return static_cast<int>(problem.GetProfiles().size()) - 1;
    return ExecutionShares - 1;
}

std::vector<bool> Neighbourhood::Pick(const PlanProblem& problem, int size, Gecode::Rnd& random)
{
    const auto& profiles = problem.GetProfiles();
    std::vector<bool> picked(problem.GetExecutions().size(), false);
    size = std::clamp(size, 1, GetLargestSize(problem));
    if (profiles.size() < FewestProfilesPicked) {
        std::size_t count = (picked.size() * size + ExecutionShares - 1) / ExecutionShares;
        for (std::size_t execution : PickSome(picked.size(), count, random))
            picked[execution] = true;
        return picked;
    }
    for (std::size_t index : PickSome(profiles.size(), static_cast<std::size_t>(size), random)) {
        for (int execution = 0; execution < profiles[index].executionCount; ++execution)
            picked[profiles[index].firstExecution + execution] = true;
    }
    return picked;
}
