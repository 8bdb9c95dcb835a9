// The full Check of misspelt words: screening, lookup and suggestions, as the check window
// runs it. Every call is timed on its own, so that the median and the 99th percentile per
// word can be reported; the first Check after a load is measured apart.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"
#include "bench/file_dictionary_host.h"
#include "bench/sample_stats.h"
#include "engine/check_list.h"
#include "engine/dictionary.h"

namespace morvane::bench {
namespace {

void CheckMisspeltWords(benchmark::State& state, const BenchDictionary& dictionary) {
    const std::vector<std::u16string>& words = dictionary.misspelt;
    std::size_t suggestions = 0;
    for (const std::u16string& word : words) {  // builds the lazy indexes before timing
        const CheckResult result = CheckWord(word, dictionary.words, kSuggestionLimit);
        if (result.found) {
            state.SkipWithError("a misspelt word was found");
            return;
        }
        suggestions += result.entries.size();
    }
    std::vector<double> perWord;
    perWord.reserve(words.size() * 64);
    for (auto _ : state) {
        for (const std::u16string& word : words) {
            const auto start = Clock::now();
            CheckResult result = CheckWord(word, dictionary.words, kSuggestionLimit);
            const auto end = Clock::now();
            benchmark::DoNotOptimize(result);
            perWord.push_back(SecondsBetween(start, end));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(perWord.size()));
    state.counters["words"] = static_cast<double>(words.size());
    state.counters["entries_per_word"] = static_cast<double>(suggestions) / static_cast<double>(words.size());
    state.counters["median_us"] = Median(perWord) * 1e6;
    state.counters["p99_us"] = Percentile(perWord, 0.99) * 1e6;
}

// Each iteration loads the dictionary afresh (not timed) and times one Check, for the next
// letter in turn, so that every letter's first Check is measured.
void FirstCheckAfterLoad(benchmark::State& state, const BenchDictionary& dictionary) {
    const std::vector<std::u16string> words = OneWordPerFirstLetter(dictionary.misspelt);
    const std::u16string path(dictionary.path.begin(), dictionary.path.end());
    FileDictionaryHost host;
    std::vector<double> times;
    std::vector<std::vector<double>> timesByLetter(words.size());
    std::size_t next = 0;
    for (auto _ : state) {
        Dictionary loaded;
        loaded.LoadDictionary(path, host);
        const auto start = Clock::now();
        CheckResult result = CheckWord(words[next], loaded.Words(), kSuggestionLimit);
        const auto end = Clock::now();
        benchmark::DoNotOptimize(result);
        times.push_back(SecondsBetween(start, end));
        timesByLetter[next].push_back(times.back());
        state.SetIterationTime(times.back());
        if (++next == words.size()) next = 0;
    }
    state.counters["letters"] = static_cast<double>(words.size());
    state.counters["median_ms"] = Median(times) * 1e3;
    state.counters["max_ms"] = *std::max_element(times.begin(), times.end()) * 1e3;
    // The slowest letter, each letter by the median of its runs: on a busy machine one run
    // can be held up by the scheduler; the median of a letter's runs seldom is.
    double worstLetter = 0;
    for (const std::vector<double>& letter : timesByLetter) worstLetter = std::max(worstLetter, Median(letter));
    state.counters["worst_letter_median_ms"] = worstLetter * 1e3;
}

}  // namespace

void RegisterCheckBenchmarks(const BenchDictionary& dictionary) {
    const auto letters = static_cast<benchmark::IterationCount>(OneWordPerFirstLetter(dictionary.misspelt).size());
    benchmark::RegisterBenchmark(("CheckMisspelt/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& state) { CheckMisspeltWords(state, dictionary); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("FirstCheckAfterLoad/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& state) { FirstCheckAfterLoad(state, dictionary); })
        ->UseManualTime()
        ->Iterations(5 * letters)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace morvane::bench
