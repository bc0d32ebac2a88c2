#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

// What the Google Benchmark runs are held to, and the reporter that prints their medians into the
// table of `scripts/bench`.
namespace bench {

// A timed benchmark shown in the table: its line there and its goal (none: shown without one).
void showTimed(const std::string& benchmark, std::string what, double goalSeconds = 0);
// Heap allocations per call must not grow from the smaller window to the larger one; each of the
// two benchmarks reports the most allocations one call made as the counter "allocations".
void showAllocationGrowth(std::string what, std::string smaller, std::string larger);

inline constexpr const char* kAllocations = "allocations";

class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Result {
        std::string name;
        double seconds;
        double allocations;
        std::string error;
    };
    const Result* find(const std::string& name) const;
    std::vector<Result> results_;
};

}  // namespace bench
