// The same Check with the plain implementation that the tests hold the engine to, on a sample
// of the misspelt words, and the engine's speed-up over it. The two must give the same lists.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"
#include "bench/sample_stats.h"
#include "engine/check_list.h"
#include "tests/engine/reference_engine.h"

namespace morvane::bench {
namespace {

constexpr std::size_t kSampleWords = 200;
constexpr int kEngineRounds = 20;

bool SameOutcome(const CheckResult& engine, const reference::CheckOutcome& plain) {
    return engine.blank == plain.blank && engine.found == plain.found && engine.entries == plain.entries;
}

void CheckWithReference(benchmark::State& state, const BenchDictionary& dictionary) {
    const reference::WordList plainList =
        reference::LoadWordList(dictionary.words.Bytes(), dictionary.words.CodePage());
    const std::vector<std::u16string>& misspelt = dictionary.misspelt;
    const std::size_t step = misspelt.size() / kSampleWords + 1;

    std::vector<std::u16string> sample;
    for (std::size_t i = step / 2; i < misspelt.size(); i += step) sample.push_back(misspelt[i]);

    std::vector<double> plainTimes, engineTimes;
    for (auto _ : state) {
        for (const std::u16string& word : sample) {
            const auto start = Clock::now();
            const reference::CheckOutcome plain = reference::CheckWord(word, plainList, kSuggestionLimit);
            plainTimes.push_back(SecondsBetween(start, Clock::now()));
            if (!SameOutcome(CheckWord(word, dictionary.words, kSuggestionLimit), plain)) {
                state.SkipWithError("the engine and the plain implementation disagree");
                return;
            }
        }
    }
    // The engine on the same words, apart: interleaved with the plain search, which sweeps
    // the caches, it would be measured cold.
    for (int round = 0; round < kEngineRounds; ++round) {
        for (const std::u16string& word : sample) {
            const auto start = Clock::now();
            CheckResult engine = CheckWord(word, dictionary.words, kSuggestionLimit);
            const auto end = Clock::now();
            benchmark::DoNotOptimize(engine);
            engineTimes.push_back(SecondsBetween(start, end));
        }
    }
    const double plainMedian = Median(plainTimes), engineMedian = Median(engineTimes);
    state.counters["words"] = static_cast<double>(plainTimes.size());
    state.counters["plain_median_us"] = plainMedian * 1e6;
    state.counters["plain_p99_us"] = Percentile(plainTimes, 0.99) * 1e6;
    state.counters["engine_median_us"] = engineMedian * 1e6;
    state.counters["speedup"] = plainMedian / engineMedian;
}

}  // namespace

void RegisterReferenceCheckBenchmark(const BenchDictionary& dictionary) {
    benchmark::RegisterBenchmark(("PlainCheckMisspelt/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& state) { CheckWithReference(state, dictionary); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace morvane::bench
