#pragma once

#include <optional>
#include <string>
#include <vector>

// The one table every measuring program prints into: what was measured, its median, the goal, the
// ratio to a peer where there is one, and whether the goal was met.
namespace bench {

struct Row {
    std::string what;
    std::string median;
    std::string goal;
    std::string ratio;                 // empty: no peer
    std::optional<bool> met;           // none: a figure without a goal of its own
};

void printHeader();
void printRow(const Row& row);

// "12.3 ms", "1.52 us", "85 ns".
std::string duration(double seconds);
std::string megabytes(double bytes);
std::string fixed(double value, int decimals);

// Medians of samples in any order (empty gives 0).
double median(std::vector<double> samples);

}  // namespace bench
