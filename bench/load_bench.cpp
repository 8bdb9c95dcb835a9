// Load of a dictionary file, measured against the plain read() of the same file into freshly
// allocated memory and against a memcpy of its bytes into memory already touched. The three
// run in turn within every iteration, so that they see the same machine state.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/bench_dictionary.h"
#include "bench/benchmarks.h"
#include "bench/file_dictionary_host.h"
#include "bench/file_reading.h"
#include "bench/sample_stats.h"
#include "engine/dictionary.h"

namespace morvane::bench {
namespace {

void LoadDictionaryFile(benchmark::State& state, const BenchDictionary& dictionary) {
    const std::u16string path(dictionary.path.begin(), dictionary.path.end());
    const std::size_t size = dictionary.fileBytes;
    FileDictionaryHost host;
    Dictionary loaded;
    FileBytes plainRead;
    const FileBytes source = ReadFileFresh(dictionary.path);
    const std::unique_ptr<char[]> touched(new char[size]);
    std::memset(touched.get(), 0, size);

    std::vector<double> loadTimes, readTimes, copyTimes;
    for (auto _ : state) {
        // Each replaces what the iteration before left, as a reload does.
        const auto loadStart = Clock::now();
        loaded.LoadDictionary(path, host);
        const auto loadEnd = Clock::now();
        plainRead = ReadFileFresh(dictionary.path);
        benchmark::DoNotOptimize(plainRead.data.get());
        const auto readEnd = Clock::now();
        std::memcpy(touched.get(), source.data.get(), size);
        benchmark::ClobberMemory();
        const auto copyEnd = Clock::now();

        loadTimes.push_back(SecondsBetween(loadStart, loadEnd));
        readTimes.push_back(SecondsBetween(loadEnd, readEnd));
        copyTimes.push_back(SecondsBetween(readEnd, copyEnd));
        state.SetIterationTime(loadTimes.back());
    }
    if (loaded.DictionaryMissing() || loaded.Words().Count() == 0) {
        state.SkipWithError("the dictionary did not load");
        return;
    }
    const double load = Median(loadTimes), read = Median(readTimes), copy = Median(copyTimes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
    state.counters["entries"] = static_cast<double>(loaded.Words().Count());
    state.counters["load_MBps"] = static_cast<double>(size) / load / 1e6;
    state.counters["read_MBps"] = static_cast<double>(size) / read / 1e6;
    state.counters["memcpy_MBps"] = static_cast<double>(size) / copy / 1e6;
    state.counters["load_per_read"] = load / read;
    state.counters["load_per_memcpy"] = load / copy;
}

}  // namespace

void RegisterLoadBenchmark(const BenchDictionary& dictionary) {
    benchmark::RegisterBenchmark(("Load/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& state) { LoadDictionaryFile(state, dictionary); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace morvane::bench
