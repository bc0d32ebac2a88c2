#pragma once

#include "games/towers-foreaft/foreaft_rules.h"

#include <vector>

// The shortest way from the start to the exchanged board without backward moves, as the pieces to
// click in order; found by a search over the rules' own moves.
namespace foreafttest {

std::vector<int> solution();

}  // namespace foreafttest
