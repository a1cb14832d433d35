#pragma once

class CompletePlan;

// -1, 0 or 1 as the left plan's total delay is smaller, equal or larger.
int CompareByTotalDelay(const CompletePlan* left, const CompletePlan* right);
