// Start-up, side by side: the time from exec to the first mapped main window for the game pack and
// for the floor (the plainest Qt Widgets program), interleaved on one display, each run from a fresh
// copy of its program folder; and the peak memory (VmHWM) of each once its window stands.
//
// "Mapped" is the X server's own event: with SubstructureNotify selected on the root window the
// server sends a MapNotify the moment a top-level window is mapped, so the time is taken when that
// event arrives, without polling. Popups (override-redirect) and windows of other processes (their
// _NET_WM_PID) are passed over.
//
//   gp_startup_compare RUNS PROGRAM FLOOR      (on the display named by DISPLAY)
#include "bench/report.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(30);
// Long enough for the first paint and whatever the program does once it stands.
constexpr auto kSettle = std::chrono::milliseconds(1500);
constexpr double kTimeGoalRatio = 1.10;
constexpr double kMemoryGoalBytes = 10.0 * 1024 * 1024;

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) throw std::runtime_error("cannot open the display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr),
            &std::free);
        pidAtom_ = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
    }

    // When the first ordinary top-level window of the process was mapped; none if the process ended
    // or nothing was mapped in time.
    std::optional<Steady::time_point> waitForMap(pid_t pid) {
        const auto deadline = Steady::now() + kMapTimeout;
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (Steady::now() < deadline) {
            const Steady::time_point arrived = Steady::now();
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool found = isMapOf(event, pid);
                std::free(event);
                if (found) return arrived;
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
            poll(&fd, 1, 100);
        }
        return std::nullopt;
    }

private:
    bool isMapOf(const xcb_generic_event_t* event, pid_t pid) {
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) return false;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        return !map->override_redirect && ownerOf(map->window) == pid;
    }

    std::optional<pid_t> ownerOf(xcb_window_t window) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4) return std::nullopt;
        return pid_t(*static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

struct Subject {
    std::string name;
    fs::path executable;
    std::vector<double> seconds;
    std::vector<double> processor;  // of all its threads, until the window was mapped
    std::vector<double> peaks;
    int failures = 0;
};

// The time on a processor of every thread of the process so far, in seconds.
double processorSeconds(pid_t pid) {
    long long total = 0;
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long ns = 0;
        schedstat >> ns;
        total += ns;
    }
    return double(total) * 1e-9;
}

double peakBytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
    return 0;
}

pid_t launch(const fs::path& executable) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

void runOnce(Display& display, Subject& subject, const fs::path& work, int run) {
    const fs::path folder = work / (subject.name + "-" + std::to_string(run));
    fs::copy(subject.executable.parent_path(), folder, fs::copy_options::recursive);
    const fs::path executable = folder / subject.executable.filename();
    display.drain();
    const Steady::time_point start = Steady::now();
    const pid_t pid = launch(executable);
    const std::optional<Steady::time_point> mapped = display.waitForMap(pid);
    if (mapped) {
        subject.processor.push_back(processorSeconds(pid));
        std::this_thread::sleep_for(kSettle);
        subject.seconds.push_back(std::chrono::duration<double>(*mapped - start).count());
        subject.peaks.push_back(peakBytes(pid));
    } else {
        ++subject.failures;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    fs::remove_all(folder);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: gp_startup_compare RUNS PROGRAM FLOOR\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Subject program{"game pack", fs::absolute(argv[2]), {}, {}, {}};
    Subject floor{"minimal Qt window", fs::absolute(argv[3]), {}, {}, {}};
    const fs::path work = fs::temp_directory_path() / ("gamepack-startup-" + std::to_string(getpid()));
    fs::create_directories(work);
    try {
        Display display;
        for (int run = 0; run < runs; ++run) {
            // Each goes first every other round, so neither always starts on a warmer machine.
            Subject& first = run % 2 ? floor : program;
            Subject& second = run % 2 ? program : floor;
            runOnce(display, first, work, run);
            runOnce(display, second, work, run);
        }
    } catch (const std::exception& e) {
        std::cerr << "gp_startup_compare: " << e.what() << '\n';
        fs::remove_all(work);
        return 1;
    }
    fs::remove_all(work);

    const std::string count = " (" + std::to_string(program.seconds.size()) + " runs)";
    const double floorTime = bench::median(floor.seconds), programTime = bench::median(program.seconds);
    const double floorPeak = bench::median(floor.peaks), programPeak = bench::median(program.peaks);
    const bool complete = program.failures == 0 && floor.failures == 0 && !program.seconds.empty();
    bench::printRow({"start-up to mapped window: minimal Qt window" + count, bench::duration(floorTime), "", "", {}});
    bench::printRow({"start-up to mapped window: game pack" + count, bench::duration(programTime),
                     "<= " + bench::fixed(kTimeGoalRatio, 2) + " x minimal", bench::fixed(programTime / floorTime, 2),
                     complete && programTime <= kTimeGoalRatio * floorTime});
    const double floorProcessor = bench::median(floor.processor), programProcessor = bench::median(program.processor);
    bench::printRow({"processor time to mapped window: minimal Qt window", bench::duration(floorProcessor), "", "", {}});
    bench::printRow({"processor time to mapped window: game pack", bench::duration(programProcessor),
                     "<= " + bench::fixed(kTimeGoalRatio, 2) + " x minimal",
                     bench::fixed(programProcessor / floorProcessor, 2),
                     complete && programProcessor <= kTimeGoalRatio * floorProcessor});
    bench::printRow({"peak memory: minimal Qt window", bench::megabytes(floorPeak), "", "", {}});
    bench::printRow({"peak memory: game pack", bench::megabytes(programPeak),
                     "<= minimal + " + bench::megabytes(kMemoryGoalBytes), bench::fixed(programPeak / floorPeak, 2),
                     complete && programPeak <= floorPeak + kMemoryGoalBytes});
    if (!complete)
        std::cerr << "gp_startup_compare: no mapped window in " << program.failures << " game pack and "
                  << floor.failures << " minimal runs\n";
    return complete ? 0 : 1;
}
