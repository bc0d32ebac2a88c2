#pragma once

// The Google Benchmark runs, registered by the benchmark program's main.
namespace bench {

void registerWindowBenchmarks();
void registerHandBenchmarks();

}  // namespace bench
