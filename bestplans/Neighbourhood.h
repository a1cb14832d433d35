#pragma once

#include <gecode/kernel.hh>

#include <vector>

class PlanProblem;

// The executions a neighbourhood search may move, picked at random: every
// execution of some profiles, which frees their own orders and their turns
// on the resources they share; with fewer than three profiles, some
// executions. The size says how many profiles, or how many sixths of the
// executions; it is kept from 1 to one less than makes everything.
class Neighbourhood {
public:
    static std::vector<bool> Pick(const PlanProblem& problem, int size, Gecode::Rnd& random);
    // The largest size that still keeps something in place.
    static int GetLargestSize(const PlanProblem& problem);
};
