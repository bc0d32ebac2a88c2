#include "bench/report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {
namespace {

constexpr const char* kRowFormat = "%-58s %12s  %-22s %7s  %s\n";

}  // namespace

void printHeader() {
    std::printf(kRowFormat, "what", "median", "goal", "ratio", "");
    std::fflush(stdout);
}

void printRow(const Row& row) {
    const char* verdict = !row.met ? "" : *row.met ? "met" : "MISSED";
    std::printf(kRowFormat, row.what.c_str(), row.median.c_str(), row.goal.c_str(), row.ratio.c_str(), verdict);
    std::fflush(stdout);
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string duration(double seconds) {
    const double magnitude = seconds < 0 ? -seconds : seconds;
    if (magnitude >= 1) return fixed(seconds, 2) + " s";
    if (magnitude >= 1e-3) return fixed(seconds * 1e3, magnitude >= 1e-2 ? 1 : 2) + " ms";
    if (magnitude >= 1e-6) return fixed(seconds * 1e6, magnitude >= 1e-5 ? 1 : 2) + " us";
    return fixed(seconds * 1e9, 0) + " ns";
}

std::string megabytes(double bytes) { return fixed(bytes / (1024.0 * 1024.0), 1) + " MB"; }

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::ranges::sort(samples);
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

}  // namespace bench
