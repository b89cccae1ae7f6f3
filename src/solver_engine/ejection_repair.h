#pragma once
// Completing a partial placement by ejection: an entry left out (of two drawn, the one put out
// less often) takes the option that puts out the fewest placed entries, each weighed by how often
// it was put out before, and those join the entries left out; an entry of the same activity that
// can move to a free step makes way first, putting out nothing. This goes on for a number of
// steps, and the placement that places the most is kept. A step never breaks a rule of the
// placement model, so every placement it passes through is one the search could have reached.
#include <functional>
#include <random>
#include <vector>

class CPlacementModel;

// `options`: an option per variable of the model (-1 none) that fits together; the model holds
// nothing placed before and after. Stops after `steps` steps, once everything is placed, or when
// `running` says so.
std::vector<int> RepairByEjection(CPlacementModel& model, std::vector<int> options, long long steps,
                                  std::mt19937& random, const std::function<bool()>& running);
