#include "bench/goals.h"

#include "bench/report.h"

#include <algorithm>

namespace bench {
namespace {

struct Timed {
    std::string benchmark;
    std::string what;
    double goalSeconds;
};

struct Growth {
    std::string what;
    std::string smaller;
    std::string larger;
};

std::vector<Timed>& timed() {
    static std::vector<Timed> list;
    return list;
}

std::vector<Growth>& growths() {
    static std::vector<Growth> list;
    return list;
}

std::string count(double perCall) { return fixed(perCall, perCall == double(long(perCall)) ? 0 : 1); }

}  // namespace

void showTimed(const std::string& benchmark, std::string what, double goalSeconds) {
    timed().push_back({benchmark, std::move(what), goalSeconds});
}

void showAllocationGrowth(std::string what, std::string smaller, std::string larger) {
    growths().push_back({std::move(what), std::move(smaller), std::move(larger)});
}

// With repetitions only the median counts; a single run stands for itself.
void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) continue;
        const auto counter = run.counters.find(kAllocations);
        results_.push_back({run.run_name.function_name,
                            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                            counter == run.counters.end() ? 0.0 : double(counter->second),
                            run.error_occurred ? run.error_message : std::string()});
    }
}

const TableReporter::Result* TableReporter::find(const std::string& name) const {
    auto found = std::ranges::find(results_, name, &Result::name);
    return found == results_.end() ? nullptr : &*found;
}

void TableReporter::Finalize() {
    for (const Timed& t : timed()) {
        const Result* r = find(t.benchmark);
        if (!r) continue;
        if (!r->error.empty()) {
            printRow({t.what, "failed", r->error, "", false});
            continue;
        }
        Row row{t.what, duration(r->seconds), "", "", std::nullopt};
        if (t.goalSeconds > 0) {
            row.goal = "< " + duration(t.goalSeconds);
            row.met = r->seconds < t.goalSeconds;
        }
        printRow(row);
    }
    for (const Growth& g : growths()) {
        const Result* small = find(g.smaller);
        const Result* large = find(g.larger);
        if (!small || !large) continue;
        printRow({g.what, count(small->allocations) + " -> " + count(large->allocations), "no growth", "",
                  large->allocations <= small->allocations});
    }
}

}  // namespace bench
