// Idle and leaks, on the real clock as in a real run: with each window open and nothing to do, the
// program must use no processor time and never wake up (no polling timer anywhere); opening and
// closing each game window many times must not raise the peak memory.
#include "bench/harness.h"
#include "bench/report.h"

#include "platform/form.h"
#include "platform/scheduler.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kIdleMs = 5000;
constexpr int kIdleStretches = 3;
constexpr int kSettleMs = 1000;
constexpr int kLongestWaitMs = 30000;
constexpr int kCycles = 50;
constexpr double kGrowthGoalBytes = 2.0 * 1024 * 1024;
constexpr double kReadyGoalSeconds = 0.020;

// The time on a processor of every thread of the process but the calling one (which measures), in
// seconds, from the scheduler's own nanosecond count of each thread.
double othersSeconds() {
    const std::string self = std::to_string(gettid());
    long long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        if (task.path().filename() == self) continue;
        std::ifstream schedstat(task.path() / "schedstat");
        long long ns = 0;
        schedstat >> ns;
        total += ns;
    }
    return double(total) * 1e-9;
}

// The peak resident size so far (VmHWM), in bytes.
double peakBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
    return 0;
}

struct Idle {
    double processorSeconds;
    double wakeUps;
};

// Runs the event loop while another thread watches: after the settling time it takes the processor
// time of the program's threads and counts the loop's wake-ups over each measured stretch, then ends
// the loop. The measuring itself never wakes the loop until it is over. Medians of the stretches.
Idle runIdle() {
    std::atomic<int> wakeUps{0};
    const auto connection = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                                             [&] { ++wakeUps; });
    QEventLoop loop;
    std::vector<double> processor, woken;
    std::thread watcher([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
        for (int stretch = 0; stretch < kIdleStretches; ++stretch) {
            const double before = othersSeconds();
            const int wakeUpsBefore = wakeUps;
            std::this_thread::sleep_for(std::chrono::milliseconds(kIdleMs));
            processor.push_back(othersSeconds() - before);
            woken.push_back(wakeUps - wakeUpsBefore);
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    watcher.join();
    QObject::disconnect(connection);
    return {bench::median(processor), bench::median(woken)};
}

// A game may first play its computer seats' turns on its timers; it is idle once it waits for the
// user and no timer runs. False when a timer still runs after the longest wait.
bool waitUntilNoTimerRuns() {
    const QDeadlineTimer deadline(kLongestWaitMs);
    while (platform::scheduler::anyRunning() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !platform::scheduler::anyRunning();
}

// Whether a window other than the measured one has a timer running: a poll that no clock of the
// measured window excuses.
bool anotherWindowTicks(const platform::Form& measured) {
    for (const platform::Form* other : platform::loadedForms())
        if (other != &measured && std::ranges::any_of(other->timers(), [](const platform::Timer* t) { return t->running(); }))
            return true;
    return false;
}

// The first opening in a fresh program also draws and decodes what later ones find ready.
void measureIdle(const bench::Opener& opener) {
    const auto start = std::chrono::steady_clock::now();
    platform::Form* form = bench::openAndPaint(opener);
    const double first = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!form) {
        bench::printRow({opener.name + ": idle", "failed", "", "", false});
        return;
    }
    bench::printRow({opener.name + ": window ready, first opening (one run)", bench::duration(first),
                     "< " + bench::duration(kReadyGoalSeconds), "", first < kReadyGoalSeconds});
    // A game whose own clock ticks on while the user thinks (the timed Card Memorization) is not idle
    // by this measure: what its ticks cost is shown, without a verdict.
    const bool idleGame = waitUntilNoTimerRuns();
    if (!idleGame && anotherWindowTicks(*form)) {
        bench::closeWindow(*form);
        bench::printRow({opener.name + ": idle", "a timer of another window runs on", "", "", false});
        return;
    }
    const std::string how = idleGame ? " idle 5 s" : " 5 s, its timer running";
    const Idle idle = runIdle();
    bench::closeWindow(*form);
    const auto verdict = [idleGame](bool met) { return idleGame ? std::optional<bool>(met) : std::nullopt; };
    bench::printRow({opener.name + ": processor time" + how, bench::duration(idle.processorSeconds),
                     idleGame ? "0" : "", "", verdict(idle.processorSeconds < 1e-3)});
    bench::printRow({opener.name + ": wake-ups" + how, bench::fixed(idle.wakeUps, 0), idleGame ? "0" : "", "",
                     verdict(idle.wakeUps == 0)});
}

// The heap in use, in bytes: a leak shows here at once, where the peak may first reuse freed memory.
double heapBytes() { return double(mallinfo2().uordblks); }

void measureGrowth(const bench::Opener& opener) {
    const std::string what = opener.name + ": peak memory growth, " + std::to_string(kCycles) + " opened";
    // The first opening fills what stays (fonts, shared pictures); only later ones may not grow.
    platform::Form* first = bench::openAndPaint(opener);
    if (!first || !bench::closeWindow(*first)) {
        bench::printRow({what, "failed", "", "", false});
        return;
    }
    const double before = peakBytes();
    const double heapBefore = heapBytes();
    for (int i = 0; i < kCycles; ++i) {
        platform::Form* form = bench::openAndPaint(opener);
        if (!form || !bench::closeWindow(*form)) {
            bench::printRow({what, "failed", "", "", false});
            return;
        }
    }
    const double growth = peakBytes() - before;
    bench::printRow({what, bench::megabytes(growth), "< " + bench::megabytes(kGrowthGoalBytes), "",
                     growth < kGrowthGoalBytes});
    bench::printRow({opener.name + ": heap in use growth, " + std::to_string(kCycles) + " opened",
                     bench::megabytes(heapBytes() - heapBefore), "", "", {}});
}

}  // namespace

int main(int argc, char* argv[]) {
    // A real display where there is one (the real platform's own wake-ups count too); else offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    bench::ProgramRun run(bench::Clock::Real);
    bench::showMainWindow();
    // Window names on the command line measure only those (a developer chasing one window).
    const QStringList only = app.arguments().mid(1);
    for (const bench::Opener& opener : bench::everyWindow()) {
        if (!only.isEmpty() && !only.contains(QString::fromStdString(opener.name))) continue;
        if (!opener.open) {
            bench::printRow({opener.name + ": idle", "not built", "", "", false});
            continue;
        }
        measureIdle(opener);
        measureGrowth(opener);
    }
    return 0;
}
