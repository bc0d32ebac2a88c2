// Every window ready: from the opener's call until the window is loaded, shown and painted once;
// then closing it. Offscreen at 1024 x 768 on the virtual clock, so no timer of a game runs.
#include "bench/benchmarks.h"

#include "bench/goals.h"
#include "bench/harness.h"

#include "platform/files.h"
#include "platform/form.h"
#include "shell/form5.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <string_view>

namespace bench {
namespace {

using Steady = std::chrono::steady_clock;

constexpr double kReadyGoalSeconds = 0.020;
// However a rules page is made, the viewer shows it in a second and the program answers again.
constexpr double kPageGoalSeconds = 1.0;

double since(Steady::time_point start) { return std::chrono::duration<double>(Steady::now() - start).count(); }

// Each iteration opens the window until it has painted, then closes it unmeasured.
void measureOpening(benchmark::State& state, const Opener& opener) {
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

void open(benchmark::State& state, const Opener& opener) {
    ProgramRun run(Clock::Virtual);
    showMainWindow();
    measureOpening(state, opener);
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

// The worst page the rules viewer takes: one word, as long as a page may be.
void longestPage(benchmark::State& state) {
    ProgramRun run(Clock::Virtual);
    showMainWindow();
    constexpr std::string_view kPage = "\\Data\\hearts.html";
    const std::string word(platform::sizeLimit(platform::FileKind::Page), '5');
    if (!platform::writeFileAtomic(platform::resolve(kPage), word)) {
        state.SkipWithError("the page could not be written");
        return;
    }
    measureOpening(state, {"rules viewer", [kPage] { shell::viewrules(kPage); }});
}

}  // namespace

void registerWindowBenchmarks() {
    benchmark::RegisterBenchmark("page/longest word/open", longestPage)->UseManualTime()->Unit(benchmark::kMillisecond);
    showTimed("page/longest word/open", "rules page of one word at the size limit: shown", kPageGoalSeconds);
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
