#pragma once
// The benchmarks, registered once for each dictionary. The dictionary must outlive the run.
#include "bench/bench_dictionary.h"

namespace morvane::bench {

void RegisterLoadBenchmark(const BenchDictionary& dictionary);
void RegisterLookupBenchmark(const BenchDictionary& dictionary);
void RegisterCheckBenchmarks(const BenchDictionary& dictionary);
void RegisterReferenceCheckBenchmark(const BenchDictionary& dictionary);
void RegisterLanguageServerBenchmarks(const BenchDictionary& dictionary);

}  // namespace morvane::bench
