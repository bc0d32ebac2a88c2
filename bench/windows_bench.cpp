// Every window ready: from the opener's call until the window is loaded, shown and painted once;
// then closing it. Offscreen at 1024 x 768 on the virtual clock, so no timer of a game runs.
#include "bench/benchmarks.h"

#include "bench/goals.h"
#include "bench/harness.h"

#include "platform/form.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench {
namespace {

using Steady = std::chrono::steady_clock;

constexpr double kReadyGoalSeconds = 0.020;

double since(Steady::time_point start) { return std::chrono::duration<double>(Steady::now() - start).count(); }

void open(benchmark::State& state, const Opener& opener) {
    ProgramRun run(Clock::Virtual);
    showMainWindow();
    for (auto _ : state) {
        const auto start = Steady::now();
        platform::Form* form = openAndPaint(opener);
        state.SetIterationTime(since(start));
        if (!form || !closeWindow(*form)) {
            state.SkipWithError("the window did not open and close");
            break;
        }
    }
}

void close(benchmark::State& state, const Opener& opener) {
    ProgramRun run(Clock::Virtual);
    showMainWindow();
    for (auto _ : state) {
        platform::Form* form = openAndPaint(opener);
        if (!form) {
            state.SkipWithError("the window did not open");
            break;
        }
        const auto start = Steady::now();
        const bool closed = closeWindow(*form);
        state.SetIterationTime(since(start));
        if (!closed) {
            state.SkipWithError("the window did not close");
            break;
        }
    }
}

}  // namespace

void registerWindowBenchmarks() {
    for (const Opener& opener : everyWindow()) {
        const std::string name = "window/" + opener.name;
        if (!opener.open) {
            benchmark::RegisterBenchmark((name + "/open").c_str(), [](benchmark::State& state) {
                state.SkipWithError("its window is not built");
            });
            showTimed(name + "/open", opener.name + ": window ready", kReadyGoalSeconds);
            continue;
        }
        benchmark::RegisterBenchmark((name + "/open").c_str(), open, opener)->UseManualTime()->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/close").c_str(), close, opener)->UseManualTime()->Unit(benchmark::kMillisecond);
        showTimed(name + "/open", opener.name + ": window ready", kReadyGoalSeconds);
        showTimed(name + "/close", opener.name + ": window closed");
    }
}

}  // namespace bench
